#include "components/regex_object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hexia {
namespace {

TEST(RegexObject, EmptyUntilCreated) {
    RegexObject regex;
    EXPECT_EQ(regex.GetPattern(), "");
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.MatchText(1), "");
    EXPECT_EQ(regex.SubMatchCount(), 0);
    EXPECT_EQ(regex.Replace("x"), "");
}

TEST(RegexObject, DefaultsIgnoreCaseMultilineAndGlobal) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create("^ab", "AB1\r\nab2\nAb3"));
    EXPECT_EQ(regex.GetPattern(), "^ab");
    EXPECT_EQ(regex.MatchCount(), 3);
    EXPECT_EQ(regex.Replace("-"), "-1\r\n-2\n-3");

    ASSERT_TRUE(regex.Create("^ab", "AB1\r\nab2", true, true, true));
    EXPECT_EQ(regex.Replace("-"), "AB1\r\n-2");
    ASSERT_TRUE(regex.Create("^ab", "ab1\r\nab2", false, false, true));
    EXPECT_EQ(regex.Replace("-"), "-1\r\nab2");
    ASSERT_TRUE(regex.Create("ab", "ab ab", false, true, false));
    EXPECT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.Replace("-"), "- ab");
}

TEST(RegexObject, NoMatchIsStillACollection) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create("x", "权利要求书"));
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.Replace("y"), "权利要求书");
}

TEST(RegexObject, BadPatternFailsAndLeavesNothing) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create("a", "a"));
    for (const std::string pattern : {"(", "[a-", "a{2,1}", "\xE4\xB8"}) {
        EXPECT_FALSE(regex.Create(pattern, "a(")) << pattern;
        EXPECT_EQ(regex.MatchCount(), 0);
        EXPECT_EQ(regex.Replace("x"), "");
    }
}

TEST(RegexObject, InvalidUtf8SubjectIsSearchedSafely) {
    RegexObject regex;
    // A stray byte, a cut-off character and an overlong lead byte.
    const std::string subject = "a\xFF\xE4\xB8"
                                "b\xC0"
                                "a";
    ASSERT_TRUE(regex.Create("a|b", subject));
    EXPECT_EQ(regex.MatchCount(), 3);
    EXPECT_EQ(regex.Replace("-"), "-\xFF\xE4\xB8-\xC0-");
    ASSERT_TRUE(regex.Create("x*", subject));
    // The cut-off character counts as one unit: no empty match inside it.
    EXPECT_EQ(regex.Replace("."), ".a.\xFF.\xE4\xB8.b.\xC0.a.");
}

TEST(RegexObject, QuotePlaceholder) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create("#引号(.*?)#引号", "称为\"专利\"的", false, true, true, true));
    EXPECT_EQ(regex.GetPattern(), "\"(.*?)\"");
    EXPECT_EQ(regex.SubMatchText(1, 1), "专利");
    ASSERT_TRUE(regex.Create("#引号", "#引号", false, true, true, false));
    EXPECT_EQ(regex.MatchCount(), 1);
}

TEST(RegexObject, WhiteSpaceClassIsTheSixAsciiCharacters) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create("\\s", " \t\n\r\v\f"));
    EXPECT_EQ(regex.MatchCount(), 6);
    // No-break space, ideographic space, next line, line separator, and the
    // text after each: none of them is white space here.
    ASSERT_TRUE(regex.Create("\\s", "\u00A0\u3000\u0085\u2028x"));
    EXPECT_EQ(regex.MatchCount(), 0);
}

TEST(RegexObject, MatchesAndSubMatchesWithBytePositions) {
    RegexObject regex;
    const std::string subject = "权利要求1。权利要求22。";
    ASSERT_TRUE(regex.Create("要求(\\d+)(x)?", subject));
    EXPECT_EQ(regex.MatchCount(), 2);
    EXPECT_EQ(regex.SubMatchCount(), 2);

    std::size_t position = 0;
    EXPECT_EQ(regex.MatchText(1, &position), "要求1");
    EXPECT_EQ(position, 6u);
    EXPECT_EQ(regex.MatchText(2, &position), "要求22");
    EXPECT_EQ(position, subject.find("要求22"));
    EXPECT_EQ(regex.SubMatchText(2, 1, &position), "22");
    EXPECT_EQ(position, subject.find("22"));

    // Unset groups and numbers out of range give "" and no position.
    for (const auto& [match, sub] :
         std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {1, 0}, {0, 1}, {3, 1}, {-1, -1}}) {
        position = 0;
        EXPECT_EQ(regex.SubMatchText(match, sub, &position), "") << match << "," << sub;
        EXPECT_EQ(position, std::string::npos);
    }
    EXPECT_EQ(regex.MatchText(0), "");
    EXPECT_EQ(regex.MatchText(3), "");
}

TEST(RegexObject, ReplacementTemplates) {
    struct Case {
        std::string pattern, subject, replacement, expected;
    };
    const std::vector<Case> cases = {
        {"(\\S+)(\\s+)(\\S+)", "说明书 摘要", "$3$2$1", "摘要 说明书"},
        {"b", "abc", "[$&]", "a[b]c"},
        {"b", "abc", "[$`|$']", "a[a|c]c"},
        {"b", "abc", "$$", "a$c"},
        {"b", "abc", "$", "a$c"},
        {"b", "abc", "$x$0$1", "a$x$0$1c"}, // no such group: kept as written
        {"(b)", "abc", "$12", "ab2c"},      // group 1, then "2"
        {"(b)(x)?", "abc", "[$2]", "a[]c"}, // unset group: nothing
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", "abcdefghijkl", "$12$10", "lj"},
        {"x*", "ab", "-", "-a-b-"},
        {"要", "权利要求", "", "权利求"},
    };
    for (const Case& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.Create(c.pattern, c.subject)) << c.pattern;
        EXPECT_EQ(regex.Replace(c.replacement), c.expected) << c.pattern << " / " << c.replacement;
    }
}

TEST(RegexObject, CaseFoldingCoversLettersBeyondAscii) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create("é", "É"));
    EXPECT_EQ(regex.MatchCount(), 1);
    ASSERT_TRUE(regex.Create("é", "É", true));
    EXPECT_EQ(regex.MatchCount(), 0);
}

} // namespace
} // namespace hexia
