// The page range list of a book, in the form the PDF component takes.
#pragma once

#include <string>
#include <vector>

namespace hexia {

// Runs of consecutive pages, each written "a-b" (a single page n as "n-n"),
// joined by ","; "" for no pages. `pages` is ascending.
std::string PageRangeList(const std::vector<int>& pages);

} // namespace hexia
