#include "split/book_file_names.h"

#include <gtest/gtest.h>

#include "split/page_ranges.h"
#include "split/split_document.h"

namespace hexia {
namespace {

TEST(BookFileName, FollowsTheFormatOfEachBook) {
    struct Case {
        const char* book;
        const char* expected;
    } cases[] = {
        {"权利要求书", "100001(权项数12)权利要求书_一种装置.pdf"},
        {"说明书", "100002说明书_一种装置.pdf"},
        {"说明书附图", "100003说明书附图_一种装置.pdf"},
        {"说明书摘要", "100004说明书摘要_一种装置.pdf"},
        {"摘要附图", "100005摘要附图_一种装置.pdf"},
        {"封面", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BookFileName(c.book, "12", "一种装置"), c.expected) << c.book;
    EXPECT_EQ(BookFileName("说明书", "12", ""), "100002说明书_.pdf");
    EXPECT_EQ(BookFileName("权利要求书", "未获取", "T"), "100001(权项数未获取)权利要求书_T.pdf");
}

TEST(BookFileName, TitleCannotLeaveTheFolder) {
    struct Case {
        std::string title;
        std::string safe;
    } cases[] = {
        {"一种AC/DC转换器", "一种AC／DC转换器"},
        {R"(a\b:c*d?e"f<g>h|i)", "a＼b：c＊d？e＂f＜g＞h｜i"},
        {"..", ""},
        {"../../etc/passwd", "..／..／etc／passwd"},
        {"一种\t装置\x01\x7f", "一种装置"},
        {"一种装置. . .", "一种装置"},
        {"一种\xc2\x85装置", "一种装置"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SafeFileNameText(c.title), c.safe) << c.title;
}

TEST(BookFileName, LongTitleIsCutAtACharacterBoundary) {
    std::string title;
    for (int i = 0; i < 100; ++i)
        title += "装";
    for (const char* book : {"权利要求书", "说明书"}) {
        const std::string name = BookFileName(book, "12", title);
        EXPECT_LE(name.size(), MaxFileNameBytes);
        EXPECT_GT(name.size(), MaxFileNameBytes - 3);
        ASSERT_TRUE(name.ends_with("装.pdf")) << name;
    }
}

TEST(PageRangeList, WritesRunsOfConsecutivePages) {
    EXPECT_EQ(PageRangeList({1, 2, 3}), "1-3");
    EXPECT_EQ(PageRangeList({11}), "11-11");
    EXPECT_EQ(PageRangeList({2, 3, 5, 7, 8}), "2-3,5-5,7-8");
    EXPECT_EQ(PageRangeList({}), "");
}

TEST(DocumentOutputFolder, IsNamedAfterTheDocument) {
    EXPECT_EQ(DocumentOutputFolder("/案卷/申请.docx", "/案卷/"), "/案卷/申请/");
    EXPECT_EQ(DocumentOutputFolder("/其他/申请.pdf", "/案卷/"), "/案卷/申请/");
    EXPECT_EQ(DocumentOutputFolder("/案卷/申请", "/案卷/"), "/案卷/申请/");
}

} // namespace
} // namespace hexia
