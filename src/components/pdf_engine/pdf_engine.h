// The built-in PDF component: poppler reads page text, qpdf copies pages.
// Every call catches whatever the libraries throw and returns 0 or "".
#pragma once

#include <map>
#include <memory>
#include <string>

#include "components/pdf_component.h"

namespace poppler {
class document;
}

namespace hexia {

class PdfEngine final : public PdfComponent {
public:
    PdfEngine();
    ~PdfEngine() override;
    PdfEngine(const PdfEngine&) = delete;
    PdfEngine& operator=(const PdfEngine&) = delete;

    // Settings for drawing text, which this engine does not do: accepted and ignored.
    int AddUnicodeFont(const std::string& fontName, int fontType, int options) override;
    int SetGlobalMeasurementUnits(int measurementUnits) override;
    int SetGlobalOrigin(int origin) override;

    // Every option value gives the same layout: lines top to bottom joined by "\r\n".
    std::string ExtractFilePageText(const std::string& inputFileName, const std::string& password, int page,
                                    int options) override;

    int DAOpenFileReadOnly(const std::string& inputFileName, const std::string& password) override;
    int DAGetPageCount(int fileHandle) override;
    // The page reference is the page number.
    int DAFindPage(int fileHandle, int page) override;
    std::string DAExtractPageText(int fileHandle, int pageRef, int options) override;
    int DACloseFile(int fileHandle) override;

    int ExtractFilePages(const std::string& inputFileName, const std::string& password,
                         const std::string& outputFileName, const std::string& rangeList) override;
    // Options change nothing in what is copied.
    int ExtractFilePagesEx(const std::string& inputFileName, const std::string& password,
                           const std::string& outputFileName, const std::string& rangeList,
                           int options) override;

private:
    poppler::document* Document(int fileHandle) const;

    std::map<int, std::unique_ptr<poppler::document>> documents;
    int lastHandle = 0;
};

} // namespace hexia
