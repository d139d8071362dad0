#include "batch/run_five_book_batch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fakes/fake_office.h"
#include "fakes/fake_pdf_component.h"
#include "fakes/recording_ports.h"

namespace hexia {
namespace {

namespace fs = std::filesystem;

class Batch : public testing::Test {
protected:
    std::shared_ptr<fakes::FakePdfComponent> pdf = std::make_shared<fakes::FakePdfComponent>();
    fakes::FakeOffice office{pdf};
    fakes::RecordingLog log;
    fakes::FakeClock clock{1000, 4250};
    AppContext context;
    std::string root;

    void SetUp() override {
        root = fs::temp_directory_path() / ("hexia-batch-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root + "/in");
        context.ProgramDirectory = root + "/program";
        context.SharedPdfLibrary.component = pdf;
        context.progressLog = &log;
        context.clock = &clock;
        context.wordFactory = office.Factory();
        log.text = "left from the last batch";
    }
    void TearDown() override { fs::remove_all(root); }
};

const std::vector<std::string> TwoBooks = {"权利要求书\r\n1.一种装置。", "说明书\r\n一种装置"};

TEST_F(Batch, EachFileGetsItsHeaderAndItsPositionInTheTempFolder) {
    const std::string in = root + "/in/";
    pdf->files[in + "甲.pdf"] = TwoBooks;
    office.documents[in + "乙.doc"] = {TwoBooks,
                                       "权利要求书\r1.一种装置。\r2.一种装置。\r\f说明书\r一种装置\r"};
    office.documents[in + "丙.docx"] = {TwoBooks, ""};
    const std::string temp = root + "/batch/";

    const BatchOutcome outcome =
        RunFiveBookBatch(context, {in + "甲.pdf", in + "乙.doc", in + "丙.docx"}, temp, root + "/out/");

    const std::string books = "100001 权利要求书  页码范围：1-1，共1页\r\n"
                              "100002 说明书      页码范围：2-2，共1页\r\n";
    EXPECT_EQ(log.text, "禾匣尝试调用本地office环境！\r\n"
                        "√√√√调用本地office环境成功！\r\n"
                        "\r\n--------当前处理第1/3项：甲.pdf" +
                            std::string(59, '-') +
                            "\r\n"
                            "\r\n说明书主题：一种装置   权项数：1\r\n\r\n√√√√PDF化后共2页\r\n\r\n" +
                            books + "\r\n--------当前处理第2/3项：乙.doc" + std::string(59, '-') +
                            "\r\n"
                            "\r\n说明书主题：一种装置   权项数：2\r\n\r\n√√√√PDF化后共2页\r\n\r\n" +
                            books + "\r\n--------当前处理第3/3项：丙.docx" + std::string(58, '-') +
                            "\r\n"
                            "\r\n说明书主题：一种装置   权项数：1\r\n\r\n√√√√PDF化后共2页\r\n\r\n" +
                            books);
    EXPECT_EQ(office.calls,
              (std::vector<std::string>{"Visible false", "Documents", "Open " + in + "乙.doc hidden",
                                        "Export " + in + "乙.doc -> " + temp + "2.pdf 17",
                                        "Range " + in + "乙.doc", "Open " + in + "丙.docx hidden",
                                        "Export " + in + "丙.docx -> " + temp + "3.pdf 17",
                                        "Range " + in + "丙.docx", "Close", "Quit"}));
    EXPECT_EQ(pdf->extractCalls[0].inputFileName, in + "甲.pdf");
    EXPECT_EQ(pdf->extractCalls[2].inputFileName, temp + "2.pdf");
    EXPECT_FALSE(context.WordApplication || context.WordDocuments || context.CurrentWordDocument);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(outcome.booksWritten, 6);
}

TEST_F(Batch, WithoutOfficeNothingIsProcessed) {
    context.wordFactory = fakes::NoOffice();
    clock.ticks = {1001};
    pdf->files[root + "/in/甲.pdf"] = TwoBooks;
    const BatchOutcome outcome = RunFiveBookBranch(context, {root + "/in/甲.pdf"}, 1000);
    EXPECT_EQ(log.text, "禾匣尝试调用本地office环境！\r\n"
                        "××××调用本地office环境失败！\r\n可能是office未正确安装。\r\n"
                        "\r\n\r\n处理结束，共用时0.001秒！");
    EXPECT_TRUE(pdf->extractCalls.empty());
    EXPECT_FALSE(outcome.officeStarted);
    EXPECT_FALSE(outcome.Succeeded());
}

TEST_F(Batch, BranchWritesBesideTheFirstFileAndEndsWithTheElapsedTime) {
    // Two files of one name from different folders share the output folder
    // beside the first.
    fs::create_directories(root + "/other");
    pdf->files[root + "/in/申请.pdf"] = TwoBooks;
    pdf->files[root + "/other/申请.pdf"] = {"说明书摘要\r\n摘要。"};
    pdf->failingOutputs.insert(root + "/in/申请/100004说明书摘要_.pdf");
    clock.ticks = {4250};

    const BatchOutcome outcome =
        RunFiveBookBranch(context, {root + "/in/申请.pdf", root + "/other/申请.pdf"}, 1000);

    EXPECT_TRUE(log.text.ends_with("100004 说明书摘要  导出失败！！！！\r\n\r\n\r\n处理结束，共用时3.25秒！"))
        << log.text;
    EXPECT_EQ(pdf->extractCalls[0].outputFileName, root + "/in/申请/100001(权项数1)权利要求书_一种装置.pdf");
    EXPECT_EQ(log.empties, 1);
    EXPECT_EQ(outcome.booksFailed, 1);
    EXPECT_FALSE(outcome.Succeeded());
    // The temp folder was made for the batch and is left empty.
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(root + "/program/temp"))
        if (entry.path().filename() != ".lock")
            left.push_back(entry.path());
    EXPECT_TRUE(left.empty());
}

TEST_F(Batch, FailedConversionCountsAgainstTheBatch) {
    office.documents[root + "/in/坏.docx"] = {{}, "", office::OfficeStatus::StartFailed};
    const BatchOutcome outcome =
        RunFiveBookBatch(context, {root + "/in/坏.docx"}, root + "/t/", root + "/in/");
    EXPECT_EQ(outcome.conversionsFailed, 1);
    EXPECT_FALSE(outcome.Succeeded());
}

} // namespace
} // namespace hexia
