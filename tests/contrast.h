#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

// WCAG's relative luminance and contrast ratio: 4.5 is enough for text,
// 3 for a line that shows where the focus is.
inline double luminance(QColor colour)
{
    auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

inline double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
