#include "components/office/docx_text_reader.h"

#include "docx_fixture.h"
#include "office_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace hexia::office {
namespace {

namespace fs = std::filesystem;

std::string P(const std::string& inner) {
    return "<w:p>" + inner + "</w:p>";
}
std::string R(const std::string& inner) {
    return "<w:r>" + inner + "</w:r>";
}
std::string T(const std::string& text) {
    return R("<w:t xml:space=\"preserve\">" + text + "</w:t>");
}
const std::string SectionBreakProperties = "<w:pPr><w:sectPr><w:type w:val=\"nextPage\"/></w:sectPr></w:pPr>";
const std::string FinalSection = "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr>";

struct TextCase {
    const char* name;
    std::string body;
    std::string expected;
};

class MainTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MainTextTest, GivesWordsMainText) {
    std::string text;
    ASSERT_TRUE(MainTextFromDocumentXml(testing::DocumentXml(GetParam().body), text));
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Docx, MainTextTest,
    ::testing::Values(
        TextCase{"Paragraphs", P(T("权利要求书")) + P("") + P(T("1. 一种") + T("装置。")) + FinalSection,
                 "权利要求书\r\r1. 一种装置。\r"},
        TextCase{"PageBreakAloneAndInsideParagraph",
                 P(T("A")) + P(R("<w:br w:type=\"page\"/>")) +
                     P(T("B") + R("<w:br w:type=\"page\"/><w:t>C</w:t>")),
                 "A\r\f\rB\fC\r"},
        TextCase{"LayoutHintIsNoBreak", P(T("A") + R("<w:lastRenderedPageBreak/><w:t>B</w:t>")), "AB\r"},
        // The section break replaces the paragraph mark; the body's own
        // section properties describe the last section and add nothing.
        TextCase{"SectionBreaks",
                 "<w:p>" + SectionBreakProperties + T("说明书摘要") + "</w:p>" + "<w:p>" +
                     SectionBreakProperties + "</w:p>" + P(T("摘要附图")) + FinalSection,
                 "说明书摘要\f\f摘要附图\r"},
        TextCase{"TabsAndLineBreaks",
                 P(R("<w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t><w:br w:type=\"textWrapping\"/>"
                     "<w:cr/><w:t>d</w:t><w:br w:type=\"column\"/>")),
                 "a\tb\vc\v\vd\x0e\r"},
        TextCase{"Table",
                 P(T("before")) +
                     "<w:tbl><w:tblPr/><w:tblGrid><w:gridCol/><w:gridCol/></w:tblGrid>"
                     "<w:tr><w:tc><w:tcPr/>" +
                     P(T("A1")) + "</w:tc><w:tc>" + P(T("B1a")) + P(T("B1b")) + "</w:tc></w:tr><w:tr><w:tc>" +
                     P(T("A2")) + "</w:tc><w:tc>" + P("") + "</w:tc></w:tr></w:tbl>" + P(T("after")),
                 "before\rA1\r\aB1a\rB1b\r\a\r\aA2\r\a\r\a\r\aafter\r"},
        TextCase{"ComplexFieldShowsResultOnly",
                 P(T("第") + R("<w:fldChar w:fldCharType=\"begin\"/>") +
                   R("<w:instrText xml:space=\"preserve\"> PAGE </w:instrText>") + R("<w:tab/>") +
                   R("<w:fldChar w:fldCharType=\"separate\"/>") + T("3") +
                   R("<w:fldChar w:fldCharType=\"end\"/>") + T("页")),
                 "第3页\r"},
        TextCase{"NestedFieldAndFieldWithoutResult",
                 P(R("<w:fldChar w:fldCharType=\"begin\"/>") + R("<w:instrText>IF </w:instrText>") +
                   R("<w:fldChar w:fldCharType=\"begin\"/>") + R("<w:instrText>MERGEFIELD x</w:instrText>") +
                   R("<w:fldChar w:fldCharType=\"separate\"/>") + T("inner") +
                   R("<w:fldChar w:fldCharType=\"end\"/>") + R("<w:fldChar w:fldCharType=\"separate\"/>") +
                   T("outer") + R("<w:fldChar w:fldCharType=\"end\"/>") +
                   R("<w:fldChar w:fldCharType=\"begin\"/>") + R("<w:instrText>XE</w:instrText>") +
                   R("<w:fldChar w:fldCharType=\"end\"/>") + T(".")),
                 "outer.\r"},
        TextCase{"FieldResultAcrossParagraphs",
                 P(R("<w:fldChar w:fldCharType=\"begin\"/>") + R("<w:instrText>TOC</w:instrText>") +
                   R("<w:fldChar w:fldCharType=\"separate\"/>") + T("one")) +
                     P(T("two") + R("<w:fldChar w:fldCharType=\"end\"/>")),
                 "one\rtwo\r"},
        TextCase{"SimpleFieldHyperlinkContentControl",
                 P("<w:fldSimple w:instr=\" NUMPAGES \">" + T("9") + "</w:fldSimple>" +
                   "<w:hyperlink r:id=\"rId9\">" + T("link") + "</w:hyperlink>" +
                   "<w:sdt><w:sdtPr><w:alias w:val=\"x\"/></w:sdtPr><w:sdtContent>" + T("ctl") +
                   "</w:sdtContent></w:sdt>") +
                     "<w:sdt><w:sdtPr/><w:sdtContent>" + P(T("block")) + "</w:sdtContent></w:sdt>",
                 "9linkctl\rblock\r"},
        TextCase{"Revisions",
                 P(T("keep") + "<w:ins w:id=\"1\" w:author=\"a\">" + T("+new") + "</w:ins>" +
                   "<w:del w:id=\"2\" w:author=\"a\"><w:r><w:delText>old</w:delText><w:tab/></w:r></w:del>") +
                     "<w:p><w:pPr><w:rPr><w:del w:id=\"3\" w:author=\"a\"/></w:rPr></w:pPr>" + T("joined") +
                     "</w:p>" + P(T("next")),
                 "keep+new\rjoinednext\r"},
        TextCase{
            "OtherStoriesLeftOut",
            P(T("main") + R("<w:footnoteReference w:id=\"1\"/>") +
              R("<w:drawing><wp:inline xmlns:wp=\"x\"><w:txbxContent>" + P(T("box")) +
                "</w:txbxContent></wp:inline></w:drawing>") +
              R("<mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing/></mc:Choice><mc:Fallback>" +
                std::string("<w:pict><w:txbxContent>") + P(T("vml")) +
                "</w:txbxContent></w:pict></mc:Fallback></mc:AlternateContent>") +
              T(".")),
            "main.\r"},
        TextCase{"WhitespaceKept", P(T(" ") + R("<w:t>x</w:t>") + T("  ")), " x  \r"}),
    [](const ::testing::TestParamInfo<TextCase>& caseInfo) { return std::string(caseInfo.param.name); });

