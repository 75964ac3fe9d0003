#include "label.h"

#include "twips.h"

#include <QPainter>

namespace ui {

void Label::paint(QPainter &painter) const
{
    const int left = toPixels(Left);
    const int top = toPixels(Top);
    const QRect area(left, top, toPixels(Left + Width) - left, toPixels(Top + Height) - top);
    painter.fillRect(area, toQColor(BackColor));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Caption);
}

} // namespace ui
