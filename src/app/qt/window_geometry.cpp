#include "app/qt/window_geometry.h"

#include <QWidget>
#include <QWindow>

namespace hexia {

QMargins FrameMarginsOf(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QSize OuterSizeOf(const QWidget* window) {
    return window->size().grownBy(FrameMarginsOf(window));
}

void PlaceByOuterRect(QWidget* window, const QRect& outer) {
    // For a top-level window, move() places the frame, resize() the client area.
    window->move(outer.topLeft());
    window->resize(outer.size().shrunkBy(FrameMarginsOf(window)));
}

void PlaceOnceFramed(QWidget* window, const QRect& outer, bool& placedWithFrame) {
    if (!placedWithFrame && !FrameMarginsOf(window).isNull()) {
        placedWithFrame = true;
        PlaceByOuterRect(window, outer);
    }
}

} // namespace hexia
