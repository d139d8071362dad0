#include "components/pdf_engine/page_copy.h"

#include <gtest/gtest.h>

namespace hexia {
namespace {

TEST(ParsePageRanges, AcceptsRunsWithinTheDocument) {
    using Pages = std::vector<int>;
    EXPECT_EQ(ParsePageRanges("1-1", 7), Pages({1}));
    EXPECT_EQ(ParsePageRanges("3-4", 7), Pages({3, 4}));
    EXPECT_EQ(ParsePageRanges("1-7", 7), Pages({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(ParsePageRanges("5-6,1-1", 7), Pages({5, 6, 1}));
}

TEST(ParsePageRanges, RejectsMalformedOrOutOfRangeLists) {
    for (const char* list : {"",     "0-1",   "3-2",           "7-8",          "8-8",  "1",    "1-",   "-2",
                             "a-b",  "1-2,",  ",1-2",          "1-2,,3-3",     " 1-2", "1-2 ", "1--2", "+1-2",
                             "1-+2", "1-2-3", "99999999999-1", "1-99999999999"}) {
        EXPECT_FALSE(ParsePageRanges(list, 7).has_value()) << '"' << list << '"';
    }
    EXPECT_FALSE(ParsePageRanges("1-1", 0).has_value());
}

} // namespace
} // namespace hexia
