#include "app/qt/main_window.h"

#include <utility>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include "app/qt/main_window_layout.h"
#include "app/qt/settings_button.h"
#include "app/qt/settings_window.h"
#include "app/qt/window_geometry.h"

namespace hexia {

const std::string_view InstructionText =
    "本程序针对专利申请文件进行处理（支持doc、docx、pdf文件输入，PDF版五书输出）\r\n\r\n\r\n\r\n"
    "使用方法：\r\n\r\n"
    "将文件拖入本窗口即可整理\r\n\r\n"
    "将文件拖入本窗口即可整理\r\n\r\n"
    "将文件拖入本窗口即可整理\r\n\r\n\r\n\r\n\r\n\r\n"
    "说明：\r\n\r\n"
    "1、禾匣不联网，仅调用本地office环境进行处理，目前仅测试了2010版office，其他版本需要自测。\r\n\r\n"
    "2、禾匣可以批量、拆分word、pdf版专利申请文件（有、无页眉都可以试试）。"
    "\r\n\r\n\r\n\r\nbug或功能建议，可以联系客服反馈，也许，下一版本就是为你定制的。\r\n\r\n"
    "客服邮箱：support@hexia.invalid";

namespace {

const QRect MainWindowOuterRect(50, 50, 599, 475);
const QRect ProgressLogDesignRect(0, 0, 592, 410);
const QRect SettingsButtonDesignRect(560, 412, 30, 30);

} // namespace

std::string DroppedTextOf(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            // A dropped folder comes without its trailing separator.
            paths << QDir::toNativeSeparators(QDir::cleanPath(url.toLocalFile()));
        }
    }
    if (paths.size() == 1) {
        return paths.front().toStdString();
    }
    std::string text;
    for (const QString& path : paths) {
        text += path.toStdString();
        text += "\r\n";
    }
    return text;
}

MainWindow::MainWindow(std::string programDirectory, QWidget* parent)
    : QWidget(parent), programDirectory(std::move(programDirectory)), progressLog(new QPlainTextEdit(this)),
      settingsButton(new SettingsButton(this)) {
    setWindowTitle(QString::fromUtf8(MainWindowTitle.data(), static_cast<qsizetype>(MainWindowTitle.size())));
    setAcceptDrops(true);

    progressLog->setObjectName("ProgressLog");
    progressLog->setReadOnly(true);
    progressLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    progressLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    progressLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    progressLog->setUndoRedoEnabled(false);
    // Drops anywhere on the window, the log included, go to the window.
    progressLog->setAcceptDrops(false);
    progressLog->viewport()->setAcceptDrops(false);
    progressLog->setPlainText(
        QString::fromUtf8(InstructionText.data(), static_cast<qsizetype>(InstructionText.size())));
    progressLog->setGeometry(ProgressLogDesignRect);

    settingsButton->setObjectName("SettingsButton");
    settingsButton->setGeometry(SettingsButtonDesignRect);
    connect(settingsButton, &QAbstractButton::clicked, this, &MainWindow::OpenSettings);

    PlaceByOuterRect(this, MainWindowOuterRect);
}

void MainWindow::SetDropHandler(DropHandler handler) {
    dropHandler = std::move(handler);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyLayout();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PlaceOnceFramed(this, MainWindowOuterRect, placedWithFrame);
}

void MainWindow::ApplyLayout() {
    const QSize outer = OuterSizeOf(this);
    const MainWindowLayout layout = MainWindowLayoutFor(outer.width(), outer.height());
    progressLog->setGeometry(0, 0, layout.logWidth, layout.logHeight);
    settingsButton->move(layout.buttonLeft, layout.buttonTop);
}

void MainWindow::OpenSettings() {
    SettingsWindow settings(programDirectory, this);
    settings.exec();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!handlingDrop && !DroppedTextOf(event->mimeData()->urls()).empty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!handlingDrop) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::string droppedText = DroppedTextOf(event->mimeData()->urls());
    if (handlingDrop || droppedText.empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Handled once the drag has finished, so the program the files came from
    // is not held up by the batch.
    handlingDrop = true;
    QMetaObject::invokeMethod(
        this, [this, text = std::move(droppedText)] { HandleDrop(text); }, Qt::QueuedConnection);
}

void MainWindow::HandleDrop(const std::string& droppedText) {
    if (dropHandler) {
        dropHandler(droppedText);
    }
    handlingDrop = false;
}

} // namespace hexia
