#include "split/page_ranges.h"

namespace hexia {

std::string PageRangeList(const std::vector<int>& pages) {
    std::string list;
    for (std::size_t i = 0; i < pages.size();) {
        std::size_t end = i;
        while (end + 1 < pages.size() && pages[end + 1] == pages[end] + 1)
            ++end;
        if (!list.empty())
            list += ',';
        list += std::to_string(pages[i]) + "-" + std::to_string(pages[end]);
        i = end + 1;
    }
    return list;
}

} // namespace hexia
