#pragma once

#include "commandbutton.h"
#include "controlarray.h"
#include "exercise.h"
#include "form.h"
#include "label.h"
#include "listbox.h"
#include "optionbutton.h"
#include "picturebox.h"
#include "textbox.h"
#include "timer.h"
#include "travelbounds.h"
#include "variant.h"

#include <memory>
#include <optional>

// The exercise window: its controls as designed, the start-up and the
// handlers of the user's commands. Controls and form-level values are open
// to the code that drives the window, as on any form.
class ExerciseForm
{
public:
    ExerciseForm();

    void Form_Load();
    void Command1_Click(qint16 Index);
    void List1_Click(qint16 Index);
    void Option1_Click(qint16 Index);
    void Timer1_Timer();

    void show();

    ui::Form form;
    ui::ControlArray<ui::ListBox> List1;
    ui::ControlArray<ui::OptionButton> Option1;
    std::unique_ptr<ui::PictureBox> Picture1;
    ui::ControlArray<ui::CommandButton> Command1;
    ui::ControlArray<ui::TextBox> Text1;
    ui::ControlArray<ui::Label> Label1;
    ui::Timer Timer1;

    // The form-level values, in their declared order.
    ui::Variant Mode;
    engine::TravelBounds bounds;
    ui::Variant Dylv;
    qint16 Wis = 0;

private:
    void createControls();

    // Acts on Picture1 with the hidden lists List1(1) to List1(3) as rings.
    std::optional<engine::Exercise> exercise;
    void appendReportLine(const QString &line);
};
