#pragma once

#include <QProxyStyle>

class QStyleOptionSlider;

namespace ui {

class DevicePixels;

// The window's look is part of its design: its colours, black text on them,
// the classic bevels and a focus line that shows on every one of them. It
// lives here, over Fusion, and nowhere else; every line it draws is in whole
// device pixels through DevicePixels, so nothing gaps or blurs at any scale.
// The desktop's style and colour scheme are set aside for this program's
// windows, or a dark scheme would paint near-white captions on the designed
// yellow, orange and green.
class DesignedStyle : public QProxyStyle
{
public:
    DesignedStyle();

    // Whatever palette the platform theme offers, now or after a change, the
    // application's palette is the designed one, the same for an inactive
    // window as for an active one.
    void polish(QPalette &palette) override;
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr, const QWidget *widget = nullptr) const override;

private:
    static QPalette designedPalette();
    void drawFocusLine(const QRect &rect, QPainter *painter, const QWidget *widget) const;
    template <typename Option>
    void drawWithFocusLine(ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawButton(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawField(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawScrollBarArrows(const QStyleOptionSlider *bar, QPainter *painter, const QWidget *widget) const;
};

// The focus line as every control shows it, just inside a rectangle of a
// widget's device pixels, its two lines each `line` device pixels thick:
// for a widget that places it by its own bevel.
void drawFocusLine(QPainter &painter, const DevicePixels &pixels, const QRect &devicePixels, int line);

// Makes DesignedStyle the application's style and its palette the
// application's palette, setting aside one set before.
void useDesignedLook();

} // namespace ui
