#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>

class QPainter;
class QWidget;

namespace ui {

// Painting in whole device pixels at any scale. At 125 % a widget placed at
// a whole pixel may start a quarter of a device pixel into one, and a shape
// painted in pixels covers 41 device pixels in one place and 42 in another:
// the target would not stay square nor its border even. Here a widget's
// shape starts at its origin rounded to a device pixel and has a whole
// number of device pixels, the same wherever the widget is.
class DevicePixels
{
public:
    explicit DevicePixels(const QWidget &widget);

    // The widget in whole device pixels, from (0, 0).
    QRect bounds() const { return bounds_; }
    // A line of the given pixels' thickness at the designed size, zoomed,
    // in whole device pixels.
    int thickness(int pixels) const;
    // True when every pixel of the widget is a whole device pixel, so
    // painting bounds() paints the whole widget.
    bool exact() const;

    // A rectangle given in the widget's pixels, in whole device pixels
    // within bounds().
    QRect toDevicePixels(const QRect &pixels) const;

    void fill(QPainter &painter, const QRect &devicePixels, const QColor &colour) const;
    // A line of the given thickness just inside the rectangle's edges.
    void outline(QPainter &painter, const QRect &devicePixels, int thickness, const QColor &colour) const;

    // A sunken panel of `lines` lines, each `thickness` device pixels: the
    // shade on the top and left, the light on the bottom and right, with
    // their corners stepped as Qt's shade panel steps them.
    void sunkenPanel(QPainter &painter, const QRect &devicePixels, int lines, int thickness, const QColor &shade, const QColor &light) const;

    // A classic button's bevel, two rings of `thickness` device pixels,
    // outer ring first: the top-left colour stops one line short of the
    // far corners, which the bottom-right colour takes.
    struct Ring
    {
        QColor topLeft;
        QColor bottomRight;
    };
    void buttonBevel(QPainter &painter, const QRect &devicePixels, int thickness, const Ring &outer, const Ring &inner) const;

private:
    qreal scale_;
    qreal zoom_; // the zoom of the widget's window
    QPointF offset_; // where device pixel (0, 0) of bounds() lies, in pixels
    QRect bounds_;
};

} // namespace ui
