// Helpers shared by the window tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QList>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "app/qt/window_geometry.h"

namespace hexia::testing_support {

// A fresh folder under the system's temp folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path = std::filesystem::temp_directory_path() / ("hexia-gui-" + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string String() const { return path.string(); }

    std::filesystem::path path;
};

inline std::string FileContents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void StoreFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Runs `open`, which shows a modal window and waits for it; once the window
// is up, `inspect` gets it and then `close` ends it. Returns whether a modal
// window appeared.
inline bool WithNextModal(
    const std::function<void()>& open, const std::function<void(QWidget*)>& inspect,
    const std::function<void(QWidget*)>& close = [](QWidget* w) { w->close(); }) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || seen) {
            return;
        }
        seen = true;
        poll.stop();
        inspect(modal);
        close(modal);
    });
    poll.start();
    open();
    poll.stop();
    return seen;
}

// Drags the URLs onto the widget and drops them there, as the desktop does;
// true when the widget took them.
inline bool DropUrls(QWidget& target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

// Gives the window the outer size, frame included, that the layout works from.
inline void ResizeOuter(QWidget* window, int width, int height) {
    PlaceByOuterRect(window, QRect(window->frameGeometry().topLeft(), QSize(width, height)));
}

} // namespace hexia::testing_support
