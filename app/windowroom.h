#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace program {

// What a desktop keeps of the screen without telling a program on Wayland,
// where no work area is told: a panel (GNOME's top bar is 32 pixels high,
// Plasma's panel 44) and, where the compositor draws it, as KWin does, the
// title bar (KWin's is 29 pixels high, Qt's own 30).
inline constexpr int UntoldPanel = 48;
inline constexpr int UntoldTitleBar = 32;

// Where the window may lie on its screen, in the pixels a window is
// measured in. On X the desktop tells the work area, the window manager
// draws the frame and the program places its window itself. On Wayland
// neither the window's place nor the panels are told: room is kept for
// what is not told, and the compositor places the window.
class WindowRoom
{
public:
    struct Screen
    {
        QRect available;       // the screen's room for windows, as Qt tells it
        qreal layoutScale = 1; // Qt's pixels to a window's: 2 where Qt 6.4 takes GNOME's device-pixel layout at scale 2
        bool told = true;      // whether the work area is told and the program places its window: X
    };

    WindowRoom(const Screen &screen, QMargins frame);
    // The room of a shown window on its screen; `gnomeDeviceLayout` where
    // GNOME lays its screens out in device pixels (gnomelayout.h).
    static WindowRoom of(const QWidget &window, bool gnomeDeviceLayout);

    // The largest client area that fits, frame and all.
    QSize clientRoom() const;
    // Where the corner of a frame now at `frameCorner` goes once its client
    // area is `client`: as near as it can to where it was, wholly inside
    // the room. None where the desktop places the window.
    std::optional<QPoint> placed(QPoint frameCorner, QSize client) const;

private:
    QRect room_; // for the window with its frame
    QMargins frame_;
    bool told_;
};

} // namespace program
