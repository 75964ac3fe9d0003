#pragma once

#include <QMargins>
#include <QSize>
#include <QSizeF>

#include <array>

namespace program {

// The zooms the keys step through, in parts of the designed size.
inline constexpr std::array<qreal, 7> ZoomSteps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

enum class ZoomKey { Out, Designed, In };

// Where a zoom key takes a window of `designed` pixels at the designed size
// from the zoom `now`: the next step in, where the window there fits the
// `room` the screen has for it; the next step out; or the designed size.
// Where there is no such step, `now`.
qreal steppedZoom(qreal now, ZoomKey key, QSizeF designed, QSize room);

// The largest zoom at which the designed window fits the whole screen.
qreal fittedZoom(QSizeF designed, QSize screen);

// What a desktop keeps of the screen without telling a program on Wayland,
// where no work area is told: a panel (GNOME's top bar is 32 pixels high,
// Plasma's panel 44) and, where the compositor draws it, as KWin does, the
// title bar (KWin's is 29 pixels high, Qt's own 30).
inline constexpr int UntoldPanel = 48;
inline constexpr int UntoldTitleBar = 32;

// The room for a window's client area on a screen of which `available` is
// free of the desktop's panels, with the window's `frame` around it; where
// the desktop tells no work area, room is kept for what it does not tell.
QSize clientRoom(QSize available, QMargins frame, bool workAreaTold);

} // namespace program
