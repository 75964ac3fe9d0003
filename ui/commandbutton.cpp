#include "commandbutton.h"

#include "fittedcaption.h"
#include "runtimeerror.h"

#include <QPushButton>

namespace ui {
namespace {

class PushButton : public FittedCaption<QPushButton, QStyle::SE_PushButtonContents>
{
public:
    explicit PushButton(QWidget *parent)
        : FittedCaption(parent)
    {
        // Desktop buttons take Enter as well as Space.
        setAutoDefault(true);
    }
};

} // namespace

CommandButton::CommandButton(QWidget *parent)
    : WindowedControl(new PushButton(parent))
{
    QObject::connect(static_cast<PushButton *>(widget()), &QAbstractButton::clicked, widget(), [this] {
        if (click_)
            runHandler(click_);
    });
}

void CommandButton::setCaption(const QString &caption)
{
    static_cast<PushButton *>(widget())->setCaption(caption);
}

// The face takes the colour; the bevel keeps the window's greys.
void CommandButton::showBackColor(const QColor &colour)
{
    QPalette palette = widget()->palette();
    palette.setColor(QPalette::Button, colour);
    widget()->setPalette(palette);
}

} // namespace ui
