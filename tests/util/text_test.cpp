#include "util/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hexia {
namespace {

using Texts = std::vector<std::string>;

struct SplitCase {
    std::string text;
    std::string separator;
    Texts pieces;
};

TEST(SplitText, PiecesBetweenSeparators) {
    const std::vector<SplitCase> cases = {
        {"a\r\nb\r\n", "\r\n", {"a", "b"}},
        {"a\r\n\r\nb", "\r\n", {"a", "", "b"}},
        {"\r\nb", "\r\n", {"", "b"}},
        {"", "\r\n", {}},
        {"abc", "\r\n", {"abc"}},
        {"\r\n", "\r\n", {""}},
        {"权利要求书\f说明书\f", "\f", {"权利要求书", "说明书"}},
        {"abc", "", {"abc"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitText(c.text, c.separator), c.pieces) << c.text;
}

TEST(SplitText, NeverMatchesInsideACharacter) {
    // "中" is E4 B8 AD and "丽" is E4 B8 BD: a separator made of the last two
    // bytes of one must not be found inside the other.
    const std::string tail = "\xB8\xAD";
    EXPECT_EQ(SplitText("丽中文", tail), Texts{"丽中文"});
    // The same bytes standing on their own (invalid UTF-8) do split.
    EXPECT_EQ(SplitText("a" + tail + "b", tail), (Texts{"a", "b"}));
    // A CJK separator between CJK pieces.
    EXPECT_EQ(SplitText("说明书摘要、摘要附图、说明书", "、"), (Texts{"说明书摘要", "摘要附图", "说明书"}));
}

TEST(LineOfText, NumberedFromOneAndEmptyOutOfRange) {
    const std::string text = "第一行\r\n\r\n第三行\r\n";
    EXPECT_EQ(LineOfText(text, 1), "第一行");
    EXPECT_EQ(LineOfText(text, 2), "");
    EXPECT_EQ(LineOfText(text, 3), "第三行");
    for (int n : {0, -1, 4, 1 << 30})
        EXPECT_EQ(LineOfText(text, n), "") << n;
    EXPECT_EQ(LineOfText("", 1), "");
}

TEST(RemoveDuplicateTexts, KeepsFirstOccurrencesInOrder) {
    Texts texts = {"五书系列", "五书系列", "通知书系列", "", "五书系列", ""};
    EXPECT_EQ(RemoveDuplicateTexts(texts), 3);
    EXPECT_EQ(texts, (Texts{"五书系列", "通知书系列", ""}));

    Texts empty;
    EXPECT_EQ(RemoveDuplicateTexts(empty), 0);
    EXPECT_TRUE(empty.empty());
}

TEST(GbkWidth, OnePerAsciiTwoPerOtherCharacter) {
    EXPECT_EQ(GbkWidth(""), 0u);
    EXPECT_EQ(GbkWidth("abc"), 3u);
    EXPECT_EQ(GbkWidth("权利要求书"), 10u);
    EXPECT_EQ(GbkWidth("第1页"), 5u);
    EXPECT_EQ(GbkWidth("é"), 2u);          // two UTF-8 bytes
    EXPECT_EQ(GbkWidth("\U0001F600"), 2u); // four UTF-8 bytes
}

TEST(FindText, CaseAndCharacterStarts) {
    EXPECT_EQ(FindText("abcABC", "ABC"), 3u);
    EXPECT_EQ(FindText("abcABC", "ABC", 0, false), 0u);
    EXPECT_EQ(FindText("ÀBC", "àbc", 0, false), std::string_view::npos); // only A-Z fold
    EXPECT_EQ(FindText("中文中", "中", 1), 6u);
    EXPECT_EQ(FindText("abc", ""), std::string_view::npos);
    EXPECT_EQ(FindText("ab", "abc"), std::string_view::npos);
}

} // namespace
} // namespace hexia
