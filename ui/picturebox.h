#pragma once

#include "windowedcontrol.h"

namespace ui {

// A box filled with its back colour inside a sunken border: the target.
//
// A hidden target keeps its widget, painting nothing and letting clicks
// through, so that hiding it never takes the keyboard focus away: a widget
// that Qt hides hands its focus to the next control, and the user's next key
// would land there.
class PictureBox : public WindowedControl
{
public:
    explicit PictureBox(QWidget *parent);

    bool Visible() const override;
    void setVisible(bool visible) override;

protected:
    void showBackColor(const QColor &colour) override;
};

} // namespace ui
