#include "app/drop_intake.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fakes/fake_office.h"
#include "fakes/fake_pdf_component.h"
#include "fakes/recording_ports.h"

namespace hexia {
namespace {

namespace fs = std::filesystem;

class DropIntake : public testing::Test {
protected:
    std::shared_ptr<fakes::FakePdfComponent> classifier = std::make_shared<fakes::FakePdfComponent>();
    PdfComponentRegistry registry = fakes::RegistryWith(classifier);
    fakes::FakeOffice office{classifier};
    fakes::RecordingLog log;
    fakes::RecordingMessageBox messageBox;
    fakes::FakeClock clock{1000, 1500};
    AppContext context;

    void SetUp() override {
        context.componentRegistry = &registry;
        context.SharedPdfLibrary.component = classifier;
        context.wordFactory = office.Factory();
        context.progressLog = &log;
        context.messageBox = &messageBox;
        context.clock = &clock;
        context.ProgramDirectory = fs::temp_directory_path() / ("hexia-drop-" + std::to_string(getpid()));
        classifier->files["/d/heading.pdf"] = {"CN202610000001.X\r\n权 利 要 求 书\r\n1.一种装置。"};
        classifier->files["/d/line4.pdf"] = {"a\r\nb\r\nc\r\n说明书摘要"};
        classifier->files["/d/remark.pdf"] = {"权利要求书（修改稿）\r\nx\r\ny\r\n说明书"};
        classifier->files["/d/fullwidth.pdf"] = {"说　明　书\r\n一种装置"};
    }
    void TearDown() override { fs::remove_all(context.ProgramDirectory); }
};

TEST_F(DropIntake, ClassifiesByExtensionAndFirstPage) {
    struct Case {
        std::vector<std::string> paths;
        std::string_view category;
    } cases[] = {
        {{"/d/a.docx"}, FiveBookSeries},
        {{"/d/a.doc", "/d/b.doc", "/d/c.DOCX"}, FiveBookSeries},
        {{"/d/a.doc", "/d/b.zip"}, MixedSeries},
        {{"/d/a.zip", "/d/b.ZIP"}, NoticeSeries},
        {{"/d/a.Docx"}, MixedSeries},
        {{"/d/a.Pdf"}, MixedSeries},
        {{"/d/folder"}, MixedSeries},
        {{"/d/heading.pdf", "/d/a.DOC"}, FiveBookSeries},
        {{"/d/line4.pdf"}, NoticeSeries},
        {{"/d/remark.pdf"}, NoticeSeries},
        {{"/d/fullwidth.pdf"}, NoticeSeries},
        {{"/d/missing.PDF"}, NoticeSeries},
        {{"/d/heading.pdf", "/d/line4.pdf"}, MixedSeries},
        {{}, MixedSeries},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyBatch(context, c.paths), c.category) << testing::PrintToString(c.paths);
}

TEST_F(DropIntake, AnyOtherTypeEndsClassificationAtOnce) {
    EXPECT_EQ(ClassifyBatch(context, {"/d/heading.pdf", "/d/notes.txt", "/d/line4.pdf"}), MixedSeries);
    EXPECT_EQ(classifier->firstPageReads, std::vector<std::string>{"/d/heading.pdf"});
}

TEST_F(DropIntake, WithoutThePdfComponentEveryPdfIsRefused) {
    const PdfComponentRegistry empty;
    context.componentRegistry = &empty;
    EXPECT_EQ(ClassifyBatch(context, {"/d/heading.pdf"}), NoticeSeries);
    EXPECT_EQ(ClassifyBatch(context, {"/d/a.docx"}), FiveBookSeries);
}

TEST_F(DropIntake, RefusedBatchShowsTheBoxAndLeavesTheLogAlone) {
    log.text = "earlier batch";
    const DropOutcome outcome = ProcessDroppedFilesWithOutcome(context, "/d/a.doc\r\n/d/b.zip\r\n");
    EXPECT_TRUE(outcome.refused);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].title, "文件类型错误！");
    EXPECT_EQ(messageBox.shown[0].text,
              "禾匣五书拆分工具只能处理一堆DOC、DOCX、PDF文件，如果混杂有其他类型文件，您将看到该提示！");
    EXPECT_EQ(log.text, "earlier batch");
    EXPECT_EQ(office.starts, 0);
    EXPECT_FALSE(fs::exists(context.ProgramDirectory));
}

TEST_F(DropIntake, EmptyDropDoesNothing) {
    const DropOutcome outcome = ProcessDroppedFilesWithOutcome(context, "");
    EXPECT_TRUE(outcome.empty);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(log.empties, 0);
}

TEST_F(DropIntake, FiveBookDropRunsTheBatchTimedFromTheDrop) {
    // The books are written beside the dropped file: it lies in a temporary folder.
    const std::string dropped = context.ProgramDirectory + "/in/申请.pdf";
    classifier->files[dropped] = {"权利要求书\r\n1.一种装置。", "说明书\r\n一种装置"};
    const DropOutcome outcome = ProcessDroppedFilesWithOutcome(context, dropped);
    EXPECT_FALSE(outcome.refused);
    EXPECT_TRUE(outcome.batch.officeStarted);
    EXPECT_EQ(log.text.substr(0, log.text.find("\r\n")), "禾匣尝试调用本地office环境！");
    EXPECT_TRUE(log.text.ends_with("\r\n\r\n处理结束，共用时0.5秒！")) << log.text;
    EXPECT_EQ(classifier->extractCalls.size(), 2u);
    EXPECT_TRUE(fs::is_directory(context.ProgramDirectory + "/in/申请"));
}

} // namespace
} // namespace hexia
