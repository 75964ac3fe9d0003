#pragma once

#include <cmath>

namespace ui {

// All lengths of the program are twips. 15 twips make one device-independent
// pixel on every screen; Qt's high-DPI scaling maps those to device pixels.
inline constexpr float TwipsPerPixel = 15.0f;

inline int toPixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline float toTwips(int pixels)
{
    return static_cast<float>(pixels) * TwipsPerPixel;
}

} // namespace ui
