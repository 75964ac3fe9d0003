#include "label.h"

#include "twips.h"

#include <QPainter>

namespace ui {

QRect Label::area() const
{
    return QRect(toPixels(Left), toPixels(Top), toPixels(Width), toPixels(Height));
}

void Label::paint(QPainter &painter) const
{
    const QRect rect = area();
    painter.fillRect(rect, toQColor(BackColor));
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Caption);
}

} // namespace ui
