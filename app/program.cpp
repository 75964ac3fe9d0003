#include "program.h"

#include "accessibility.h"
#include "exerciseform.h"
#include "runtimeerror.h"
#include "style.h"
#include "windowdefinition.h"

#include <QApplication>
#include <QFontInfo>

#include <cstdlib>

namespace program {

void prepareApplication()
{
    // A Wayland compositor ties the window to its menu entry and icon by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(EYETRAINER_APP_ID));
    ui::useDesignedLook();
    ui::installAccessibility();
    // Where the designed face is missing, the faces with its metrics, so
    // captions keep their designed widths wherever one of them is installed.
    // Where the system already maps the face to one of them, as fontconfig
    // does, Qt is not told: it would look through each for every new font.
    const design::WindowDefinition &window = design::windowDefinition();
    const QFont designed(window.fontFamily, window.fontPointSize, window.fontWeight);
    if (!design::sameMetricFaces().contains(QFontInfo(designed).family()))
        QFont::insertSubstitutions(window.fontFamily, design::sameMetricFaces());
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
