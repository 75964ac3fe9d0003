#pragma once

#include <QObject>
#include <QPoint>

namespace ui {

// The user's zoom: how many times its designed size the window is drawn.
// One factor for the whole program, 1 until the user zooms: lengths in
// twips, lines and the window's font all follow it, and nothing of the
// window's definition changes.
class Zoom : public QObject
{
    Q_OBJECT

public:
    static Zoom &instance();
    static qreal factor() { return factor_; }
    // What a length of so many pixels at the designed size takes now.
    static int pixels(qreal designed) { return qRound(designed * factor_); }
    // Where twip (0, 0) lies in the window, in pixels: its corner, but for
    // a window drawn centred on a larger one (full screen).
    static QPoint origin() { return origin_; }
    void set(qreal factor, QPoint origin = QPoint(0, 0));

signals:
    void changed();

private:
    static inline qreal factor_ = 1;
    static inline QPoint origin_;
};

} // namespace ui
