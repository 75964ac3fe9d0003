#include "program.h"

#include "exerciseform.h"
#include "look.h"
#include "runtimeerror.h"

#include <QApplication>

#include <cstdlib>

namespace program {

void prepareApplication()
{
    // A Wayland compositor ties the window to its menu entry and icon by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(EYETRAINER_APP_ID));
    ui::useDesignedLook();
}

int run(ExerciseForm &window)
{
    if (!ui::runHandler([&window] { window.Form_Load(); }))
        return EXIT_FAILURE;
    window.show();
    const int status = QApplication::exec();
    return ui::runtime::hasFailed() ? EXIT_FAILURE : status;
}

} // namespace program
