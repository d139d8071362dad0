// A drop on the window runs the whole road: classification, the batch or the
// refusal box, with the log in the window.
#include <iterator>

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/drop_intake.h"
#include "app/qt/gui_test_support.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_progress_log.h"
#include "app/shared_objects.h"
#include "fakes/recording_ports.h"

namespace hexia {
namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

class DropBatchTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(home.path / "temp");
        Wire(context, home, log, messageBox, clock);
        window.SetDropHandler([this](const std::string& text) { ProcessDroppedFiles(context, text); });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { ReleaseSharedObjects(context); }

    static void Wire(AppContext& target, const TempFolder& programDirectory, ProgressLog& progressLog,
                     MessageBoxDisplay& box, Clock& ticks) {
        target.ProgramDirectory = programDirectory.String();
        CreateSharedObjects(target);
        target.progressLog = &progressLog;
        target.messageBox = &box;
        target.clock = &ticks;
    }

    // Drops the files on the window and waits until the drop has been handled.
    void Drop(const std::vector<fs::path>& files) {
        QList<QUrl> urls;
        for (const auto& file : files) {
            urls << QUrl::fromLocalFile(QString::fromStdString(file.string()));
        }
        ASSERT_TRUE(testing_support::DropUrls(window, urls));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.IsHandlingDrop(); }, 120000));
    }

    static fs::path CopyFixture(const TempFolder& folder, const char* name) {
        const fs::path copy = folder.path / name;
        fs::copy_file(fs::path(HEXIA_FIXTURE_DIR) / "pdf" / name, copy);
        return copy;
    }

    QString WindowLog() const { return window.ProgressLogBox()->toPlainText(); }

    TempFolder home;
    TempFolder work;
    MainWindow window{home.String()};
    QtProgressLog log{window.ProgressLogBox()};
    fakes::RecordingMessageBox messageBox;
    fakes::FakeClock clock{1000, 3500};
    AppContext context;
};

TEST_F(DropBatchTest, DropOfAnApplicationPdfShowsTheBatchLogInTheWindow) {
    const fs::path file = CopyFixture(work, "application.pdf");
    Drop({file});

    // The same batch without a window, on a copy of its own, for the log it writes.
    TempFolder otherHome;
    TempFolder otherWork;
    fs::create_directories(otherHome.path / "temp");
    fakes::RecordingLog recorded;
    fakes::RecordingMessageBox otherBox;
    fakes::FakeClock otherClock{1000, 3500};
    AppContext other;
    Wire(other, otherHome, recorded, otherBox, otherClock);
    ProcessDroppedFiles(other, CopyFixture(otherWork, "application.pdf").string());
    ReleaseSharedObjects(other);

    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(WindowLog(), QString::fromStdString(recorded.text).replace("\r\n", "\n"));
    EXPECT_TRUE(WindowLog().contains("--------当前处理第1/1项：application.pdf"));
    EXPECT_TRUE(WindowLog().endsWith("\n\n处理结束，共用时2.5秒！"));
    EXPECT_FALSE(WindowLog().contains("本程序针对专利申请文件进行处理"));

    // The books went beside the dropped file.
    int books = 0;
    for (const auto& entry : fs::recursive_directory_iterator(work.path)) {
        books += entry.path().extension() == ".pdf" && entry.path() != file;
    }
    EXPECT_GT(books, 0);
}

TEST_F(DropBatchTest, RefusedDropShowsTheBoxAndLeavesTheLogAlone) {
    const QString before = WindowLog();
    const fs::path pdf = CopyFixture(work, "application.pdf");
    const fs::path text = work.path / "notes.txt";
    testing_support::StoreFile(text, "x");
    Drop({pdf, text});

    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].title, RefusalTitle);
    EXPECT_EQ(messageBox.shown[0].text, RefusalText);
    EXPECT_EQ(WindowLog(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(work.path), fs::directory_iterator()), 2);
}

} // namespace
} // namespace hexia
