#pragma once

#include "look.h"

#include <QEvent>
#include <QResizeEvent>

namespace ui {

// A button whose caption is drawn at a smaller size of its font where the
// inherited size would not fit the room the button gives it; refitted when
// the caption, the size or the inherited font changes.
template <typename Button>
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
    // Where the caption is drawn, in pixels.
    virtual QRect captionRoom() const = 0;

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
        if (Button::testAttribute(Qt::WA_Resized))
            ui::fitCaption(*this, Button::text(), captionRoom().size());
    }
};

} // namespace ui
