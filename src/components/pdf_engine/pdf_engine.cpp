#include "components/pdf_engine/pdf_engine.h"

#include <fstream>
#include <iterator>
#include <mutex>

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

#include "components/pdf_engine/page_copy.h"
#include "components/pdf_engine/page_text.h"

namespace hexia {
namespace {

void DiscardPopplerMessage(const std::string& /*message*/, void* /*closure*/) {}

// poppler prints syntax errors of damaged files to stderr unless told otherwise.
void SilencePoppler() {
    static std::once_flag once;
    std::call_once(once, [] { poppler::set_debug_error_function(DiscardPopplerMessage, nullptr); });
}

std::unique_ptr<poppler::document> LoadDocument(const std::string& path, const std::string& password) {
    // Reading the whole file first spares poppler thousands of small reads
    // from disk; the document takes the bytes over.
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return nullptr;
    poppler::byte_array data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof())
        return nullptr;
    std::unique_ptr<poppler::document> document(poppler::document::load_from_data(&data, password, password));
    if (!document || document->is_locked()) {
        return nullptr;
    }
    return document;
}

std::string TextOfPage(poppler::document& document, int page) {
    if (page < 1 || page > document.pages()) {
        return "";
    }
    std::unique_ptr<poppler::page> pdfPage(document.create_page(page - 1));
    return pdfPage ? PageText(*pdfPage) : "";
}

} // namespace

PdfEngine::PdfEngine() {
    SilencePoppler();
}

PdfEngine::~PdfEngine() = default;

int PdfEngine::AddUnicodeFont(const std::string& /*fontName*/, int /*fontType*/, int /*options*/) {
    return 1;
}

int PdfEngine::SetGlobalMeasurementUnits(int /*measurementUnits*/) {
    return 1;
}

int PdfEngine::SetGlobalOrigin(int /*origin*/) {
    return 1;
}

std::string PdfEngine::ExtractFilePageText(const std::string& inputFileName, const std::string& password,
                                           int page, int /*options*/) {
    try {
        std::unique_ptr<poppler::document> document = LoadDocument(inputFileName, password);
        return document ? TextOfPage(*document, page) : "";
    } catch (...) {
        return "";
    }
}

int PdfEngine::DAOpenFileReadOnly(const std::string& inputFileName, const std::string& password) {
    try {
        std::unique_ptr<poppler::document> document = LoadDocument(inputFileName, password);
        if (!document) {
            return 0;
        }
        int handle = ++lastHandle;
        documents.emplace(handle, std::move(document));
        return handle;
    } catch (...) {
        return 0;
    }
}

poppler::document* PdfEngine::Document(int fileHandle) const {
    auto found = documents.find(fileHandle);
    return found == documents.end() ? nullptr : found->second.get();
}

int PdfEngine::DAGetPageCount(int fileHandle) {
    poppler::document* document = Document(fileHandle);
    return document ? document->pages() : 0;
}

int PdfEngine::DAFindPage(int fileHandle, int page) {
    poppler::document* document = Document(fileHandle);
    return document && page >= 1 && page <= document->pages() ? page : 0;
}

std::string PdfEngine::DAExtractPageText(int fileHandle, int pageRef, int /*options*/) {
    try {
        poppler::document* document = Document(fileHandle);
        return document ? TextOfPage(*document, pageRef) : "";
    } catch (...) {
        return "";
    }
}

int PdfEngine::DACloseFile(int fileHandle) {
    return documents.erase(fileHandle) > 0 ? 1 : 0;
}

int PdfEngine::ExtractFilePages(const std::string& inputFileName, const std::string& password,
                                const std::string& outputFileName, const std::string& rangeList) {
    return CopyPages(inputFileName, password, outputFileName, rangeList) ? 1 : 0;
}

int PdfEngine::ExtractFilePagesEx(const std::string& inputFileName, const std::string& password,
                                  const std::string& outputFileName, const std::string& rangeList,
                                  int /*options*/) {
    return ExtractFilePages(inputFileName, password, outputFileName, rangeList);
}

} // namespace hexia
