#pragma once

#include "windowedcontrol.h"

#include <functional>

class QRadioButton;

namespace ui {

// One of a group of buttons of which at most one is selected. Selecting it,
// by the user or by writing Value := true, raises the click event.
class OptionButton : public WindowedControl
{
public:
    explicit OptionButton(QWidget *parent);

    QString Caption() const;
    void setCaption(const QString &caption);

    bool Value() const;
    // true selects this button, clears the others of the group and raises the
    // click event at once, inside the write.
    void setValue(bool value);

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

private:
    QRadioButton *button() const;

    std::function<void()> click_;
    bool writingValue_ = false;
};

} // namespace ui
