#include "commandbutton.h"

#include "runtimeerror.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

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

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const bool sunken = isDown();
        const QBrush fill(colour_);
        qDrawWinButton(&painter, rect(), palette(), sunken, &fill);
        QRect textRect = rect().adjusted(3, 3, -3, -3);
        if (sunken)
            textRect.translate(1, 1);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(4, 4, -4, -4);
            focus.backgroundColor = colour_;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
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
    static_cast<ColouredButton *>(widget())->setText(caption);
}

void CommandButton::showBackColor(const QColor &colour)
{
    static_cast<ColouredButton *>(widget())->setColour(colour);
}

} // namespace ui
