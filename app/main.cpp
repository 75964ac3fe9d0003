#include "exerciseform.h"
#include "platform.h"
#include "program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    program::prepareApplication();
    const int status = [] {
        ExerciseForm window;
        return program::run(window);
    }();
    // Closing the Wayland connection, Qt 6.4 now and then waits forever for
    // its event thread, which waits for a read the main thread prepared and
    // never made. The window is gone and nothing is kept, so on Wayland the
    // process ends here, before Qt closes the connection.
    if (ui::onWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
