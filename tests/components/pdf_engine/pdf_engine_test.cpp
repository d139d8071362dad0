// The built-in engine through the facade, on fixture PDFs made by
// scripts/fixtures/make-pdf-fixtures.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>

#include "components/pdf_component_loading.h"

namespace hexia {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    return std::string(HEXIA_FIXTURE_DIR) + "/pdf/" + name;
}

// The n-th line (1-based) of a page text.
std::string Line(const std::string& text, int n) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        start = text.find("\r\n", start);
        if (start == std::string::npos) {
            return "";
        }
        start += 2;
    }
    return text.substr(start, text.find("\r\n", start) - start);
}

std::string WithoutSpaces(std::string text) {
    std::erase(text, ' ');
    return text;
}

class PdfEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadPdfComponent(pdf);
        ASSERT_TRUE(pdf.component);
        folder = fs::temp_directory_path() /
                 ("hexia-pdf-engine-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<std::string> AllPageTexts(const std::string& path, const std::string& password = "") {
        std::vector<std::string> texts;
        int handle = pdf.DAOpenFileReadOnly(path, password);
        for (int page = 1; page <= pdf.DAGetPageCount(handle); ++page) {
            texts.push_back(pdf.DAExtractPageText(handle, pdf.DAFindPage(handle, page), 7));
        }
        pdf.DACloseFile(handle);
        return texts;
    }

    int PageCount(const std::string& path) {
        int handle = pdf.DAOpenFileReadOnly(path);
        int count = pdf.DAGetPageCount(handle);
        pdf.DACloseFile(handle);
        return count;
    }

    std::vector<std::string> FolderEntries() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    PdfLibrary pdf;
    fs::path folder;
};

TEST_F(PdfEngineTest, PageTextsOfAnApplicationDocument) {
    std::vector<std::string> pages = AllPageTexts(Fixture("application.pdf"));
    ASSERT_EQ(pages.size(), 7u);
    EXPECT_EQ(pages[4],
              "申请号：202610000000.0\r\n说明书\r\n电压转换器\r\n技术领域\r\n"
              "本发明涉及电源技术领域，具体涉及一种电压转换器。\r\n背景技术\r\n"
              "现有的电压转换器在输入电压变化时输出不稳定。\r\n参数 数值 单位\r\n输入电压 220 V\r\n1");
    EXPECT_EQ(pages[1], "摘要附图\r\n图1\r\n1");
    // The letter-spaced heading is one line on both pages of the claims, and
    // a claim runs on over the page break.
    for (int page : {2, 3}) {
        EXPECT_EQ(Line(pages[page], 1), "权 利 要 求 书") << page + 1;
    }
    EXPECT_EQ(Line(pages[2], 2),
              "1. 一种电压转换器，其特征在于，包括壳体(10)、线圈(20)和控制电路(30)，所述控制");
    EXPECT_EQ(Line(pages[2], 4), "2. 根据权利要求 1 所述的电压转换器，其特征在于，所述线圈(20)为平面线圈。");
    EXPECT_EQ(Line(pages[3], 2), "散热片，所述散热片沿所述壳体的长度方向均匀分布，相邻散热片之间的间距为");
    for (const std::string& text : pages) {
        EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
        EXPECT_EQ(text.find('\f'), std::string::npos);
        EXPECT_EQ(text.find("  "), std::string::npos);
        EXPECT_NE(text.back(), '\n');
    }
}

TEST_F(PdfEngineTest, OtherWritingsOfTheSameDocumentGiveTheSameLines) {
    // cairo rewrites the fonts as Identity-H with oversized ascents; the
    // encrypted copy opens with an empty password; a missing startxref is
    // recovered; a rotated page reads along its text.
    std::vector<std::string> expected = AllPageTexts(Fixture("application.pdf"));
    for (const char* name : {"application-cairo.pdf", "encrypted.pdf", "truncated.pdf", "rotated.pdf"}) {
        std::vector<std::string> pages = AllPageTexts(Fixture(name));
        ASSERT_EQ(pages.size(), expected.size()) << name;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(WithoutSpaces(pages[i]), WithoutSpaces(expected[i])) << name << " page " << i + 1;
        }
    }
    EXPECT_EQ(AllPageTexts(Fixture("password.pdf"), "secret"), expected);
}

TEST_F(PdfEngineTest, LookAlikeIdeographsReadAsTyped) {
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("glyphs.pdf"), 1, 0),
              "说明书\r\n一种用于转换的方法\r\n豈丽\r\n1");
}

TEST_F(PdfEngineTest, FirstPageTextByFileName) {
    std::vector<std::string> pages = AllPageTexts(Fixture("application.pdf"));
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("application.pdf"), 1, 0), pages[0]);
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("application.pdf"), "", 3, 0), pages[2]);
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("application.pdf"), 8, 0), "");
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("application.pdf"), 0, 0), "");
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("password.pdf"), 1, 0), "");
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("damaged.pdf"), 1, 0), "");
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("missing.pdf"), 1, 0), "");
}

