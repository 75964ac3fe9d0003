#include "exerciseform.h"
#include "platform.h"
#include "program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QVersionNumber>

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
    // never made; Qt 6.8 closes it cleanly. The window is gone and nothing
    // is kept, so under such a Qt on Wayland the process ends here, before
    // Qt closes the connection.
    if (ui::onWayland() && QLibraryInfo::version() < QVersionNumber(6, 8)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
