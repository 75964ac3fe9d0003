#include "label.h"

#include "look.h"
#include "twips.h"

#include <QPainter>

namespace ui {

Label::Label(QWidget *surface)
    : surface_(surface)
{
}

void Label::move(float left, float top, float width, float height)
{
    change([&] {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    });
}

void Label::setBackColor(Colour colour)
{
    change([&] { backColor_ = colour; });
}

void Label::setCaption(const QString &caption)
{
    change([&] { caption_ = caption; });
}

QRect Label::area() const
{
    return QRect(toPixels(left_), toPixels(top_), toPixels(width_), toPixels(height_));
}

void Label::paint(QPainter &painter, int shownHeight) const
{
    const QRect rect = area();
    painter.fillRect(rect, toQColor(backColor_));
    painter.setFont(fittedFont(painter.font(), caption_, QSize(rect.width(), shownHeight)));
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption_);
}

} // namespace ui
