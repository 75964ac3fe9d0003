#include "exerciseform.h"

#include "conversions.h"
#include "windowcommands.h"

using namespace ui;

ExerciseForm::ExerciseForm()
    : exercise(*Picture1, engine::Rings{engine::Ring(List1[1].items()), engine::Ring(List1[2].items()), engine::Ring(List1[3].items())})
{
    List1.setClickHandler([this](qint16 index) {
        List1_Click(index);
        describeExercise();
    });
    Option1.setClickHandler([this](qint16 index) {
        Option1_Click(index);
        describeExercise();
    });
    Command1.setClickHandler([this](qint16 index) {
        const bool wasRunning = Timer1.Enabled();
        Command1_Click(index);
        describeExercise();
        // Starting and stopping move no focus, so a screen reader would not
        // tell of them; a new exercise or period it tells as the focus moves.
        if (Timer1.Enabled() != wasRunning)
            form.announce(exerciseState());
    });
    Timer1.setTimerHandler([this] { Timer1_Timer(); });
    new program::WindowCommands(form);
}

void ExerciseForm::show()
{
    form.show();
}

// The user's commands: each changes one setting and returns; the target
// changes only at the next tick.

void ExerciseForm::Command1_Click(qint16 Index)
{
    switch (Index) {
    case 0: // "Започни"
        Timer1.setEnabled(true);
        break;
    case 1: // "Спри"
        Timer1.setEnabled(false);
        break;
    default: break;
    }
}

void ExerciseForm::List1_Click(qint16 Index)
{
    if (Index != 0)
        return;
    const int selected = List1[0].ListIndex();
    Timer1.setInterval(toInt32(numericValue(List1[0].List(selected))));
}

void ExerciseForm::Option1_Click(qint16 Index)
{
    Mode = Index;
}

QString ExerciseForm::exerciseState() const
{
    const double mode = toNumber(Mode);
    const QString chosen = mode >= 0 && mode <= 6 ? Option1[qint16(mode)].Caption() : QString();
    const QString state = Timer1.Enabled() ? QStringLiteral("Упражнението върви") : QStringLiteral("Упражнението е спряно");
    return QStringLiteral("%1: %2, период %3 ms").arg(state, chosen).arg(Timer1.Interval());
}

void ExerciseForm::describeExercise()
{
    form.setAccessibleDescription(exerciseState());
}

void ExerciseForm::Timer1_Timer()
{
    exercise.tick(Mode, bounds);
}
