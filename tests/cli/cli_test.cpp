#include "cli/split_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "components/pdf_component_loading.h"
#include "fakes/recording_ports.h"

namespace hexia {
namespace {

namespace fs = std::filesystem;

const std::string Fixtures = std::string(HEXIA_FIXTURE_DIR) + "/split/";

// Runs hexia-split in-process on the real PDF engine and office suite, with
// a clock that gives 1000 ms at the drop and 4250 ms at the end.
class SplitCommand : public testing::Test {
protected:
    std::string root;
    fakes::FakeClock clock{1000, 4250};
    SplitCommandEnvironment environment;
    std::ostringstream out, err;

    void SetUp() override {
        root = fs::temp_directory_path() / ("hexia-cli-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root + "/a");
        fs::create_directories(root + "/b");
        environment.programDirectory = root + "/program";
        environment.clock = &clock;
    }
    void TearDown() override { fs::remove_all(root); }

    int Run(const std::vector<std::string>& args) { return RunSplitCommand(args, out, err, environment); }

    std::string Place(const std::string& fixture, const std::string& folder) {
        const std::string path = root + "/" + folder + "/" + fixture;
        fs::copy_file(Fixtures + fixture, path);
        return path;
    }

    static int PageCount(const std::string& path) {
        PdfLibrary pdf;
        LoadPdfComponent(pdf);
        const int handle = pdf.DAOpenFileReadOnly(path, "");
        const int count = pdf.DAGetPageCount(handle);
        pdf.DACloseFile(handle);
        return count;
    }

    // Entries of the temp folder other than its lock file.
    std::vector<std::string> TempLeft() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(root + "/program/temp"))
            if (entry.path().filename() != ".lock")
                names.push_back(entry.path().filename().string());
        return names;
    }
};

const std::string OfficeLines = "禾匣尝试调用本地office环境！\n√√√√调用本地office环境成功！\n";

TEST_F(SplitCommand, SplitsAWordDocumentAndAPdfBesideTheFirstFile) {
    const std::string docx = Place("申请草稿.docx", "a");
    const std::string pdf = Place("申请定稿.pdf", "b");

    EXPECT_EQ(Run({docx, pdf}), ExitSuccess);

    // The cover belongs to no book; the claims are counted on all their pages.
    EXPECT_EQ(out.str(), OfficeLines + "\n--------当前处理第1/2项：申请草稿.docx" + std::string(52, '-') +
                             "\n"
                             "\n说明书主题：一种AC/DC转换器   权项数：12\n"
                             "\n√√√√PDF化后共6页\n\n"
                             "100001 权利要求书  页码范围：2-4，共3页\n"
                             "100002 说明书      页码范围：5-5，共1页\n"
                             "100004 说明书摘要  页码范围：6-6，共1页\n"
                             "\n--------当前处理第2/2项：申请定稿.pdf" +
                             std::string(53, '-') +
                             "\n"
                             "\n说明书主题：一种AC/DC转换器   权项数：12\n"
                             "\n√√√√PDF化后共5页\n\n"
                             "100001 权利要求书  页码范围：1-3，共3页\n"
                             "100002 说明书      页码范围：4-4，共1页\n"
                             "100004 说明书摘要  页码范围：5-5，共1页\n"
                             "\n\n处理结束，共用时3.25秒！\n");
    EXPECT_EQ(err.str(), "");

    const std::pair<std::string, int> books[] = {
        {"/a/申请草稿/100001(权项数12)权利要求书_一种AC／DC转换器.pdf", 3},
        {"/a/申请草稿/100002说明书_一种AC／DC转换器.pdf", 1},
        {"/a/申请草稿/100004说明书摘要_一种AC／DC转换器.pdf", 1},
        {"/a/申请定稿/100001(权项数12)权利要求书_一种AC／DC转换器.pdf", 3},
        {"/a/申请定稿/100002说明书_一种AC／DC转换器.pdf", 1},
        {"/a/申请定稿/100004说明书摘要_一种AC／DC转换器.pdf", 1},
    };
    for (const auto& [book, pages] : books)
        EXPECT_EQ(PageCount(root + book), pages) << book;
    EXPECT_EQ(std::distance(fs::directory_iterator(root + "/a/申请草稿"), fs::directory_iterator()), 3);
    EXPECT_TRUE(TempLeft().empty());
}

TEST_F(SplitCommand, RefusedBatchWritesOnlyTheBoxToStandardError) {
    const std::string pdf = Place("申请定稿.pdf", "a");
    std::ofstream(root + "/a/notes.txt") << "x";

    EXPECT_EQ(Run({pdf, root + "/a/notes.txt"}), ExitRefused);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "文件类型错误！\n"
              "禾匣五书拆分工具只能处理一堆DOC、DOCX、PDF文件，如果混杂有其他类型文件，您将看到该提示！\n");
    EXPECT_FALSE(fs::exists(root + "/program/temp"));
}

