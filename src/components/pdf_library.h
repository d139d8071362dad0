// The facade through which the system reads and cuts PDF files. It holds a
// shared reference to a component object; copies share it. On an empty
// instance every operation returns 0 or "" at once. No exception escapes.
#pragma once

#include <memory>
#include <string>

#include "components/pdf_component.h"

namespace hexia {

class PdfLibrary {
public:
    std::shared_ptr<PdfComponent> component;

    bool ApplyComponentDefaults();

    int AddUnicodeFont(const std::string& fontName, int fontType, int options);
    int SetGlobalMeasurementUnits(int measurementUnits);
    int SetGlobalOrigin(int origin);

    std::string ExtractFilePageText(const std::string& inputFileName, const std::string& password, int page,
                                    int options);
    // Password omitted: sent as "".
    std::string ExtractFilePageText(const std::string& inputFileName, int page, int options);

    int DAOpenFileReadOnly(const std::string& inputFileName, const std::string& password = "");
    int DAGetPageCount(int fileHandle);
    int DAFindPage(int fileHandle, int page);
    std::string DAExtractPageText(int fileHandle, int pageRef, int options);
    int DACloseFile(int fileHandle);

    // Options 0: the component's ExtractFilePages; otherwise ExtractFilePagesEx with them.
    int ExtractFilePages(const std::string& inputFileName, const std::string& password,
                         const std::string& outputFileName, const std::string& rangeList, int options = 0);
};

} // namespace hexia
