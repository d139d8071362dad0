// The first half of splitting a document, as pure functions over page texts:
// which book each page belongs to, the title of the invention and the claims.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hexia {

// One book met in the document, in order of first appearance.
struct BookPages {
    std::string bookName;
    // 1-based page numbers counted for the book, ascending.
    std::vector<int> pages;
};

struct PageAnalysis {
    // At most five rows, one per book, in order of first appearance.
    std::vector<BookPages> books;
    // 1-based row of the claims in `books`, 0 while there is none.
    int claimsRow = 0;
    // The cleaned text of every page counted for the claims, in page order.
    std::string claimsText;
    std::string inventionTitle;
    // Pages before the first heading (a cover, say), which belong to no book.
    int leadingPagesWithoutBook = 0;
};

inline constexpr std::string_view UnrecognisedTitle = "未识别到说明书主题";
inline constexpr std::string_view ClaimCountUnknown = "未获取";

// A page's raw text with blank lines removed and every ASCII space dropped.
std::string CleanPageText(std::string_view rawText);

// The heading of a cleaned page: the first of lines 1 to 3 that is a book
// heading. `headingLine` receives that line number, or 0 when there is none.
std::string FindPageHeading(std::string_view pageText, int* headingLine = nullptr);

// Attributes cleaned page texts (page 1 first) to the books. A page without a
// heading continues the book of the last heading; pages before the first
// heading belong to no book. The title is the line after the description
// heading on the first description page that has such a line.
PageAnalysis AnalysePages(const std::vector<std::string>& pageTexts);

// The number of claims in decimal, or "未获取": the full stops of the Word
// section at the claims row when there is one, else those of the claims text.
// Word's sections stand for the books only when the document starts with a
// book: pages before it (a cover) shift them, and the claims text counts.
std::string CountClaims(const PageAnalysis& analysis, const std::vector<std::string>& wordSections);

} // namespace hexia
