#pragma once

#include <cmath>

namespace ui {

// All lengths of the program are twips. 15 twips make one device-independent
// pixel on every screen at the designed size (a window's zoom makes a twip
// take more); Qt's high-DPI scaling maps those pixels to device pixels.
inline constexpr float TwipsPerPixel = 15.0f;

inline int toPixels(float twips, double zoom)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel * zoom));
}

} // namespace ui
