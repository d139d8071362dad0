#include "app/qt/settings_button.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace hexia {

namespace {

// A gear of eight teeth in a 30 x 30 box centred on the origin, with a hole
// through which the square shows.
QPainterPath GearPath() {
    constexpr int teeth = 8;
    QPainterPath gear;
    gear.addEllipse(QPointF(0, 0), 8.5, 8.5);
    QPainterPath tooth;
    tooth.addRoundedRect(QRectF(-2.2, -11.5, 4.4, 5.5), 0.8, 0.8);
    for (int i = 0; i < teeth; ++i) {
        gear = gear.united(QTransform().rotate(360.0 * i / teeth).map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 3.6, 3.6);
    return gear.subtracted(hole);
}

} // namespace

SettingsButton::SettingsButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

bool SettingsButton::IsHighlighted() const {
    return isDown() || underMouse();
}

QSize SettingsButton::sizeHint() const {
    return {30, 30};
}

void SettingsButton::paintEvent(QPaintEvent*) {
    static const QPainterPath gear = GearPath();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), IsHighlighted() ? HighlightColor : NormalColor);
    const double scale = std::min(width(), height()) / 30.0;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(scale, scale);
    painter.fillPath(gear, GearColor);
}

} // namespace hexia
