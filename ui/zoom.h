#pragma once

#include <QPoint>
#include <QSize>
#include <QSizeF>
#include <QtGlobal>

#include <functional>

class QWidget;

namespace ui {

// A window's zoom: how many times its designed size the window is drawn,
// and where twip (0, 0) lies in it, in pixels: its corner, but for a window
// drawn centred on a larger one (full screen). Lengths in twips, lines and
// the window's font all follow it; nothing of the window's definition
// changes.
struct Zoom
{
    qreal factor = 1;
    QPoint origin;

    // What a length of so many pixels at the designed size takes now.
    int pixels(qreal designed) const { return qRound(designed * factor); }

    bool operator==(const Zoom &) const = default;
};

// A window's client area at a zoom, from its size in pixels at the designed
// size: the one rounding of the window, full screen and the zoom steps.
inline QSize zoomedSize(QSizeF designed, qreal factor)
{
    return (designed * factor).toSize();
}

// The zoom of the window the widget is in; the designed size for a widget
// outside a form's window.
Zoom zoomOf(const QWidget *widget);

// Calls `follow` after each change of the zoom of the widget's window, for
// as long as the widget lives.
void followZoom(QWidget *widget, std::function<void()> follow);

} // namespace ui
