#pragma once

#include "exerciseform.h"
#include "program.h"

#include <QApplication>
#include <QTest>

#include <memory>

// The window as the user first meets it: set up as the program sets it up,
// loaded, shown and active; null when it never shows.
inline std::unique_ptr<ExerciseForm> shownWindow()
{
    program::prepareApplication();
    auto form = std::make_unique<ExerciseForm>();
    form->Form_Load();
    form->show();
    if (!QTest::qWaitForWindowExposed(form->form.surface()))
        return nullptr;
    QApplication::setActiveWindow(form->form.surface());
    return form;
}
