// The five books of a patent application in their fixed order, with the code,
// the heading that opens each of their pages and the label of their log line.
#pragma once

#include <array>
#include <string_view>

namespace hexia {

struct BookInfo {
    std::string_view code;
    std::string_view heading;
    // Always 18 GBK bytes wide, trailing spaces included.
    std::string_view label;
};

inline constexpr std::array<BookInfo, 5> FiveBookTable{{
    {"100001", "权利要求书", "100001 权利要求书 "},
    {"100002", "说明书", "100002 说明书     "},
    {"100003", "说明书附图", "100003 说明书附图 "},
    {"100004", "说明书摘要", "100004 说明书摘要 "},
    {"100005", "摘要附图", "100005 摘要附图   "},
}};

inline constexpr std::string_view ClaimsHeading = "权利要求书";
inline constexpr std::string_view DescriptionHeading = "说明书";

// The book whose heading is exactly `line`, or null.
inline const BookInfo* FindBookByHeading(std::string_view line) {
    for (const BookInfo& book : FiveBookTable)
        if (book.heading == line)
            return &book;
    return nullptr;
}

} // namespace hexia
