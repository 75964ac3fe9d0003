#pragma once

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

} // namespace program
