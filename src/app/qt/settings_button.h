// The button that opens the settings window: a white gear on a grey square,
// on a green square while the pointer is over it or it is pressed. Drawn as a
// path, so it stays sharp at any size and scale factor.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace hexia {

class SettingsButton : public QAbstractButton {
    Q_OBJECT
public:
    static inline const QColor NormalColor{0x80, 0x80, 0x80};
    static inline const QColor HighlightColor{0x2e, 0xa0, 0x43};
    static inline const QColor GearColor{0xff, 0xff, 0xff};

    explicit SettingsButton(QWidget* parent = nullptr);

    bool IsHighlighted() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace hexia
