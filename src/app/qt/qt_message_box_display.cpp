#include "app/qt/qt_message_box_display.h"

#include <QMessageBox>

namespace hexia {

void QtMessageBoxDisplay::Show(std::string_view title, std::string_view text) {
    QMessageBox box(
        QMessageBox::NoIcon, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace hexia
