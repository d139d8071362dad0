#include "components/pdf_library.h"

#include <utility>

namespace hexia {
namespace {

// Runs `call` on the component; an empty instance or anything thrown gives `empty`.
template <typename Result, typename Call>
Result Forward(const std::shared_ptr<PdfComponent>& component, Result empty, Call&& call) {
    if (!component) {
        return empty;
    }
    try {
        return std::forward<Call>(call)(*component);
    } catch (...) {
        return empty;
    }
}

} // namespace

bool PdfLibrary::ApplyComponentDefaults() {
    AddUnicodeFont("SimSun", 1, 0);
    SetGlobalMeasurementUnits(1);
    SetGlobalOrigin(5);
    return true;
}

int PdfLibrary::AddUnicodeFont(const std::string& fontName, int fontType, int options) {
    return Forward(component, 0,
                   [&](PdfComponent& c) { return c.AddUnicodeFont(fontName, fontType, options); });
}

int PdfLibrary::SetGlobalMeasurementUnits(int measurementUnits) {
    return Forward(component, 0,
                   [&](PdfComponent& c) { return c.SetGlobalMeasurementUnits(measurementUnits); });
}

int PdfLibrary::SetGlobalOrigin(int origin) {
    return Forward(component, 0, [&](PdfComponent& c) { return c.SetGlobalOrigin(origin); });
}

std::string PdfLibrary::ExtractFilePageText(const std::string& inputFileName, const std::string& password,
                                            int page, int options) {
    return Forward(component, std::string(), [&](PdfComponent& c) {
        return c.ExtractFilePageText(inputFileName, password, page, options);
    });
}

std::string PdfLibrary::ExtractFilePageText(const std::string& inputFileName, int page, int options) {
    return ExtractFilePageText(inputFileName, "", page, options);
}

int PdfLibrary::DAOpenFileReadOnly(const std::string& inputFileName, const std::string& password) {
    return Forward(component, 0,
                   [&](PdfComponent& c) { return c.DAOpenFileReadOnly(inputFileName, password); });
}

int PdfLibrary::DAGetPageCount(int fileHandle) {
    return Forward(component, 0, [&](PdfComponent& c) { return c.DAGetPageCount(fileHandle); });
}

int PdfLibrary::DAFindPage(int fileHandle, int page) {
    return Forward(component, 0, [&](PdfComponent& c) { return c.DAFindPage(fileHandle, page); });
}

std::string PdfLibrary::DAExtractPageText(int fileHandle, int pageRef, int options) {
    return Forward(component, std::string(),
                   [&](PdfComponent& c) { return c.DAExtractPageText(fileHandle, pageRef, options); });
}

int PdfLibrary::DACloseFile(int fileHandle) {
    return Forward(component, 0, [&](PdfComponent& c) { return c.DACloseFile(fileHandle); });
}

int PdfLibrary::ExtractFilePages(const std::string& inputFileName, const std::string& password,
                                 const std::string& outputFileName, const std::string& rangeList,
                                 int options) {
    return Forward(component, 0, [&](PdfComponent& c) {
        return options == 0
                   ? c.ExtractFilePages(inputFileName, password, outputFileName, rangeList)
                   : c.ExtractFilePagesEx(inputFileName, password, outputFileName, rangeList, options);
    });
}

} // namespace hexia
