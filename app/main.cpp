#include "exerciseform.h"

#include "runtimeerror.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ExerciseForm window;
    if (!ui::runHandler([&window] { window.Form_Load(); }))
        return EXIT_FAILURE;
    window.show();
    return application.exec();
}
