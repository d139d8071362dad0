#include "components/pdf_engine/page_copy.h"

#include <atomic>
#include <charconv>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace hexia {
namespace {

std::optional<int> ParsePageNumber(std::string_view text) {
    int value = 0;
    if (text.empty() || text.front() == '+' || text.front() == '-') {
        return std::nullopt;
    }
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& output) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = output;
    temporary += ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temporary;
}

} // namespace

std::optional<std::vector<int>> ParsePageRanges(std::string_view rangeList, int pageCount) {
    std::vector<int> pages;
    if (rangeList.empty()) {
        return std::nullopt;
    }
    std::size_t start = 0;
    while (start <= rangeList.size()) {
        std::size_t comma = rangeList.find(',', start);
        std::string_view run =
            rangeList.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        std::size_t dash = run.find('-');
        if (dash == std::string_view::npos) {
            return std::nullopt;
        }
        std::optional<int> first = ParsePageNumber(run.substr(0, dash));
        std::optional<int> last = ParsePageNumber(run.substr(dash + 1));
        if (!first || !last || *first < 1 || *first > *last || *last > pageCount) {
            return std::nullopt;
        }
        for (int page = *first; page <= *last; ++page) {
            pages.push_back(page);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return pages;
}

bool CopyPages(const std::string& inputFileName, const std::string& password,
               const std::string& outputFileName, std::string_view rangeList) {
    if (outputFileName.empty()) {
        return false;
    }
    std::filesystem::path temporary = TemporaryPathBeside(outputFileName);
    try {
        QPDF source;
        source.setSuppressWarnings(true);
        source.processFile(inputFileName.c_str(), password.c_str());
        std::vector<QPDFPageObjectHelper> sourcePages = QPDFPageDocumentHelper(source).getAllPages();
        std::optional<std::vector<int>> pages =
            ParsePageRanges(rangeList, static_cast<int>(sourcePages.size()));
        if (!pages) {
            return false;
        }

        QPDF part;
        part.setSuppressWarnings(true);
        part.emptyPDF();
        QPDFPageDocumentHelper partPages(part);
        for (int page : *pages) {
            partPages.addPage(sourcePages[static_cast<std::size_t>(page - 1)], false);
        }
        QPDFWriter writer(part, temporary.c_str());
        writer.write();
    } catch (...) {
        // qpdf reports damage, wrong passwords and write errors as exceptions.
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, outputFileName, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace hexia
