#include "app/qt/qt_message_box_display.h"
#include "app/qt/qt_progress_log.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "app/qt/gui_test_support.h"
#include "app/qt/main_window.h"

namespace hexia {
namespace {

using testing_support::TempFolder;
using testing_support::WithNextModal;

// Counts the events of one type that reach an object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* target, QEvent::Type type) : type(type) { target->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type) {
            ++count;
        }
        return false;
    }

private:
    QEvent::Type type;
};

class QtProgressLogTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    TempFolder home;
    MainWindow window{home.String()};
    QPlainTextEdit* box = window.ProgressLogBox();
    QtProgressLog log{box};
};

TEST_F(QtProgressLogTest, EmptiesAndAppendsTextUnchanged) {
    log.Empty();
    EXPECT_EQ(box->toPlainText(), "");
    log.Append("--------当前处理第1/2项：a.pdf---");
    log.Append("\r\n");
    log.Append("标题：x");
    log.Append("\r\n\r\n处理结束，共用时0.5秒！");
    EXPECT_EQ(box->toPlainText(), "--------当前处理第1/2项：a.pdf---\n标题：x\n\n处理结束，共用时0.5秒！");
}

TEST_F(QtProgressLogTest, KeepsTheEndInView) {
    log.Empty();
    for (int i = 0; i < 200; ++i) {
        log.Append("第" + std::to_string(i) +
                   "行，一行很长很长很长很长很长很长很长很长很长很长很长很长很长很长很长的文字\r\n");
    }
    log.Append("end");
    QScrollBar* vertical = box->verticalScrollBar();
    EXPECT_GT(vertical->maximum(), 0);
    EXPECT_EQ(vertical->value(), vertical->maximum());
    // The end of the last line is short, so the view is back at the left.
    EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
}

TEST_F(QtProgressLogTest, RepaintsAfterEachAppend) {
    // A batch runs on the window's thread: without this the log would stay
    // still until the batch is over.
    EventCounter paints(box->viewport(), QEvent::Paint);
    log.Append("一行\r\n");
    EXPECT_GT(paints.count, 0);
    const int afterFirst = paints.count;
    log.Append("两行\r\n");
    EXPECT_GT(paints.count, afterFirst);
}

TEST(QtMessageBoxDisplay, ShowsAnOwnerlessApplicationModalBoxWithOnlyOk) {
    QtMessageBoxDisplay display;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QWidget* owner = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    const bool seen = WithNextModal(
        [&] { display.Show("文件类型错误！", "禾匣五书拆分工具只能处理一堆DOC、DOCX、PDF文件"); },
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            owner = box->parentWidget();
            modality = box->windowModality();
        },
        [](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); });
    ASSERT_TRUE(seen);
    EXPECT_EQ(title, QStringLiteral("文件类型错误！"));
    EXPECT_EQ(text, QStringLiteral("禾匣五书拆分工具只能处理一堆DOC、DOCX、PDF文件"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

} // namespace
} // namespace hexia