TEST_F(SplitCommand, WithoutOfficeTheBatchFails) {
    environment.wordFactory = [] { return std::shared_ptr<office::Application>(); };
    EXPECT_EQ(Run({Place("申请定稿.pdf", "a")}), ExitFailure);
    EXPECT_EQ(out.str(),
              "禾匣尝试调用本地office环境！\n××××调用本地office环境失败！\n可能是office未正确安装。\n"
              "\n\n处理结束，共用时3.25秒！\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(SplitCommand, BookThatCannotBeWrittenFailsTheBatch) {
    const std::string pdf = Place("申请定稿.pdf", "a");
    // A file stands where the document's folder would be made.
    std::ofstream(root + "/a/申请定稿") << "x";

    EXPECT_EQ(Run({pdf}), ExitFailure);
    EXPECT_TRUE(out.str().ends_with("100001 权利要求书  导出失败！！！！\n"
                                    "100002 说明书      导出失败！！！！\n"
                                    "100004 说明书摘要  导出失败！！！！\n"
                                    "\n\n处理结束，共用时3.25秒！\n"))
        << out.str();
}

TEST_F(SplitCommand, UsageErrors) {
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string out, err;
    } cases[] = {
        {{}, ExitUsage, "", "hexia-split: no file given\nUsage: hexia-split FILE...\n"},
        {{"--"}, ExitUsage, "", "hexia-split: no file given\nUsage: hexia-split FILE...\n"},
        {{"a.pdf", "--fast"},
         ExitUsage,
         "",
         "hexia-split: unknown option --fast\nUsage: hexia-split FILE...\n"},
        {{"-x"}, ExitUsage, "", "hexia-split: unknown option -x\nUsage: hexia-split FILE...\n"},
        {{"--version"}, ExitSuccess, "hexia-split 1.1.0\n", ""},
    };
    for (const Case& c : cases) {
        out.str("");
        err.str("");
        EXPECT_EQ(Run(c.args), c.code) << testing::PrintToString(c.args);
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
    out.str("");
    EXPECT_EQ(Run({"--help"}), ExitSuccess);
    EXPECT_TRUE(out.str().starts_with("Usage: hexia-split FILE...\n"));
    EXPECT_NE(out.str().find("--version"), std::string::npos);
}

TEST_F(SplitCommand, OptionsEndAtDoubleDash) {
    // "-x.pdf" is a file after "--": the batch runs and finds no page in it.
    environment.wordFactory = [] { return std::shared_ptr<office::Application>(); };
    const std::string odd = root + "/a/-x.docx";
    EXPECT_EQ(Run({"--", odd}), ExitFailure);
    EXPECT_NE(out.str().find("××××调用本地office环境失败！"), std::string::npos);
}

// The program itself: arguments, streams and exit code reach the shell.
TEST(SplitProgram, ReportsThroughItsExitCode) {
    const std::string program = HEXIA_SPLIT_PROGRAM;
    const std::string outFile = fs::temp_directory_path() / ("hexia-cli-out-" + std::to_string(getpid()));
    auto run = [&](const std::string& args) {
        const int status = std::system((program + " " + args + " >" + outFile + " 2>&1").c_str());
        std::ifstream in(outFile);
        std::stringstream text;
        text << in.rdbuf();
        return std::make_pair(WEXITSTATUS(status), text.str());
    };
    EXPECT_EQ(run("--version"), std::make_pair(0, std::string("hexia-split 1.1.0\n")));
    EXPECT_EQ(run(""),
              std::make_pair(64, std::string("hexia-split: no file given\nUsage: hexia-split FILE...\n")));
    EXPECT_EQ(run("/nonexistent/readme.txt").first, 2);
    fs::remove(outFile);
}

} // namespace
} // namespace hexia
