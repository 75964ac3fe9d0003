#pragma once

#include <QString>

class QWidget;

namespace ui {

// Has a screen reader say a text at once, for a change that moves no focus.
// Nothing happens while no screen reader listens.
class Announcer
{
public:
    // Announces for the window given, which outlives it.
    explicit Announcer(QWidget *window);

    void announce(const QString &text) const;

private:
    // What a screen reader hears it from: the window, or before Qt 6.8 a
    // notification in it.
    QWidget *speaker_;
};

} // namespace ui
