#pragma once

#include "exerciseform.h"
#include "program.h"

#include <QApplication>
#include <QTest>

#include <memory>

// Makes the window the active one, as the user's click on it would.
inline bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

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
    if (!activate(form->form.surface()))
        return nullptr;
    return form;
}
