#include "split/split_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fakes/fake_office.h"
#include "fakes/fake_pdf_component.h"
#include "fakes/recording_ports.h"

namespace hexia {
namespace {

using fakes::ExtractCall;

class SplitDocument : public testing::Test {
protected:
    std::shared_ptr<fakes::FakePdfComponent> pdf = std::make_shared<fakes::FakePdfComponent>();
    fakes::FakeOffice office{pdf};
    fakes::RecordingLog log;
    AppContext context;
    // The output folders are really made: they go under a temporary folder.
    std::string out;

    void SetUp() override {
        out = std::filesystem::temp_directory_path() / ("hexia-split-" + std::to_string(getpid()));
        out += "/";
        context.SharedPdfLibrary.component = pdf;
        context.progressLog = &log;
        context.WordApplication = office.Factory()();
        context.WordDocuments = context.WordApplication->get_Documents();
        office.calls.clear();
    }
    void TearDown() override { std::filesystem::remove_all(out); }
};

const std::vector<std::string> TwelvePages = {
    "权利要求书\r\n1.一种装置，包括A。\r\n2.根据权利要求1所述的装置，还包括B。",
    "3.根据权利要求2所述的装置。",
    "4.根据权利要求3所述的装置。",
    "说明书\r\n一种装置\r\n技术领域",
    "背景技术",
    "发明内容",
    "附图说明",
    "具体实施方式",
    "说明书附图\r\n图1",
    "图2",
    "说明书摘要\r\n本发明公开了一种装置。",
    "摘要附图\r\n图1",
};

TEST_F(SplitDocument, PdfSourceIsSplitWhereItLies) {
    pdf->files["/in/申请.pdf"] = TwelvePages;
    std::string pdfPath = "/tmp/batch/1.pdf";
    const DocumentOutcome outcome = SplitApplicationDocument(context, "/in/申请.pdf", pdfPath, out);

    EXPECT_EQ(pdfPath, "/in/申请.pdf");
    EXPECT_TRUE(office.calls.empty());
    EXPECT_EQ(log.text, "\r\n说明书主题：一种装置   权项数：4\r\n"
                        "\r\n√√√√PDF化后共12页\r\n\r\n"
                        "100001 权利要求书  页码范围：1-3，共3页\r\n"
                        "100002 说明书      页码范围：4-8，共5页\r\n"
                        "100003 说明书附图  页码范围：9-10，共2页\r\n"
                        "100004 说明书摘要  页码范围：11-11，共1页\r\n"
                        "100005 摘要附图    页码范围：12-12，共1页\r\n");
    const std::vector<std::string> outputs = {
        out + "申请/100001(权项数4)权利要求书_一种装置.pdf", out + "申请/100002说明书_一种装置.pdf",
        out + "申请/100003说明书附图_一种装置.pdf", out + "申请/100004说明书摘要_一种装置.pdf",
        out + "申请/100005摘要附图_一种装置.pdf"};
    ASSERT_EQ(pdf->extractCalls.size(), 5u);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        EXPECT_EQ(pdf->extractCalls[i].inputFileName, "/in/申请.pdf");
        EXPECT_EQ(pdf->extractCalls[i].outputFileName, outputs[i]);
    }
    EXPECT_EQ(outcome.booksWritten, 5);
    EXPECT_EQ(pdf->openHandles, 0);
}

TEST_F(SplitDocument, WordSourceIsExportedAndCountedInItsOwnText) {
    office.documents["/in/申请.docx"] = {
        {"说明书\r\n一种装置\r\n技术领域", "权利要求书\r\n1.甲。\r\n2.乙。"},
        "说明书\r一种装置\r技术领域。本发明。\r\f权利要求书\r1.甲。\r2.乙。\r3.丙。\r"};
    std::string pdfPath = "/tmp/batch/2.pdf";
    SplitApplicationDocument(context, "/in/申请.docx", pdfPath, out);

    EXPECT_EQ(pdfPath, "/tmp/batch/2.pdf");
    EXPECT_EQ(office.calls, (std::vector<std::string>{"Open /in/申请.docx hidden",
                                                      "Export /in/申请.docx -> /tmp/batch/2.pdf 17",
                                                      "Range /in/申请.docx"}));
    EXPECT_NE(context.CurrentWordDocument, nullptr);
    EXPECT_EQ(log.text, "\r\n说明书主题：一种装置   权项数：3\r\n"
                        "\r\n√√√√PDF化后共2页\r\n\r\n"
                        "100002 说明书      页码范围：1-1，共1页\r\n"
                        "100001 权利要求书  页码范围：2-2，共1页\r\n");
    ASSERT_EQ(pdf->extractCalls.size(), 2u);
    EXPECT_EQ(pdf->extractCalls[1].outputFileName, out + "申请/100001(权项数3)权利要求书_一种装置.pdf");
}

TEST_F(SplitDocument, FailedBookIsReportedAndTheOthersStillWritten) {
    pdf->files["/in/a.pdf"] = {"封面", "权利要求书\r\n1.甲。", "说明书\r\n一种AC/DC转换器",
                               "说明书摘要\r\n摘要。"};
    pdf->failingOutputs.insert(out + "a/100002说明书_一种AC／DC转换器.pdf");
    std::string pdfPath = "/t/1.pdf";
    const DocumentOutcome outcome = SplitApplicationDocument(context, "/in/a.pdf", pdfPath, out);

    // The log shows the title as found; the file name carries its safe form.
    EXPECT_EQ(log.text, "\r\n说明书主题：一种AC/DC转换器   权项数：1\r\n"
                        "\r\n√√√√PDF化后共4页\r\n\r\n"
                        "100001 权利要求书  页码范围：2-2，共1页\r\n"
                        "100002 说明书      导出失败！！！！\r\n"
                        "100004 说明书摘要  页码范围：4-4，共1页\r\n");
    EXPECT_EQ(outcome.booksWritten, 2);
    EXPECT_EQ(outcome.booksFailed, 1);
}

TEST_F(SplitDocument, UnreadableDocumentLogsOnlyTheSummary) {
    office.documents["/in/坏.docx"] = {{}, "", office::OfficeStatus::ExitFailed};
    std::string pdfPath = "/t/1.pdf";
    const DocumentOutcome outcome = SplitApplicationDocument(context, "/in/坏.docx", pdfPath, out);
    EXPECT_EQ(log.text, "\r\n说明书主题：   权项数：未获取\r\n\r\n√√√√PDF化后共0页\r\n\r\n");
    EXPECT_EQ(outcome.conversion, office::OfficeStatus::ExitFailed);
    EXPECT_TRUE(pdf->extractCalls.empty());
    // The document still gets its folder, empty.
    EXPECT_TRUE(std::filesystem::is_directory(out + "坏"));
}

} // namespace
} // namespace hexia
