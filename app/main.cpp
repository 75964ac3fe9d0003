#include "exerciseform.h"
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    program::prepareApplication();
    ExerciseForm window;
    return program::run(window);
}
