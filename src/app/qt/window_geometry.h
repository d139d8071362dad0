// Places a top-level window by its outer rectangle, frame included, as the
// window sizes of this program are given.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace hexia {

// The frame around the window's client area; empty while the platform has not
// told it yet (and always on platforms without frames).
QMargins FrameMarginsOf(const QWidget* window);

// The outer size: the client size with the frame.
QSize OuterSizeOf(const QWidget* window);

// Moves the frame's top left corner to outer.topLeft() and sizes the client
// area so that the frame fills outer.size().
void PlaceByOuterRect(QWidget* window, const QRect& outer);

// For a window's show event: the frame is known only once the window is on
// the screen, so the window is placed again the first time it has one.
// `placedWithFrame` remembers that this has happened.
void PlaceOnceFramed(QWidget* window, const QRect& outer, bool& placedWithFrame);

} // namespace hexia
