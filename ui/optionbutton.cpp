#include "optionbutton.h"

#include "runtimeerror.h"

#include <QRadioButton>
#include <QScopedValueRollback>

namespace ui {

OptionButton::OptionButton(QWidget *parent)
    : WindowedControl(new QRadioButton(parent))
{
    // toggled(true) comes from the mouse and from the arrow keys alike.
    QObject::connect(button(), &QRadioButton::toggled, button(), [this](bool checked) {
        if (checked && !writingValue_ && click_)
            runHandler(click_);
    });
}

QRadioButton *OptionButton::button() const
{
    return static_cast<QRadioButton *>(widget());
}

void OptionButton::setCaption(const QString &caption)
{
    button()->setText(caption);
}

bool OptionButton::Value() const
{
    return button()->isChecked();
}

void OptionButton::setValue(bool value)
{
    {
        const QScopedValueRollback writing(writingValue_, true);
        if (value) {
            button()->setChecked(true);
        } else {
            // An exclusive group refuses to clear its checked button by itself.
            button()->setAutoExclusive(false);
            button()->setChecked(false);
            button()->setAutoExclusive(true);
        }
    }
    if (value && click_)
        click_();
}

} // namespace ui
