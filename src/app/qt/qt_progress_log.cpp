#include "app/qt/qt_progress_log.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace hexia {

QtProgressLog::QtProgressLog(QPlainTextEdit* box) : box(box) {}

void QtProgressLog::Empty() {
    if (box == nullptr) {
        return;
    }
    box->clear();
    Repaint();
}

void QtProgressLog::Append(std::string_view text) {
    if (box == nullptr) {
        return;
    }
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
    Repaint();
}

void QtProgressLog::Repaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace hexia
