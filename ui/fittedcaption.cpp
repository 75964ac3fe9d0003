#include "fittedcaption.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace ui {

QFont fittedFont(const QFont &font, const QString &text, const QSize &room)
{
    const qreal designed = font.pointSizeF();
    QFont fitted = font;
    for (qreal size = designed; size >= designed * 2 / 3; size -= 0.5) {
        fitted.setPointSizeF(size);
        const QFontMetrics metrics(fitted);
        // The baseline in view, so the letters stand on it whole; a descender
        // may touch the edge, as in the designed face.
        if (metrics.horizontalAdvance(text) <= room.width() && metrics.ascent() <= room.height())
            return fitted;
    }
    return fitted;
}

void fitCaption(QWidget &widget, const QString &text, const QSize &room)
{
    const QFont inherited = widget.parentWidget() ? widget.parentWidget()->font() : QApplication::font();
    const QFont fitted = fittedFont(inherited, text, room);
    // Setting a font raises a font change, which asks for a fit again.
    if (widget.font() == fitted)
        return;
    // An empty font sets nothing of its own: the widget goes on inheriting.
    widget.setFont(fitted == inherited ? QFont() : fitted);
}

} // namespace ui
