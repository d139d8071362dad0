#include "app/qt/main_window.h"

#include <string>
#include <vector>

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "app/qt/gui_test_support.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/settings_button.h"
#include "app/qt/settings_window.h"

namespace hexia {
namespace {

using testing_support::ResizeOuter;
using testing_support::TempFolder;
using testing_support::WithNextModal;

TEST(MainWindowLayoutFor, FollowsTheOuterSize) {
    struct Case {
        int width, height;
        MainWindowLayout expected;
    };
    const Case cases[] = {
        {800, 600, {785, 525, 740, 530}}, {599, 475, {584, 400, 539, 405}}, {60, 75, {45, 0, 0, 5}},
        {59, 74, {44, 0, 0, 4}},          {10, 10, {0, 0, 0, 0}},           {0, 0, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto layout = MainWindowLayoutFor(c.width, c.height);
        EXPECT_EQ(layout.logWidth, c.expected.logWidth) << c.width << " x " << c.height;
        EXPECT_EQ(layout.logHeight, c.expected.logHeight) << c.width << " x " << c.height;
        EXPECT_EQ(layout.buttonLeft, c.expected.buttonLeft) << c.width << " x " << c.height;
        EXPECT_EQ(layout.buttonTop, c.expected.buttonTop) << c.width << " x " << c.height;
    }
}

TEST(MainWindow, OpensWithItsTitleTheInstructionsAndItsPlace) {
    TempFolder home;
    MainWindow window(home.String());
    QPlainTextEdit* log = window.ProgressLogBox();

    // Before the window is shown its controls stand at their design places.
    EXPECT_EQ(log->geometry(), QRect(0, 0, 592, 410));
    EXPECT_EQ(window.SettingsButtonWidget()->geometry(), QRect(560, 412, 30, 30));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("禾匣分解-专利五书拆分工具 V1.1"));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(50, 50));
    EXPECT_EQ(OuterSizeOf(&window), QSize(599, 475));
    // Showing the window is its first change of size.
    EXPECT_EQ(log->geometry(), QRect(0, 0, 584, 400));
    EXPECT_EQ(window.SettingsButtonWidget()->geometry(), QRect(539, 405, 30, 30));

    const QString instructions = QString::fromUtf8(InstructionText.data(), InstructionText.size());
    EXPECT_EQ(log->toPlainText(), QString(instructions).replace("\r\n", "\n"));
    EXPECT_TRUE(instructions.startsWith("本程序针对专利申请文件进行处理"));
    EXPECT_EQ(instructions.count("将文件拖入本窗口即可整理"), 3);
    EXPECT_TRUE(instructions.contains("也许，下一版本就是为你定制的。\r\n\r\n客服"));
    EXPECT_FALSE(instructions.endsWith("\r\n"));

