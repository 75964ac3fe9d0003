#pragma once

#include "commandbutton.h"
#include "controlarray.h"
#include "form.h"
#include "label.h"
#include "listbox.h"
#include "optionbutton.h"
#include "picturebox.h"
#include "textbox.h"
#include "timer.h"

#include <memory>

// The window and every control in it, created from the window's design with
// their captions, entries, colours, places, stacking and tab order. They are
// open to the code that drives the window, as on any form.
class WindowControls
{
public:
    WindowControls();

    ui::Form form;
    ui::ControlArray<ui::ListBox> List1;
    ui::ControlArray<ui::OptionButton> Option1;
    std::unique_ptr<ui::PictureBox> Picture1;
    ui::ControlArray<ui::CommandButton> Command1;
    ui::ControlArray<ui::TextBox> Text1;
    ui::ControlArray<ui::Label> Label1;
    ui::Timer Timer1;

private:
    void createWindowedControls();
    void createLabels();
};
