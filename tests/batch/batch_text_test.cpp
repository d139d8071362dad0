#include "batch/batch_text.h"

#include <gtest/gtest.h>

#include "util/text.h"

namespace hexia {
namespace {

TEST(DashPadding, FillsToNinetyGbkBytes) {
    // 8 dashes, 当前处理第 (10), 2/3 (3), 项： (4), 申请.docx (9): 34 bytes.
    EXPECT_EQ(DashPadding("--------当前处理第2/3项：申请.docx"), std::string(56, '-'));
    EXPECT_EQ(DashPadding(std::string(89, 'a')), "-");
    EXPECT_EQ(DashPadding(std::string(90, 'a')), "");
    EXPECT_EQ(DashPadding(std::string(45, 'a') + std::string(16, 'x') + "一二三四五六七八九十一二三四五"),
              "");
}

TEST(FileHeaderLine, IsNinetyWideUnlessTheNameIsLonger) {
    const std::string line = FileHeaderLine(2, 3, "申请.docx");
    EXPECT_EQ(line, "--------当前处理第2/3项：申请.docx" + std::string(56, '-'));
    EXPECT_EQ(GbkWidth(FileHeaderLine(10, 12, "一种智能温控装置及其控制方法.docx")), 90u);

    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += "长";
    EXPECT_EQ(FileHeaderLine(1, 1, longName + ".pdf"), "--------当前处理第1/1项：" + longName + ".pdf");
}

TEST(FormatElapsedSeconds, WritesAsPercentPointThirteenG) {
    struct Case {
        std::int64_t start, end;
        const char* text;
    } cases[] = {
        {1000, 4000, "3"},  {1000, 4250, "3.25"},
        {0, 12500, "12.5"}, {500, 547, "0.047"},
        {7, 7, "0"},        {0, 1234567890123, "1234567890.123"},
        {0, 1, "0.001"},    {0, 86400000, "86400"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatElapsedSeconds(c.start, c.end), c.text) << c.end - c.start;
}

} // namespace
} // namespace hexia
