#pragma once

#include "zoomsteps.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QTimer>

class QAction;

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
// zoom, Escape and the next full-screen key follow the window's real state.
// A screen reader hears each new zoom.
class WindowCommands : public QObject
{
    Q_OBJECT

public:
    // Made a child of the window, and lives as long as it.
    explicit WindowCommands(ui::Form &form);

    // How long a desktop has to give the window the screen once asked.
    static constexpr int FullScreenAnswerMs = 5000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void zoom(ZoomKey key);
    void toggleFullScreen();
    void enteredFullScreen();
    void leftFullScreen();
    void fullScreenRefused();
    void announceZoom();

    ui::Form &form_;
    QAction *leaveFullScreen_;
    QTimer fullScreenAsked_;
    bool fullScreen_ = false; // as the desktop made the window
    qreal zoomBeforeFullScreen_ = 1;
};

} // namespace program
