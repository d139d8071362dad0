#include "split/normalise.h"

#include "components/regex_object.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace hexia {
namespace {

struct NormaliseCase {
    const char* what;
    std::string text;
    std::string expected;
};

TEST(NormaliseDocumentText, RemovesBlankLinesAndTrimsOneBreakEachEnd) {
    const std::vector<NormaliseCase> cases = {
        {"blank lines", "权利要求书\r\n\r\n\r\n1. 一种装置\r\n\r\n2. 根据",
         "权利要求书\r\n1. 一种装置\r\n2. 根据"},
        {"white-space lines", "a\r\n  \t \r\n\v\f\r\nb", "a\r\nb"},
        {"leading breaks", "\r\n\r\n说明书\r\n正文", "说明书\r\n正文"},
        {"trailing breaks", "说明书\r\n正文\r\n\r\n\r\n", "说明书\r\n正文"},
        {"one trailing break", "说明书\r\n", "说明书"},
        {"spaces inside and at the ends kept", "  标题  \r\n  正文 ", "  标题  \r\n  正文 "},
        {"only one break trimmed at the start", "\r\n\r\nx", "x"},
        {"reversed line end joins", "上\n\r下", "上下"},
        {"LF only unchanged", "a\n\n\nb\n", "a\n\n\nb\n"},
        {"empty", "", ""},
        {"a break only", "\r\n", ""},
        {"two breaks only", "\r\n\r\n", ""},
        {"CR only lines untouched", "a\r\rb", "a\r\rb"},
        {"form feed kept at the end", "正文\r\n\f", "正文\r\n\f"},
        {"ideographic space is not white space", "a\r\n\u3000\r\nb", "a\r\n\u3000\r\nb"},
    };
    for (const NormaliseCase& c : cases)
        EXPECT_EQ(NormaliseDocumentText(c.text), c.expected) << c.what;
}

// The clean-up as first written: "\n\s*\r" deleted everywhere, then one
// "\r\n" trimmed from each end.
std::string PlainNormalise(const std::string& text) {
    RegexObject regex;
    EXPECT_TRUE(regex.Create("\\n\\s*\\r", text));
    std::string r = regex.Replace("");
    if (r.starts_with("\r\n"))
        r.erase(0, 2);
    if (r.ends_with("\r\n"))
        r.erase(r.size() - 2);
    return r;
}

// Every text of up to `length` characters from `alphabet`.
void ForEachText(const std::vector<std::string>& alphabet, std::size_t length,
                 const std::function<void(const std::string&)>& check) {
    std::vector<std::size_t> digits;
    for (std::size_t n = 0; n <= length; ++n) {
        digits.assign(n, 0);
        while (true) {
            std::string text;
            for (std::size_t d : digits)
                text += alphabet[d];
            check(text);
            std::size_t i = 0;
            while (i < n && ++digits[i] == alphabet.size())
                digits[i++] = 0;
            if (i == n)
                break;
        }
    }
}

TEST(NormaliseDocumentText, SameResultAsThePlainExpression) {
    std::size_t mismatches = 0;
    const auto check = [&](const std::string& text) {
        if (NormaliseDocumentText(text) != PlainNormalise(text) && ++mismatches <= 5)
            ADD_FAILURE() << "differs for '" << text << "'";
    };
    ForEachText({"\r", "\n", " ", "\t", "\v", "中"}, 5, check);
    ForEachText({"\r", "\n", " ", "a"}, 7, check);
    EXPECT_EQ(mismatches, 0u);
}

TEST(NormaliseDocumentText, LongWhiteSpaceRunsDoNotLoseTheText) {
    // Long runs of white space must neither lose the page text nor stop the
    // clean-up: a run without a carriage return is left as it is.
    const std::string text = "说明书\r\n" + std::string(200000, '\n') + "正文\r\n末行";
    EXPECT_EQ(NormaliseDocumentText(text), text);
    std::string blank = "说明书";
    for (int i = 0; i < 50000; ++i)
        blank += "\r\n \t";
    EXPECT_EQ(NormaliseDocumentText(blank + "\r\n正文"), "说明书\r\n正文");
}

TEST(CountOccurrences, NonOverlappingAndCaseOfAsciiLetters) {
    struct Case {
        std::string text, needle;
        bool caseSensitive;
        int expected;
    };
    const std::vector<Case> cases = {
        {"1. 一种装置。2. 根据权利要求1所述。3. 方法。", "。", false, 3},
        {"", "。", false, 0},
        {"abc", "", false, 0},
        {"aaaa", "aa", false, 2},
        {"aaaaa", "aa", false, 2},
        {"Claim claim CLAIM", "claim", false, 3},
        {"Claim claim CLAIM", "claim", true, 1},
        {"ÉCLAT éclat", "éclat", false, 1}, // only A-Z fold
        {"丽中", "\xB8\xAD", false, 0},     // never inside a character
        {"权权权", "权权", false, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountOccurrences(c.text, c.needle, c.caseSensitive), c.expected)
            << c.text << " / " << c.needle;
}

} // namespace
} // namespace hexia
