#pragma once

#include <QSize>

class QScreen;

namespace program {

// The screen's room for windows, in the pixels a window is measured in.
QSize screenRoom(const QScreen &screen);

} // namespace program
