#include "split/page_analysis.h"

#include <algorithm>

#include "split/five_book_table.h"
#include "split/normalise.h"
#include "util/text.h"

namespace hexia {

std::string CleanPageText(std::string_view rawText) {
    std::string text = NormaliseDocumentText(rawText);
    std::erase(text, ' ');
    return text;
}

std::string FindPageHeading(std::string_view pageText, int* headingLine) {
    std::string line;
    for (int n = 1; n <= 3; ++n) {
        line = LineOfText(pageText, n);
        if (FindBookByHeading(line)) {
            if (headingLine)
                *headingLine = n;
            return line;
        }
    }
    if (headingLine)
        *headingLine = 0;
    // Like the page's own third line when no heading was found.
    return line;
}

namespace {

BookPages& RowFor(PageAnalysis& analysis, const std::string& bookName) {
    auto row = std::find_if(analysis.books.begin(), analysis.books.end(),
                            [&](const BookPages& b) { return b.bookName == bookName; });
    if (row != analysis.books.end())
        return *row;
    analysis.books.push_back({bookName, {}});
    return analysis.books.back();
}

} // namespace

PageAnalysis AnalysePages(const std::vector<std::string>& pageTexts) {
    PageAnalysis analysis;
    std::string currentBook;
    for (std::size_t i = 0; i < pageTexts.size(); ++i) {
        const std::string& pageText = pageTexts[i];
        int headingLine = 0;
        std::string heading = FindPageHeading(pageText, &headingLine);

        // The title stands on the line after the heading, whatever line the
        // heading took: header lines above it must not shift it.
        if (analysis.inventionTitle.empty() && heading == DescriptionHeading && headingLine > 0) {
            std::string title = LineOfText(pageText, headingLine + 1);
            analysis.inventionTitle = title == "技术领域" ? std::string(UnrecognisedTitle) : title;
        }

        if (headingLine > 0)
            currentBook = heading;
        else if (!currentBook.empty())
            heading = currentBook;
        else {
            ++analysis.leadingPagesWithoutBook;
            continue;
        }

        BookPages& row = RowFor(analysis, heading);
        row.pages.push_back(static_cast<int>(i) + 1);
        // Continuation pages of the claims hold claims too.
        if (heading == ClaimsHeading) {
            analysis.claimsText += pageText;
            analysis.claimsRow = static_cast<int>(&row - analysis.books.data()) + 1;
        }
    }
    return analysis;
}

std::string CountClaims(const PageAnalysis& analysis, const std::vector<std::string>& wordSections) {
    if (analysis.claimsRow != 0 && analysis.leadingPagesWithoutBook == 0 &&
        static_cast<int>(wordSections.size()) >= analysis.claimsRow)
        return std::to_string(CountOccurrences(wordSections[analysis.claimsRow - 1], "。"));
    if (!analysis.claimsText.empty())
        return std::to_string(CountOccurrences(analysis.claimsText, "。"));
    return std::string(ClaimCountUnknown);
}

} // namespace hexia
