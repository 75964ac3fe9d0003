#pragma once

#include "devicepixels.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace ui {

// The frame of a list or a text field, as the window's style draws it at
// scale 1: one line of the window's colour, darkened. Drawn here in whole
// device pixels, a line as thick as the scale, over the field's own colour,
// so no gap opens between the frame and what it frames at any scale.
inline void paintFieldFrame(QWidget &field)
{
    const DevicePixels pixels(field);
    QPainter painter(&field);
    const QRect box = pixels.bounds();
    const int line = pixels.thickness(1);
    pixels.fill(painter, box, field.palette().color(QPalette::Base));
    const QColor outline = field.palette().color(QPalette::Window).darker(140).lighter(108);
    pixels.fill(painter, QRect(box.left(), box.top(), box.width(), line), outline);
    pixels.fill(painter, QRect(box.left(), box.bottom() - line + 1, box.width(), line), outline);
    pixels.fill(painter, QRect(box.left(), box.top(), line, box.height()), outline);
    pixels.fill(painter, QRect(box.right() - line + 1, box.top(), line, box.height()), outline);
}

} // namespace ui