    EXPECT_TRUE(log->isReadOnly());
    EXPECT_EQ(log->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(log->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST(MainWindow, LayoutFollowsEveryResize) {
    TempFolder home;
    MainWindow window(home.String());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ResizeOuter(&window, 800, 600);
    EXPECT_EQ(OuterSizeOf(&window), QSize(800, 600));
    EXPECT_EQ(window.ProgressLogBox()->geometry(), QRect(0, 0, 785, 525));
    EXPECT_EQ(window.SettingsButtonWidget()->geometry(), QRect(740, 530, 30, 30));

    ResizeOuter(&window, 599, 475);
    EXPECT_EQ(window.ProgressLogBox()->geometry(), QRect(0, 0, 584, 400));
    EXPECT_EQ(window.SettingsButtonWidget()->geometry(), QRect(539, 405, 30, 30));

    ResizeOuter(&window, 50, 60);
    EXPECT_EQ(window.ProgressLogBox()->geometry(), QRect(0, 0, 35, 0));
    EXPECT_EQ(window.SettingsButtonWidget()->geometry(), QRect(0, 0, 30, 30));
}

TEST(DroppedTextOf, SinglePathAloneSeveralEachFollowedByCrLf) {
    struct Case {
        const char* name;
        QList<QUrl> urls;
        std::string expected;
    };
    const Case cases[] = {
        {"one file", {QUrl::fromLocalFile("/home/a/申请 1.pdf")}, "/home/a/申请 1.pdf"},
        {"two files",
         {QUrl::fromLocalFile("/home/a/1.doc"), QUrl::fromLocalFile("/home/a/2.PDF")},
         "/home/a/1.doc\r\n/home/a/2.PDF\r\n"},
        {"folder without its trailing separator", {QUrl("file:///home/a/folder/")}, "/home/a/folder"},
        {"other URLs left out",
         {QUrl("https://example.invalid/x.pdf"), QUrl::fromLocalFile("/home/a/1.docx")},
         "/home/a/1.docx"},
        {"no local file", {QUrl("https://example.invalid/x.pdf")}, ""},
        {"nothing", {}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DroppedTextOf(c.urls), c.expected) << c.name;
    }
}

class MainWindowDropTest : public testing::Test {
protected:
    static bool Drop(MainWindow& window, const QList<QUrl>& urls) {
        return testing_support::DropUrls(window, urls);
    }

    TempFolder home;
    MainWindow window{home.String()};
    std::vector<std::string> received;
};

TEST_F(MainWindowDropTest, HandsTheDroppedTextToTheHandlerOnceTheDragIsOver) {
    window.SetDropHandler([this](const std::string& text) { received.push_back(text); });
    ASSERT_TRUE(Drop(window, {QUrl::fromLocalFile("/data/a.docx"), QUrl::fromLocalFile("/data/b.pdf")}));
    EXPECT_TRUE(received.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(received, std::vector<std::string>{"/data/a.docx\r\n/data/b.pdf\r\n"});
}

TEST_F(MainWindowDropTest, RefusesDragsWithoutFiles) {
    window.SetDropHandler([this](const std::string& text) { received.push_back(text); });
    QMimeData data;
    data.setText("/data/a.docx");
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_FALSE(Drop(window, {QUrl("https://example.invalid/a.docx")}));
    QCoreApplication::processEvents();
    EXPECT_TRUE(received.empty());
}

TEST_F(MainWindowDropTest, TakesNoOtherDropWhileOneIsHandled) {
    bool innerTaken = true;
    window.SetDropHandler([&](const std::string& text) {
        received.push_back(text);
        if (received.size() == 1) {
            EXPECT_TRUE(window.IsHandlingDrop());
            innerTaken = Drop(window, {QUrl::fromLocalFile("/data/second.pdf")});
            QCoreApplication::processEvents();
        }
    });
    ASSERT_TRUE(Drop(window, {QUrl::fromLocalFile("/data/first.pdf")}));
    QCoreApplication::processEvents();
    EXPECT_FALSE(innerTaken);
    EXPECT_EQ(received, std::vector<std::string>{"/data/first.pdf"});

    EXPECT_FALSE(window.IsHandlingDrop());
    ASSERT_TRUE(Drop(window, {QUrl::fromLocalFile("/data/third.pdf")}));
    QCoreApplication::processEvents();
    EXPECT_EQ(received, (std::vector<std::string>{"/data/first.pdf", "/data/third.pdf"}));
}

TEST(MainWindow, DropsOnTheLogReachTheWindow) {
    TempFolder home;
    MainWindow window(home.String());
    EXPECT_FALSE(window.ProgressLogBox()->acceptDrops());
    EXPECT_FALSE(window.ProgressLogBox()->viewport()->acceptDrops());
    EXPECT_FALSE(window.SettingsButtonWidget()->acceptDrops());
    EXPECT_TRUE(window.acceptDrops());
}

TEST(MainWindow, SettingsButtonOpensTheSettingsWindowOwnedByTheMainWindow) {
    TempFolder home;
    MainWindow window(home.String());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget* opened = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    const bool seen = WithNextModal([&] { QTest::mouseClick(window.SettingsButtonWidget(), Qt::LeftButton); },
                                    [&](QWidget* modal) {
                                        opened = modal;
                                        modality = modal->windowModality();
                                        EXPECT_NE(qobject_cast<SettingsWindow*>(modal), nullptr);
                                        EXPECT_EQ(modal->parentWidget(), &window);
                                        EXPECT_EQ(modal->windowTitle(), QStringLiteral("设置"));
                                    });
    EXPECT_TRUE(seen);
    EXPECT_NE(opened, nullptr);
    EXPECT_NE(modality, Qt::NonModal);
    // The window is made afresh at each opening and gone once closed.
    EXPECT_EQ(window.findChild<SettingsWindow*>(), nullptr);
}

QRgb PixelOf(SettingsButton& button, QPoint point) {
    return button.grab().toImage().pixel(point);
}

TEST(SettingsButton, WhiteGearOnGreyGreenWhenHighlighted) {
    SettingsButton button;
    button.resize(30, 30);
    const QPoint corner(1, 1);
    const QPoint onGear(15, 9);
    const QPoint inHole(15, 15);
    EXPECT_EQ(PixelOf(button, corner), SettingsButton::NormalColor.rgb());
    EXPECT_EQ(PixelOf(button, onGear), SettingsButton::GearColor.rgb());
    EXPECT_EQ(PixelOf(button, inHole), SettingsButton::NormalColor.rgb());

    button.setDown(true);
    EXPECT_EQ(PixelOf(button, corner), SettingsButton::HighlightColor.rgb());
    EXPECT_EQ(PixelOf(button, onGear), SettingsButton::GearColor.rgb());
    button.setDown(false);

    button.setAttribute(Qt::WA_UnderMouse, true);
    EXPECT_EQ(PixelOf(button, corner), SettingsButton::HighlightColor.rgb());
    button.setAttribute(Qt::WA_UnderMouse, false);

    // The gear grows with the button.
    button.resize(60, 60);
    EXPECT_EQ(PixelOf(button, QPoint(30, 18)), SettingsButton::GearColor.rgb());
    EXPECT_EQ(PixelOf(button, QPoint(30, 30)), SettingsButton::NormalColor.rgb());
}

} // namespace
} // namespace hexia