TEST_F(PdfEngineTest, HandlesAndPageReferences) {
    for (const char* name : {"missing.pdf", "damaged.pdf", "password.pdf"}) {
        EXPECT_EQ(pdf.DAOpenFileReadOnly(Fixture(name)), 0) << name;
    }
    EXPECT_EQ(pdf.DAOpenFileReadOnly(Fixture("password.pdf"), "wrong"), 0);

    int first = pdf.DAOpenFileReadOnly(Fixture("application.pdf"));
    int second = pdf.DAOpenFileReadOnly(Fixture("glyphs.pdf"));
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(pdf.DAGetPageCount(first), 7);
    EXPECT_EQ(pdf.DAGetPageCount(second), 1);
    EXPECT_NE(pdf.DAFindPage(first, 7), 0);
    for (int page : {0, -1, 8}) {
        EXPECT_EQ(pdf.DAFindPage(first, page), 0) << page;
    }
    EXPECT_EQ(pdf.DAExtractPageText(first, 8, 7), "");

    pdf.DACloseFile(first);
    EXPECT_EQ(pdf.DAGetPageCount(first), 0);
    EXPECT_EQ(pdf.DAFindPage(first, 1), 0);
    EXPECT_EQ(pdf.DAExtractPageText(first, 1, 7), "");
    EXPECT_EQ(pdf.DAGetPageCount(second), 1); // the other file stays open
    pdf.DACloseFile(first);                   // closing twice or an unknown handle is harmless
    pdf.DACloseFile(12345);
    pdf.DACloseFile(second);
}

TEST_F(PdfEngineTest, ExtractFilePagesWritesEachBook) {
    std::vector<std::string> source = AllPageTexts(Fixture("application.pdf"));
    struct Book {
        const char* range;
        int firstPage;
        int pages;
    };
    for (Book book : {Book{"1-1", 1, 1}, Book{"3-4", 3, 2}, Book{"5-6", 5, 2}, Book{"1-7", 1, 7}}) {
        std::string output = (folder / (std::string(book.range) + ".pdf")).string();
        ASSERT_EQ(pdf.ExtractFilePages(Fixture("application.pdf"), "", output, book.range, 0), 1)
            << book.range;
        EXPECT_EQ(PageCount(output), book.pages) << book.range;
        EXPECT_EQ(pdf.ExtractFilePageText(output, 1, 0),
                  source[static_cast<std::size_t>(book.firstPage - 1)]);
    }
    // Runs joined by "," in their given order; options choose the extended call with the same result.
    std::string joined = (folder / "joined.pdf").string();
    EXPECT_EQ(pdf.ExtractFilePages(Fixture("application.pdf"), "", joined, "7-7,1-2", 1), 1);
    EXPECT_EQ(PageCount(joined), 3);
    EXPECT_EQ(pdf.ExtractFilePageText(joined, 1, 0), source[6]);
    EXPECT_EQ(FolderEntries().size(), 5u); // no temporary files left
}

TEST_F(PdfEngineTest, ExtractFilePagesReplacesAnExistingFile) {
    std::string output = (folder / "book.pdf").string();
    std::ofstream(output) << "old content";
    ASSERT_EQ(pdf.ExtractFilePages(Fixture("application.pdf"), "", output, "3-4"), 1);
    EXPECT_EQ(PageCount(output), 2);
}

TEST_F(PdfEngineTest, ExtractFilePagesFromProtectedOrDamagedInputsIsUnencrypted) {
    for (const char* name : {"encrypted.pdf", "password.pdf", "truncated.pdf", "application-cairo.pdf"}) {
        std::string output = (folder / name).string();
        std::string password = std::string(name) == "password.pdf" ? "secret" : "";
        ASSERT_EQ(pdf.ExtractFilePages(Fixture(name), password, output, "3-4"), 1) << name;
        QPDF written;
        written.processFile(output.c_str());
        EXPECT_FALSE(written.isEncrypted()) << name;
        EXPECT_EQ(PageCount(output), 2) << name;
    }
}

TEST_F(PdfEngineTest, ExtractFilePagesFailuresWriteNothing) {
    std::string output = (folder / "book.pdf").string();
    struct Case {
        std::string input;
        std::string password;
        std::string output;
        std::string range;
    };
    std::string application = Fixture("application.pdf");
    for (const Case& c :
         {Case{application, "", output, ""}, Case{application, "", output, "0-1"},
          Case{application, "", output, "3-2"}, Case{application, "", output, "7-8"},
          Case{application, "", output, "x"}, Case{Fixture("missing.pdf"), "", output, "1-1"},
          Case{Fixture("damaged.pdf"), "", output, "1-1"}, Case{Fixture("password.pdf"), "", output, "1-1"},
          Case{Fixture("password.pdf"), "wrong", output, "1-1"},
          Case{application, "", (folder / "no-such-folder" / "book.pdf").string(), "1-1"},
          Case{application, "", folder.string(), "1-1"}, Case{application, "", "", "1-1"}}) {
        EXPECT_EQ(pdf.ExtractFilePages(c.input, c.password, c.output, c.range), 0)
            << c.input << " " << c.output << " " << c.range;
    }
    EXPECT_TRUE(FolderEntries().empty());
}

} // namespace
} // namespace hexia
