#include "commandbutton.h"

#include "devicepixels.h"
#include "fittedcaption.h"
#include "focusring.h"
#include "runtimeerror.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

namespace ui {
namespace {

// Styles draw push buttons in their own colours, and some ignore the
// palette; this one is painted by hand so the back colour always shows.
class ColouredButton : public FittedCaption<QAbstractButton>
{
public:
    explicit ColouredButton(QWidget *parent)
        : FittedCaption(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    void setColour(const QColor &colour)
    {
        colour_ = colour;
        update();
    }

protected:
    QRect captionRoom() const override { return rect().adjusted(3, 3, -3, -3); }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const bool sunken = isDown();
        // A classic button's bevel, in whole device pixels and as thick as
        // the scale.
        const DevicePixels pixels(*this);
        const QPalette &p = palette();
        const int line = pixels.thickness(1);
        pixels.fill(painter, pixels.bounds().adjusted(2 * line, 2 * line, -2 * line, -2 * line), colour_);
        const DevicePixels::Ring raisedOuter{p.color(QPalette::Light), p.color(QPalette::Shadow)};
        const DevicePixels::Ring raisedInner{p.color(QPalette::Button), p.color(QPalette::Dark)};
        const DevicePixels::Ring sunkenOuter{p.color(QPalette::Shadow), p.color(QPalette::Light)};
        const DevicePixels::Ring sunkenInner{p.color(QPalette::Dark), p.color(QPalette::Button)};
        pixels.buttonBevel(painter, pixels.bounds(), line, sunken ? sunkenOuter : raisedOuter, sunken ? sunkenInner : raisedInner);
        QRect textRect = captionRoom();
        if (sunken)
            textRect.translate(1, 1);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus())
            drawFocusRing(painter, captionRoom());
    }

    // Desktop buttons take Enter as well as Space.
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!event->isAutoRepeat())
                click();
            event->accept();
            return;
        }
        QAbstractButton::keyPressEvent(event);
    }

private:
    QColor colour_ = palette().color(QPalette::Button);
};

} // namespace

CommandButton::CommandButton(QWidget *parent)
    : WindowedControl(new ColouredButton(parent))
{
    QObject::connect(static_cast<ColouredButton *>(widget()), &QAbstractButton::clicked, widget(), [this] {
        if (click_)
            runHandler(click_);
    });
}

void CommandButton::setCaption(const QString &caption)
{
    static_cast<ColouredButton *>(widget())->setCaption(caption);
}

void CommandButton::showBackColor(const QColor &colour)
{
    static_cast<ColouredButton *>(widget())->setColour(colour);
}

} // namespace ui
