#pragma once

#include "exercise.h"
#include "travelbounds.h"
#include "variant.h"
#include "windowcontrols.h"

// The exercise window: its controls as designed, the start-up and the
// handlers of the user's commands.
class ExerciseForm : public WindowControls
{
public:
    ExerciseForm();

    void Form_Load();
    void Command1_Click(qint16 Index);
    void List1_Click(qint16 Index);
    void Option1_Click(qint16 Index);
    void Timer1_Timer();

    void show();

    // The form-level values, in their declared order.
    ui::Variant Mode;
    engine::TravelBounds bounds;
    ui::Variant Dylv;
    qint16 Wis = 0;

private:
    void appendReportLine(const QString &line);
    // Whether the exercise runs, which and how fast, as a screen reader
    // tells it.
    QString exerciseState() const;
    void describeExercise();

    // Acts on Picture1 with the hidden lists List1(1) to List1(3) as rings.
    engine::Exercise exercise;
};
