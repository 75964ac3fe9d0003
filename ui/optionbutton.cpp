#include "optionbutton.h"

#include "fittedcaption.h"
#include "runtimeerror.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>

namespace ui {
namespace {

// The options of a window are one group, as desktops expect of radio
// buttons: Tab stops only at the chosen one, and the arrow keys move among
// them top to bottom, wrapping at the ends, choosing as they go.
class OptionWidget : public FittedCaption<QRadioButton, QStyle::SE_RadioButtonContents>
{
public:
    explicit OptionWidget(QWidget *parent)
        : FittedCaption(parent)
    {
        setFocusPolicy(Qt::ClickFocus);
        connect(this, &QRadioButton::toggled, this, [this](bool checked) { setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); });
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        int step = 0;
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: step = -1; break;
        case Qt::Key_Down:
        case Qt::Key_Right: step = 1; break;
        default: QRadioButton::keyPressEvent(event); return;
        }
        const QList<OptionWidget *> group = options();
        const qsizetype at = group.indexOf(this);
        if (at < 0 || group.size() < 2)
            return;
        OptionWidget *next = group[(at + step + group.size()) % group.size()];
        next->setFocus(Qt::TabFocusReason);
        next->click();
        event->accept();
    }

private:
    // The shown options beside this one, top to bottom.
    QList<OptionWidget *> options() const
    {
        QList<OptionWidget *> group;
        for (QObject *sibling : parentWidget()->children())
            if (auto *option = dynamic_cast<OptionWidget *>(sibling); option && !option->isHidden() && option->isEnabled())
                group << option;
        std::sort(
            group.begin(), group.end(), [](const OptionWidget *a, const OptionWidget *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
        return group;
    }
};

} // namespace

OptionButton::OptionButton(QWidget *parent)
    : WindowedControl(new OptionWidget(parent))
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

QString OptionButton::Caption() const
{
    return button()->text();
}

void OptionButton::setCaption(const QString &caption)
{
    static_cast<OptionWidget *>(widget())->setCaption(caption);
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
