// The outside PDF component as the facade sees it: the methods that the
// system calls, under the component's own names. An implementation never
// throws; it returns 0 or "" when a call fails.
#pragma once

#include <string>

namespace hexia {

class PdfComponent {
public:
    virtual ~PdfComponent() = default;

    virtual int AddUnicodeFont(const std::string& fontName, int fontType, int options) = 0;
    virtual int SetGlobalMeasurementUnits(int measurementUnits) = 0;
    virtual int SetGlobalOrigin(int origin) = 0;

    // Text of one page (1-based) of a file named by path; lines joined by "\r\n".
    virtual std::string ExtractFilePageText(const std::string& inputFileName, const std::string& password,
                                            int page, int options) = 0;

    // Direct access: a positive handle, or 0 when the file cannot be opened.
    virtual int DAOpenFileReadOnly(const std::string& inputFileName, const std::string& password) = 0;
    virtual int DAGetPageCount(int fileHandle) = 0;
    // A non-zero page reference for a valid page, 0 otherwise.
    virtual int DAFindPage(int fileHandle, int page) = 0;
    virtual std::string DAExtractPageText(int fileHandle, int pageRef, int options) = 0;
    virtual int DACloseFile(int fileHandle) = 0;

    // Copies the pages of `rangeList` ("a-b" runs joined by ",") into a new
    // PDF at `outputFileName`; 1 when written, 0 otherwise.
    virtual int ExtractFilePages(const std::string& inputFileName, const std::string& password,
                                 const std::string& outputFileName, const std::string& rangeList) = 0;
    virtual int ExtractFilePagesEx(const std::string& inputFileName, const std::string& password,
                                   const std::string& outputFileName, const std::string& rangeList,
                                   int options) = 0;
};

} // namespace hexia
