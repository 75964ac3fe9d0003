#pragma once

#include <QFont>

class QWidget;

namespace ui {

// The window's look is part of its design: its colours, black text on them,
// and the classic bevels. The desktop's style and colour scheme are set
// aside for this program's windows, or a dark scheme would paint near-white
// captions on the designed yellow, orange and green.
void useDesignedLook();

// The designed face first, then faces with the same metrics, so captions
// keep their designed widths wherever one of them is installed; only then
// whatever the system offers.
QFont designedFont(const QString &family, int pointSize, int weight);

// The largest size of the font, down to two thirds of its own, at which the
// text fits the room: a wider face than designed shrinks a caption instead
// of clipping it mid-word.
QFont fittedFont(const QFont &font, const QString &text, const QSize &room);

// Gives the widget the font it inherits, or a smaller size of it where the
// caption would not fit its room at the inherited size.
void fitCaption(QWidget &widget, const QString &text, const QSize &room);

} // namespace ui
