#pragma once

#include "colour.h"

#include <QRect>
#include <QString>

class QPainter;

namespace ui {

// A caption drawn on the window's own surface, behind every control that has
// a window of its own. It takes no input.
class Label
{
public:
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    Colour BackColor = 0x00FFFFFF;
    QString Caption;

    // In pixels on the window's surface.
    QRect area() const;

    // Centred across the width, from the top.
    void paint(QPainter &painter) const;
};

} // namespace ui
