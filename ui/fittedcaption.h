#pragma once

#include <QEvent>
#include <QFont>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace ui {

// The largest size of the font, down to two thirds of its own, at which the
// text fits the room: a wider face than designed shrinks a caption instead
// of clipping it mid-word.
QFont fittedFont(const QFont &font, const QString &text, const QSize &room);

// Gives the widget the font it inherits, or a smaller size of it where the
// caption would not fit its room at the inherited size.
void fitCaption(QWidget &widget, const QString &text, const QSize &room);

// A button whose caption is drawn at a smaller size of its font where the
// inherited size would not fit the room the style gives it (Room); refitted
// when the caption, the size or the inherited font changes.
template <typename Button, QStyle::SubElement Room>
class FittedCaption : public Button
{
public:
    using Button::Button;

    void setCaption(const QString &caption)
    {
        Button::setText(caption);
        fitCaption();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        Button::resizeEvent(event);
        fitCaption();
    }

    void changeEvent(QEvent *event) override
    {
        Button::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            fitCaption();
    }

private:
    void fitCaption()
    {
        // Until the button has its size there is no room to fit: trying
        // would load the font at every smaller size for nothing.
        if (!Button::testAttribute(Qt::WA_Resized))
            return;
        QStyleOptionButton option;
        Button::initStyleOption(&option);
        ui::fitCaption(*this, Button::text(), Button::style()->subElementRect(Room, &option, this).size());
    }
};

} // namespace ui
