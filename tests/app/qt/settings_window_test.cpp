#include "app/qt/settings_window.h"

#include <optional>

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "app/qt/gui_test_support.h"
#include "app/qt/window_geometry.h"

namespace hexia {
namespace {

using testing_support::FileContents;
using testing_support::StoreFile;
using testing_support::TempFolder;

class SettingsWindowTest : public testing::Test {
protected:
    std::filesystem::path ConfigFolder() const { return home.path / "config"; }
    std::filesystem::path ConfigFile() const { return home.path / "config" / "config.ini"; }
    void WithConfig(const std::string& bytes) {
        std::filesystem::create_directories(ConfigFolder());
        StoreFile(ConfigFile(), bytes);
    }

    std::unique_ptr<SettingsWindow> Open() {
        auto window = std::make_unique<SettingsWindow>(home.String(), &owner);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
    static QCheckBox* Box(SettingsWindow& window, const char* name) {
        return window.findChild<QCheckBox*>(name);
    }
    static std::pair<bool, bool> Ticks(SettingsWindow& window) {
        return {Box(window, "xz1")->isChecked(), Box(window, "xz2")->isChecked()};
    }
    static void Save(SettingsWindow& window) {
        QTest::mouseClick(window.findChild<QPushButton*>("save"), Qt::LeftButton);
    }

    TempFolder home;
    QWidget owner;
};

TEST_F(SettingsWindowTest, HasItsTitlePlaceAndControls) {
    auto window = Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("设置"));
    EXPECT_TRUE(window->isModal());
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(50, 50));
    EXPECT_EQ(OuterSizeOf(window.get()), QSize(587, 515));

    auto* tabs = window->findChild<QTabWidget*>("tabs");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->geometry(), QRect(0, 0, 584, 488));
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("建设中"));

    QCheckBox* word = Box(*window, "xz1");
    QCheckBox* pdf = Box(*window, "xz2");
    EXPECT_EQ(word->text(), QStringLiteral("将禾匣加入到Word文件的右键快捷菜单"));
    EXPECT_EQ(word->geometry(), QRect(65, 64, 295, 24));
    EXPECT_EQ(word->parentWidget(), tabs->widget(0));
    EXPECT_EQ(pdf->text(), QStringLiteral("将禾匣加入到PDF文件的右键快捷菜单"));
    EXPECT_EQ(pdf->geometry(), QRect(65, 114, 295, 24));

    auto* save = window->findChild<QPushButton*>("save");
    EXPECT_EQ(save->text(), QStringLiteral("保存"));
    EXPECT_EQ(save->geometry(), QRect(448, 408, 80, 32));
    EXPECT_EQ(save->parentWidget(), window.get());
    EXPECT_TRUE(save->isVisible());
    EXPECT_EQ(window->childAt(save->geometry().center()), save);
}

TEST_F(SettingsWindowTest, OpensWithWhatTheFileHolds) {
    struct Case {
        const char* name;
        std::optional<std::string> file; // none: no config folder at all
        std::pair<bool, bool> ticks;
    };
    const Case cases[] = {
        {"no config folder", std::nullopt, {false, false}},
        {"no section", "[other]\nxz1=1\n", {false, false}},
        {"word only", "[config]\nxz1=1\nxz2=0\n", {true, false}},
        {"pdf only, names in other case, spaces", "[CONFIG]\r\n XZ2 = 1 \r\n", {false, true}},
        {"only 1 ticks", "[config]\nxz1=yes\nxz2=\n", {false, false}},
        {"both", "[config]\nxz2=1\nxz1=1", {true, true}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(ConfigFolder());
        if (c.file) {
            WithConfig(*c.file);
        }
        SettingsWindow window(home.String(), &owner);
        EXPECT_EQ(Ticks(window), c.ticks) << c.name;
    }
}

TEST_F(SettingsWindowTest, WithoutConfigFolderSavingStoresNothing) {
    auto window = Open();
    Box(*window, "xz1")->setChecked(true);
    Box(*window, "xz2")->setChecked(true);
    Save(*window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(ConfigFolder()));
    window.reset();
    EXPECT_EQ(Ticks(*Open()), std::make_pair(false, false));
}

TEST_F(SettingsWindowTest, FirstSaveCreatesTheFileAndTheWindowStaysOpen) {
    std::filesystem::create_directories(ConfigFolder());
    auto window = Open();
    Box(*window, "xz1")->setChecked(true);
    Save(*window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(FileContents(ConfigFile()), "[config]\nxz1=1\nxz2=0\n");

    Box(*window, "xz1")->setChecked(false);
    Box(*window, "xz2")->setChecked(true);
    Save(*window);
    EXPECT_EQ(FileContents(ConfigFile()), "[config]\nxz1=0\nxz2=1\n");
    window.reset();
    EXPECT_EQ(Ticks(*Open()), std::make_pair(false, true));
}

TEST_F(SettingsWindowTest, SavingKeepsEveryOtherSectionAndKey) {
    WithConfig(
        "[window]\r\nleft=50\r\n\r\n[Config]\r\nXZ2 = 1\r\nlanguage = zh\r\n\r\n[paths]\r\nout=/tmp\r\n");
    auto window = Open();
    EXPECT_EQ(Ticks(*window), std::make_pair(false, true));
    Box(*window, "xz1")->setChecked(true);
    Save(*window);
    EXPECT_EQ(FileContents(ConfigFile()), "[window]\r\nleft=50\r\n\r\n[Config]\r\nXZ2=1\r\nlanguage = "
                                          "zh\r\nxz1=1\r\n\r\n[paths]\r\nout=/tmp\r\n");
}

TEST_F(SettingsWindowTest, ClosingWithoutSavingLeavesTheFileAlone) {
    const std::string before = "[config]\nxz1=0\nxz2=0\n";
    WithConfig(before);
    auto window = Open();
    Box(*window, "xz1")->setChecked(true);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(FileContents(ConfigFile()), before);
}

} // namespace
} // namespace hexia
