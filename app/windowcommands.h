#pragma once

#include "zoomsteps.h"

#include <QObject>

class QAction;

namespace ui {
class Form;
}

namespace program {

// The window's own commands, as actions on it with the keys desktop
// programs use: zoom in, out and back to the designed size, full screen
// and back, and close. A screen reader hears each new zoom.
class WindowCommands : public QObject
{
    Q_OBJECT

public:
    // Made a child of the window, and lives as long as it.
    explicit WindowCommands(ui::Form &form);

private:
    void zoom(ZoomKey key);
    void toggleFullScreen();
    void announceZoom();

    ui::Form &form_;
    QAction *leaveFullScreen_;
    qreal zoomBeforeFullScreen_ = 1;
};

} // namespace program
