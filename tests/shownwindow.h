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

// The window as the user first meets it: loaded, shown and active; null
// when it never shows. The test sets the application up once, as the
// program does (program::prepareApplication) or as it means to test.
inline std::unique_ptr<ExerciseForm> shownWindow()
{
    auto form = std::make_unique<ExerciseForm>();
    form->Form_Load();
    form->show();
    if (!QTest::qWaitForWindowExposed(form->form.surface()))
        return nullptr;
    if (!activate(form->form.surface()))
        return nullptr;
    return form;
}

// The first entries of the three hidden rings, which every tick rotates.
inline QStringList heads(const ExerciseForm &form)
{
    return {form.List1[1].List(0), form.List1[2].List(0), form.List1[3].List(0)};
}
