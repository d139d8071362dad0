// Copying pages of a PDF into a new PDF with qpdf.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hexia {

// The page numbers (1-based, in order) that a range list names: runs "a-b"
// joined by ",", "n-n" for one page. Empty when the list is malformed, a run
// is reversed, or a page lies outside 1..pageCount.
std::optional<std::vector<int>> ParsePageRanges(std::string_view rangeList, int pageCount);

// Writes the pages of `rangeList` from `inputFileName` to a new, unencrypted
// PDF at `outputFileName`, replacing any file there. The PDF is written beside
// the output under a temporary name and renamed into place, so a failure
// leaves no partial file. True when the PDF was written. Never throws.
bool CopyPages(const std::string& inputFileName, const std::string& password,
               const std::string& outputFileName, std::string_view rangeList);

} // namespace hexia
