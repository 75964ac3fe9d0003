#include "look.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace ui {

void useDesignedLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = QApplication::style()->standardPalette();
    // A window that loses the focus keeps its black text: grey captions on
    // the designed colours would fall below a readable contrast.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(QPalette::Inactive, colourRole, palette.brush(QPalette::Active, colourRole));
    }
    QApplication::setPalette(palette);
}

QFont designedFont(const QString &family, int pointSize, int weight)
{
    QFont font(family, pointSize, weight);
    if (family != QLatin1StringView("Times New Roman"))
        return font;
    const QStringList sameMetrics{family, QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"),
        QStringLiteral("Nimbus Roman No9 L"), QStringLiteral("TeX Gyre Termes"), QStringLiteral("Times")};
    // Where the system already maps the face to one with its metrics (as
    // fontconfig does) the list is not needed, and it would cost every text
    // layout a look through each face in it.
    if (sameMetrics.contains(QFontInfo(font).family()))
        return font;
    font.setFamilies(sameMetrics);
    return font;
}

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
