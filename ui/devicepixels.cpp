#include "devicepixels.h"

#include "zoom.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace ui {

DevicePixels::DevicePixels(const QWidget &widget)
    : scale_(widget.devicePixelRatioF())
    , zoom_(zoomOf(&widget).factor)
{
    const QPointF origin = QPointF(widget.mapTo(widget.window(), QPoint(0, 0))) * scale_;
    const QPointF snapped(std::round(origin.x()), std::round(origin.y()));
    offset_ = (snapped - origin) / scale_;
    // A hair below a whole number counts as the whole number.
    bounds_ = QRect(0, 0, int(std::floor(widget.width() * scale_ + 1e-6)), int(std::floor(widget.height() * scale_ + 1e-6)));
}

int DevicePixels::thickness(int pixels) const
{
    return std::max(1, int(std::round(pixels * scale_ * zoom_)));
}

bool DevicePixels::exact() const
{
    return scale_ == std::floor(scale_);
}

QRect DevicePixels::toDevicePixels(const QRect &pixels) const
{
    // The same rounding as bounds(), so the widget's own rectangle is bounds().
    auto edge = [this](int pixel, qreal offset) { return int(std::floor((pixel - offset) * scale_ + 1e-6)); };
    const QRect exact(QPoint(edge(pixels.left(), offset_.x()), edge(pixels.top(), offset_.y())),
        QPoint(edge(pixels.left() + pixels.width(), offset_.x()) - 1, edge(pixels.top() + pixels.height(), offset_.y()) - 1));
    return exact & bounds_;
}

void DevicePixels::fill(QPainter &painter, const QRect &devicePixels, const QColor &colour) const
{
    if (devicePixels.isEmpty())
        return;
    // Edges on device pixel boundaries, so the centres of exactly these
    // device pixels lie inside.
    const QRectF pixels(offset_ + QPointF(devicePixels.topLeft()) / scale_, QSizeF(devicePixels.size()) / scale_);
    painter.fillRect(pixels, colour);
}

void DevicePixels::outline(QPainter &painter, const QRect &r, int thickness, const QColor &colour) const
{
    fill(painter, QRect(r.left(), r.top(), r.width(), thickness), colour);
    fill(painter, QRect(r.left(), r.top() + r.height() - thickness, r.width(), thickness), colour);
    fill(painter, QRect(r.left(), r.top(), thickness, r.height()), colour);
    fill(painter, QRect(r.left() + r.width() - thickness, r.top(), thickness, r.height()), colour);
}

void DevicePixels::sunkenPanel(QPainter &painter, const QRect &r, int lines, int thickness, const QColor &shade, const QColor &light) const
{
    const int t = thickness, left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();
    auto strip = [&](int x1, int y1, int x2, int y2, const QColor &colour) { fill(painter, QRect(x1, y1, x2 - x1, y2 - y1), colour); };
    for (int i = 0; i < lines; ++i) {
        strip(left, top + i * t, right - (i + 1) * t, top + (i + 1) * t, shade);           // top
        strip(left + i * t, top + (lines - i) * t, left + (i + 1) * t, bottom - t, shade); // left
    }
    for (int i = 0; i < lines; ++i) {
        strip(left + i * t, bottom - (i + 1) * t, right, bottom - i * t, light);           // bottom
        strip(right - (i + 1) * t, top + i * t, right - i * t, bottom - lines * t, light); // right
    }
}

void DevicePixels::buttonBevel(QPainter &painter, const QRect &devicePixels, int thickness, const Ring &outer, const Ring &inner) const
{
    QRect r = devicePixels;
    const int t = thickness;
    for (const Ring *ring : {&outer, &inner}) {
        const int right = r.left() + r.width(), bottom = r.top() + r.height();
        fill(painter, QRect(r.left(), r.top(), r.width() - t, t), ring->topLeft);
        fill(painter, QRect(r.left(), r.top(), t, r.height() - t), ring->topLeft);
        fill(painter, QRect(r.left(), bottom - t, r.width(), t), ring->bottomRight);
        fill(painter, QRect(right - t, r.top(), t, r.height()), ring->bottomRight);
        r.adjust(t, t, -t, -t);
    }
}

} // namespace ui
