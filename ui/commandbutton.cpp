#include "commandbutton.h"

#include "devicepixels.h"
#include "focusring.h"
#include "look.h"
#include "runtimeerror.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

namespace ui {
namespace {

// Styles draw push buttons in their own colours, and some ignore the
// palette; this one is painted by hand so the back colour always shows.
class ColouredButton : public QAbstractButton
{
public:
    explicit ColouredButton(QWidget *parent)
        : QAbstractButton(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    void setColour(const QColor &colour)
    {
        colour_ = colour;
        update();
    }

    void fitCaption() { ui::fitCaption(*this, text(), textRoom().size()); }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QAbstractButton::resizeEvent(event);
        fitCaption();
    }

    void changeEvent(QEvent *event) override
    {
        QAbstractButton::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            fitCaption();
    }

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
        if (sunken)
            pixels.buttonBevel(
                painter, pixels.bounds(), line, {p.color(QPalette::Shadow), p.color(QPalette::Light)}, {p.color(QPalette::Dark), p.color(QPalette::Button)});
        else
            pixels.buttonBevel(
                painter, pixels.bounds(), line, {p.color(QPalette::Light), p.color(QPalette::Shadow)}, {p.color(QPalette::Button), p.color(QPalette::Dark)});
        QRect textRect = textRoom();
        if (sunken)
            textRect.translate(1, 1);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus())
            drawFocusRing(painter, rect().adjusted(3, 3, -3, -3));
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
    QRect textRoom() const { return rect().adjusted(3, 3, -3, -3); }

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
    static_cast<ColouredButton *>(widget())->setText(caption);
    static_cast<ColouredButton *>(widget())->fitCaption();
}

void CommandButton::showBackColor(const QColor &colour)
{
    static_cast<ColouredButton *>(widget())->setColour(colour);
}

} // namespace ui
