#include "components/pdf_engine/page_text.h"

#include <gtest/gtest.h>

#include "components/pdf_engine/look_alikes.h"

namespace hexia {
namespace {

using Lines = std::vector<std::string>;

TextBox Box(const std::string& text, double left, double top, double width, double height,
            double ideographWidth = 0) {
    return TextBox{text, left, top, left + width, top + height, ideographWidth};
}

TEST(GroupTextLines, LetterSpacedHeadingIsOneLineBelowItsHeaderLine) {
    Lines lines = GroupTextLines({
        Box("书", 348, 45, 14, 18),
        Box("权", 232, 45, 14, 18),
        Box("利", 261, 45, 14, 18),
        Box("要", 290, 45, 14, 18),
        Box("求", 319, 45, 14, 18),
        Box("申请号：202610000000.0", 420, 30, 103, 11.7),
        Box("1.", 72, 78, 9.5, 15.6),
        Box("一种电压转换器", 84.8, 78, 84, 15.6),
    });
    EXPECT_EQ(lines, (Lines{"申请号：202610000000.0", "权 利 要 求 书", "1. 一种电压转换器"}));
}

TEST(GroupTextLines, SpacesOnlyAtVisibleGaps) {
    // "2mm" and "至" are 2.4 apart (a gap), "至" and "5mm" touch, as do boxes that overlap.
    Lines lines = GroupTextLines({
        Box("2mm", 72, 100, 30, 15.6),
        Box("至", 104.4, 100, 12, 15.6),
        Box("5mm", 116.4, 100, 30, 15.6),
        Box("。", 146, 100, 12, 15.6),
    });
    EXPECT_EQ(lines, (Lines{"2mm 至5mm。"}));
}

TEST(GroupTextLines, BoxesAtTheSameHeightInTwoColumnsShareALine) {
    Lines lines = GroupTextLines({
        Box("参数", 72, 262, 24, 15.6),
        Box("输入电压", 72, 292, 48, 15.6),
        Box("数值", 222, 263, 24, 15.6),
        Box("220", 222, 292, 20, 15.6),
    });
    EXPECT_EQ(lines, (Lines{"参数 数值", "输入电压 220"}));
}

TEST(GroupTextLines, SuperscriptJoinsItsLine) {
    Lines lines = GroupTextLines({
        Box("面积为10m", 72, 100, 60, 15.6),
        Box("2", 132, 96, 4, 9),
        Box("下一行", 72, 126, 36, 15.6),
    });
    EXPECT_EQ(lines, (Lines{"面积为10m2", "下一行"}));
}

TEST(GroupTextLines, OversizedFontBoxesOfNeighbouringLinesStayApart) {
    // Boxes 2.85 font sizes tall on a pitch of 1.3 font sizes overlap by more than half;
    // the width of the ideographs gives their true size.
    Lines lines = GroupTextLines({
        Box("第一行文字", 72, 100, 60, 34.2, 12),
        Box("第二行文字", 72, 115.6, 60, 34.2, 12),
        Box("第三行文字", 72, 131.2, 60, 34.2, 12),
    });
    EXPECT_EQ(lines, (Lines{"第一行文字", "第二行文字", "第三行文字"}));
}

TEST(GroupTextLines, NoBoxesGiveNoLines) {
    EXPECT_TRUE(GroupTextLines({}).empty());
    EXPECT_TRUE(GroupTextLines({Box("", 0, 0, 0, 0)}).empty());
}

TEST(FoldLookAlike, MapsLookAlikesToUnifiedIdeographs) {
    struct Case {
        char32_t from;
        char32_t to;
    };
    for (Case c : {Case{0x2F00, 0x4E00},                      // ⼀ Kangxi radical one
                   Case{0x2F64, 0x7528},                      // ⽤
                   Case{0x2FD5, 0x9FA0},                      // last Kangxi radical
                   Case{0x2E9F, 0x6BCD},                      // ⺟ CJK radical supplement
                   Case{0xF900, 0x8C48},                      // 豈 compatibility ideograph
                   Case{0x2F800, 0x4E3D},                     // 丽 supplementary compatibility ideograph
                   Case{0x4E00, 0x4E00},                      // already unified
                   Case{U'A', U'A'}, Case{0xFF0C, 0xFF0C}}) { // full-width comma stays
        EXPECT_EQ(FoldLookAlike(c.from), c.to) << std::hex << static_cast<unsigned>(c.from);
    }
}

} // namespace
} // namespace hexia
