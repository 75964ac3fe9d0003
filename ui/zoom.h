#pragma once

#include <QObject>

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
    void setFactor(qreal factor);

signals:
    void changed();

private:
    static inline qreal factor_ = 1;
};

} // namespace ui