TEST(MainTextFromDocumentXml, RejectsBrokenXml) {
    std::string text = "stale";
    EXPECT_FALSE(MainTextFromDocumentXml("<w:document><w:body><w:p>", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(MainTextFromDocumentXml("<w:document/>", text));
}

class DocxFileTest : public ::testing::Test {
protected:
    testing::TempDir dir_;
};

TEST_F(DocxFileTest, ReadsMainPartNamedByThePackage) {
    std::string path = (dir_.Path() / "a.docx").string();
    ASSERT_TRUE(
        testing::WriteDocx(path, P(T("甲")) + P(R("<w:br w:type=\"page\"/>")) + P(T("乙")), "word/main.xml"));
    std::string text;
    EXPECT_EQ(ReadDocxMainText(path, text), OfficeStatus::Ok);
    EXPECT_EQ(text, "甲\r\f\r乙\r");
    EXPECT_TRUE(LooksLikeZipPackage(path));
}

TEST_F(DocxFileTest, MissingOrBrokenFilesAreBadArguments) {
    std::string text;
    EXPECT_EQ(ReadDocxMainText((dir_.Path() / "missing.docx").string(), text), OfficeStatus::BadArgument);

    std::string garbage = (dir_.Path() / "garbage.docx").string();
    std::ofstream(garbage, std::ios::binary) << "not a zip at all";
    EXPECT_EQ(ReadDocxMainText(garbage, text), OfficeStatus::BadArgument);
    EXPECT_FALSE(LooksLikeZipPackage(garbage));

    // A zip whose main part is cut off.
    std::string good = (dir_.Path() / "good.docx").string();
    ASSERT_TRUE(testing::WriteDocx(good, P(T("text"))));
    auto size = fs::file_size(good);
    std::string truncated = (dir_.Path() / "truncated.docx").string();
    fs::copy_file(good, truncated);
    fs::resize_file(truncated, size / 2);
    EXPECT_EQ(ReadDocxMainText(truncated, text), OfficeStatus::BadArgument);
    EXPECT_EQ(text, "");
}

} // namespace
} // namespace hexia::office
