// Times the PDF engine's two jobs on one file, through the facade as the
// splitter uses it:
//   pdf_engine_bench text FILE            text of every page through a DA handle
//   pdf_engine_bench books FILE OUTDIR    five books written with ExtractFilePages
//   pdf_engine_bench split FILE OUTDIR    both, in the splitter's order
// Prints what it did on one line; bench/pdf_engine.sh runs it under hyperfine.
#include <cstdio>
#include <string>

#include "components/pdf_component_loading.h"

namespace {

// The five page ranges used for the books of an n-page document (n >= 5).
std::string BookRange(int book, int pages) {
    int firsts[] = {1, 2, 3, pages / 3 + 1, pages};
    int lasts[] = {1, 2, pages / 3, pages - 1, pages};
    return std::to_string(firsts[book]) + "-" + std::to_string(lasts[book]);
}

int ReadAllPages(hexia::PdfLibrary& pdf, const std::string& file, std::size_t& bytes) {
    int handle = pdf.DAOpenFileReadOnly(file);
    int pages = pdf.DAGetPageCount(handle);
    for (int page = 1; page <= pages; ++page) {
        bytes += pdf.DAExtractPageText(handle, pdf.DAFindPage(handle, page), 7).size();
    }
    pdf.DACloseFile(handle);
    return pages;
}

int WriteBooks(hexia::PdfLibrary& pdf, const std::string& file, const std::string& folder, int pages) {
    int written = 0;
    for (int book = 0; book < 5; ++book) {
        std::string output = folder + "/book" + std::to_string(book + 1) + ".pdf";
        written += pdf.ExtractFilePages(file, "", output, BookRange(book, pages), 0) != 0;
    }
    return written;
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 2 ? argv[1] : "";
    if ((mode != "text" && mode != "books" && mode != "split") || (mode != "text" && argc < 4)) {
        std::fprintf(stderr, "usage: pdf_engine_bench text FILE | books FILE OUTDIR | split FILE OUTDIR\n");
        return 2;
    }
    hexia::PdfLibrary pdf;
    hexia::LoadPdfComponent(pdf);
    std::string file = argv[2];
    std::size_t bytes = 0;
    int pages = 0;
    if (mode == "books") {
        int handle = pdf.DAOpenFileReadOnly(file);
        pages = pdf.DAGetPageCount(handle);
        pdf.DACloseFile(handle);
    } else {
        pages = ReadAllPages(pdf, file, bytes);
    }
    int books = mode == "text" ? 0 : WriteBooks(pdf, file, argv[3], pages);
    std::printf("%s: %d pages, %zu bytes of text, %d books\n", mode.c_str(), pages, bytes, books);
    return pages > 0 ? 0 : 1;
}
