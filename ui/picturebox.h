#pragma once

#include "windowedcontrol.h"

namespace ui {

// A box filled with its back colour inside a sunken border: the target.
class PictureBox : public WindowedControl
{
public:
    explicit PictureBox(QWidget *parent);

protected:
    void showBackColor(const QColor &colour) override;
};

} // namespace ui
