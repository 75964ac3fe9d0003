#pragma once

#include "windowedcontrol.h"

namespace ui {

// A caption on the window's own surface, behind every control that has a
// window of its own, centred across its width from the top. It takes no
// input; a click goes to the window.
class Label : public WindowedControl
{
public:
    // What a screen reader is told of it: that it heads the window, or
    // the name of the control it heads (its buddy).
    enum class Role { Heading, Name };
    Label(QWidget *surface, Role role);

    QString Caption() const;
    void setCaption(const QString &caption);

    void setBuddy(QWidget *control);
};

} // namespace ui
