#include "split/page_analysis.h"

#include <gtest/gtest.h>

#include "split/page_ranges.h"

namespace hexia {
namespace {

// Pages as the PDF component gives them, cleaned as the splitter cleans them.
PageAnalysis Analyse(const std::vector<std::string>& rawPages) {
    std::vector<std::string> pages;
    for (const std::string& raw : rawPages)
        pages.push_back(CleanPageText(raw));
    return AnalysePages(pages);
}

// "权利要求书 1-3; 说明书 4-8" for the books found, in order of appearance.
std::string Books(const PageAnalysis& analysis) {
    std::string text;
    for (const BookPages& row : analysis.books) {
        if (!text.empty())
            text += "; ";
        text += row.bookName + " " + PageRangeList(row.pages);
    }
    return text;
}

struct AnalysisCase {
    const char* name;
    std::vector<std::string> pages;
    std::string books;
    std::string title;
    int claimsRow;
};

class AnalysisTable : public testing::TestWithParam<AnalysisCase> {};

TEST_P(AnalysisTable, AttributesPagesAndFindsTitle) {
    const AnalysisCase& c = GetParam();
    const PageAnalysis analysis = Analyse(c.pages);
    EXPECT_EQ(Books(analysis), c.books);
    EXPECT_EQ(analysis.inventionTitle, c.title);
    EXPECT_EQ(analysis.claimsRow, c.claimsRow);
}

const std::string Claims = "权利要求书\r\n1.一种装置，包括A。\r\n2.根据权利要求1所述的装置，还包括B。\r\n1";
const std::string More = "3.根据权利要求2所述的装置，其特征在于C。\r\n2";
const std::string Description = "说明书\r\n一种装置\r\n技术领域\r\n本发明涉及装置。\r\n1";
const std::string Drawings = "说明书附图\r\n图1\r\n1";
const std::string Abstract = "说明书摘要\r\n本发明公开了一种装置。\r\n1";
const std::string AbstractDrawing = "摘要附图\r\n图1\r\n1";

INSTANTIATE_TEST_SUITE_P(
    Documents, AnalysisTable,
    testing::Values(
        AnalysisCase{"BooksInCodeOrder",
                     {Claims, More, More, Description, "背景技术\r\n……", "x", "y", "z", Drawings, "图2",
                      Abstract, AbstractDrawing},
                     "权利要求书 1-3; 说明书 4-8; 说明书附图 9-10; 说明书摘要 11-11; 摘要附图 12-12",
                     "一种装置",
                     1},
        AnalysisCase{"FilingOrderAbstractFirst",
                     {Abstract, AbstractDrawing, Claims, Description, Drawings},
                     "说明书摘要 1-1; 摘要附图 2-2; 权利要求书 3-3; 说明书 4-4; 说明书附图 5-5",
                     "一种装置",
                     3},
        AnalysisCase{"DescriptionBeforeClaims",
                     {Description, "续页", Claims},
                     "说明书 1-2; 权利要求书 3-3",
                     "一种装置",
                     2},
        AnalysisCase{"MissingDrawings",
                     {Claims, Description, Abstract},
                     "权利要求书 1-1; 说明书 2-2; 说明书摘要 3-3",
                     "一种装置",
                     1},
        AnalysisCase{
            "CoverPageBelongsToNoBook",
            {"申请号：202610000001.X\r\n发明名称：一种装置\r\n申请人：某公司", Claims, More, Description},
            "权利要求书 2-3; 说明书 4-4",
            "一种装置",
            1},
        AnalysisCase{"RecurringHeadingGivesTwoRuns",
                     {Claims, Description, Claims, More},
                     "权利要求书 1-1,3-4; 说明书 2-2",
                     "一种装置",
                     1},
        AnalysisCase{"HeadingOnLines1To3NotOn4",
                     {"CN202610000001.X\r\n权利要求书\r\n1.一种装置。", "a\r\nb\r\n说明书\r\n一种装置",
                      "a\r\nb\r\nc\r\n说明书附图"},
                     "权利要求书 1-1; 说明书 2-3",
                     "一种装置",
                     1},
        AnalysisCase{"LetterSpacedHeadings",
                     {"权 利 要 求 书\r\n1.一种装置。", "说  明  书\r\n一种 装置"},
                     "权利要求书 1-1; 说明书 2-2",
                     "一种装置",
                     1},
        AnalysisCase{
            "FullWidthSpacedOrAnnotatedHeadingIsNoHeading",
            {"权　利　要　求　书\r\n1.一种装置。", "权利要求书 第1页\r\n", "说明书（修改稿）\r\n一种装置"},
            "",
            "",
            0},
        AnalysisCase{"BlankLinesDoNotCount",
                     {"\r\n\r\n   \r\n说明书\r\n\r\n一种装置\r\n"},
                     "说明书 1-1",
                     "一种装置",
                     0},
        AnalysisCase{"TitleFollowsHeadingUnderHeaderLine",
                     {"CN202610000001.X\r\n说明书\r\n一种温控装置\r\n技术领域"},
                     "说明书 1-1",
                     "一种温控装置",
                     0},
        AnalysisCase{"TitleMissingWhenSectionHeadingFollows",
                     {"说明书\r\n技术领域\r\n本发明……"},
                     "说明书 1-1",
                     "未识别到说明书主题",
                     0},
        AnalysisCase{"SectionHeadingWithMoreIsTitle",
                     {"说明书\r\n技术领域本发明涉及装置"},
                     "说明书 1-1",
                     "技术领域本发明涉及装置",
                     0},
        AnalysisCase{"OnlyFirstDescriptionPageSetsTitle",
                     {"说明书\r\n技术领域", "说明书\r\n另一个标题"},
                     "说明书 1-2",
                     "未识别到说明书主题",
                     0},
        AnalysisCase{"OneLineDescriptionPageLeavesTitleToNext",
                     {"说明书", "说明书\r\n一种装置"},
                     "说明书 1-2",
                     "一种装置",
                     0},
        AnalysisCase{"NoHeadingAnywhere", {"甲", "乙"}, "", "", 0}),
    [](const testing::TestParamInfo<AnalysisCase>& param) { return std::string(param.param.name); });

TEST(PageAnalysis, ClaimsTextIncludesContinuationPages) {
    // Only the first claims page carries the heading; the count must still see
    // the claims on the pages that follow.
    const PageAnalysis analysis = Analyse({Claims, More, "4.根据权利要求3所述的装置。\r\n3", Description});
    EXPECT_EQ(CountClaims(analysis, {}), "4");
    EXPECT_EQ(analysis.claimsText.find("说明书"), std::string::npos);
}

TEST(PageAnalysis, ClaimCountFromWordSections) {
    const PageAnalysis descriptionFirst = Analyse({Description, Claims});
    ASSERT_EQ(descriptionFirst.claimsRow, 2);
    struct Case {
        std::vector<std::string> sections;
        std::string count;
    } cases[] = {
        {{"说明书\r一种装置。技术领域。\r", "权利要求书\r1.甲。\r2.乙。\r3.丙。\r"}, "3"},
        // Fewer sections than the claims row: the PDF's claims text counts.
        {{"说明书\r一种装置。。。。。\r"}, "2"},
        {{}, "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountClaims(descriptionFirst, c.sections), c.count);

    // Without page breaks the whole text is one section.
    EXPECT_EQ(CountClaims(Analyse({Claims}), {"权利要求书\r1.甲。\r2.乙。\r说明书\r一种装置。\r"}), "3");
    EXPECT_EQ(CountClaims(Analyse({Description}), {"说明书。"}), "未获取");

    // A cover page is a section of its own in Word: the sections no longer
    // line up with the books, so the claims are counted in the PDF's text.
    const PageAnalysis withCover = Analyse({"封面", Claims, More});
    EXPECT_EQ(CountClaims(withCover, {"申请人：某公司。\r", "权利要求书\r1.甲。\r2.乙。\r3.丙。\r"}), "3");
}

} // namespace
} // namespace hexia
