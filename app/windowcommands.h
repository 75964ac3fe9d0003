#pragma once

#include "fullscreen.h"
#include "zoomsteps.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>

namespace ui {
class Form;
}

namespace program {

enum class WindowCommand { ZoomIn, ZoomOut, ZoomDesigned, FullScreen, Close };

// The keys of a command: those that desktop programs share whatever the
// desktop's key scheme, and the scheme's own.
QList<QKeySequence> commandKeys(WindowCommand command);

// The window's own commands, as actions on it: zoom in, out and back to the
// designed size, full screen and back, and close. Full screen is what the
// desktop makes of the window, which may refuse it or end it by itself: the
// zoom, Escape and the next full-screen key follow the window's real state
// (FullScreen). A window that grows stays on its screen. A screen reader
// hears each new zoom.
class WindowCommands : public QObject
{
    Q_OBJECT

public:
    // Made a child of the window, and lives as long as it.
    explicit WindowCommands(ui::Form &form);

private:
    void zoom(ZoomKey key);
    void place(QPoint frameCorner);
    void announceZoom();

    ui::Form &form_;
    FullScreen *fullScreen_;
    bool gnomeDeviceLayout_ = false;
};

} // namespace program
