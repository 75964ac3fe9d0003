#pragma once

#include <QColor>
#include <QtGlobal>

namespace ui {

// A colour as the program writes it: 0x00BBGGRR (blue, green and red bytes).
using Colour = quint32;

inline QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace ui
