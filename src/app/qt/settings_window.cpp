#include "app/qt/settings_window.h"

#include <utility>

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "app/qt/window_geometry.h"
#include "app/settings_file.h"

namespace hexia {

namespace {

const QRect SettingsOuterRect(50, 50, 587, 515);

} // namespace

SettingsWindow::SettingsWindow(std::string programDirectory, QWidget* owner)
    : QDialog(owner), programDirectory(std::move(programDirectory)), tabs(new QTabWidget(this)),
      wordMenuBox(nullptr), pdfMenuBox(nullptr), saveButton(nullptr) {
    setWindowTitle(QStringLiteral("设置"));
    setModal(true);

    tabs->setObjectName("tabs");
    tabs->setGeometry(0, 0, 584, 488);
    auto* page = new QWidget();
    tabs->addTab(page, QStringLiteral("建设中"));

    wordMenuBox = new QCheckBox(QStringLiteral("将禾匣加入到Word文件的右键快捷菜单"), page);
    wordMenuBox->setObjectName("xz1");
    wordMenuBox->setGeometry(65, 64, 295, 24);
    pdfMenuBox = new QCheckBox(QStringLiteral("将禾匣加入到PDF文件的右键快捷菜单"), page);
    pdfMenuBox->setObjectName("xz2");
    pdfMenuBox->setGeometry(65, 114, 295, 24);

    // On the window itself, over the lower right of the tab control.
    saveButton = new QPushButton(QStringLiteral("保存"), this);
    saveButton->setObjectName("save");
    saveButton->setGeometry(448, 408, 80, 32);
    saveButton->setAutoDefault(false);
    saveButton->raise();
    connect(saveButton, &QPushButton::clicked, this, &SettingsWindow::Save);

    const SettingsOptions options = ReadSettingsOptions(this->programDirectory);
    wordMenuBox->setChecked(options.xz1);
    pdfMenuBox->setChecked(options.xz2);

    PlaceByOuterRect(this, SettingsOuterRect);
}

void SettingsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceOnceFramed(this, SettingsOuterRect, placedWithFrame);
}

void SettingsWindow::Save() {
    // A failed write is not reported: without its folder the file is simply
    // not stored, and the next opening shows what the file holds.
    SettingsOptions options;
    options.xz1 = wordMenuBox->isChecked();
    options.xz2 = pdfMenuBox->isChecked();
    WriteSettingsOptions(programDirectory, options);
}

} // namespace hexia
