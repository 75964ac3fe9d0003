#pragma once

#include <QPainter>
#include <QRect>

namespace ui {

// Where the keyboard focus is: a black line with a white one inside it, so
// one of the two stands out at least 3:1 against any colour of the window,
// from the pale yellow of the target to the dark red of the stop button.
inline void drawFocusRing(QPainter &painter, const QRect &outer)
{
    const QPainter::RenderHints hints = painter.renderHints();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outer.adjusted(1, 1, -2, -2));
    painter.setRenderHints(hints);
}

} // namespace ui
