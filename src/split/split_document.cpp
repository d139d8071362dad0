#include "split/split_document.h"

#include <vector>

#include "split/book_file_names.h"
#include "split/five_book_table.h"
#include "split/page_analysis.h"
#include "split/page_ranges.h"
#include "util/folders.h"
#include "util/paths.h"
#include "util/text.h"

namespace hexia {

namespace {

// Options of the page-text extraction: the component's layout of the page.
constexpr int PageTextLayout = 7;

bool IsPdfSource(const std::string& sourcePath) {
    const std::string extension = PathExtension(sourcePath);
    return extension == ".pdf" || extension == ".PDF";
}

// Has the office suite export the document to `pdfPath`; returns the document's
// main text split at the page and section breaks.
std::vector<std::string> ConvertWordDocument(AppContext& context, const std::string& sourcePath,
                                             const std::string& pdfPath, DocumentOutcome& outcome) {
    if (!context.WordDocuments) {
        outcome.conversion = office::OfficeStatus::StartFailed;
        return {};
    }
    context.CurrentWordDocument = context.WordDocuments->Open(sourcePath, false);
    if (!context.CurrentWordDocument) {
        outcome.conversion = office::OfficeStatus::BadArgument;
        return {};
    }
    outcome.conversion = context.CurrentWordDocument->ExportAsFixedFormat(pdfPath, office::wdExportFormatPDF);
    std::string text;
    if (auto range = context.CurrentWordDocument->Range())
        text = range->Text();
    return SplitText(text, "\f");
}

void WriteBooks(AppContext& context, const std::string& sourcePath, const std::string& pdfPath,
                const std::string& outputRoot, const PageAnalysis& analysis, const std::string& claimCount,
                DocumentOutcome& outcome) {
    const std::string outputFolder = DocumentOutputFolder(sourcePath, outputRoot);
    CreateFolderTree(outputFolder);
    for (const BookPages& row : analysis.books) {
        const BookInfo* book = FindBookByHeading(row.bookName);
        if (!book || row.pages.empty())
            continue;
        const std::string fileName = BookFileName(row.bookName, claimCount, analysis.inventionTitle);
        const std::string ranges = PageRangeList(row.pages);
        const int written =
            context.SharedPdfLibrary.ExtractFilePages(pdfPath, "", outputFolder + fileName, ranges, 0);
        if (written != 0) {
            AppendToLog(context, std::string(book->label) + " 页码范围：" + ranges + "，共" +
                                     std::to_string(row.pages.size()) + "页\r\n");
            ++outcome.booksWritten;
        } else {
            AppendToLog(context, std::string(book->label) + " 导出失败！！！！\r\n");
            ++outcome.booksFailed;
        }
    }
}

} // namespace

std::string DocumentOutputFolder(const std::string& sourcePath, const std::string& outputRoot) {
    return outputRoot + FileNameOf(sourcePath, false) + PathSeparator();
}

DocumentOutcome SplitApplicationDocument(AppContext& context, const std::string& sourcePath,
                                         std::string& pdfPath, const std::string& outputRoot) {
    DocumentOutcome outcome;
    std::vector<std::string> wordSections;
    if (IsPdfSource(sourcePath))
        pdfPath = sourcePath;
    else
        wordSections = ConvertWordDocument(context, sourcePath, pdfPath, outcome);

    PdfLibrary& pdf = context.SharedPdfLibrary;
    const int handle = pdf.DAOpenFileReadOnly(pdfPath, "");
    const int pageCount = pdf.DAGetPageCount(handle);
    std::vector<std::string> pageTexts;
    pageTexts.reserve(pageCount > 0 ? pageCount : 0);
    for (int page = 1; page <= pageCount; ++page) {
        const int pageRef = pdf.DAFindPage(handle, page);
        pageTexts.push_back(CleanPageText(pdf.DAExtractPageText(handle, pageRef, PageTextLayout)));
    }

    const PageAnalysis analysis = AnalysePages(pageTexts);
    const std::string claimCount = CountClaims(analysis, wordSections);
    AppendToLog(context, "\r\n说明书主题：" + analysis.inventionTitle + "   权项数：" + claimCount + "\r\n");
    AppendToLog(context, "\r\n√√√√PDF化后共" + std::to_string(pageCount) + "页\r\n\r\n");

    WriteBooks(context, sourcePath, pdfPath, outputRoot, analysis, claimCount, outcome);
    pdf.DACloseFile(handle);
    return outcome;
}

} // namespace hexia
