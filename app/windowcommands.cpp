#include "windowcommands.h"

#include "form.h"

#include <QAction>
#include <QScreen>
#include <QWidget>

namespace program {

namespace {

QAction *addAction(QWidget *window, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(window);
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

} // namespace

WindowCommands::WindowCommands(ui::Form &form)
    : QObject(form.surface())
    , form_(form)
{
    QWidget *window = form.surface();
    // Every key the platform zooms with, and those browsers and editors add.
    QList<QKeySequence> in = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    in << QKeySequence(Qt::CTRL | Qt::Key_Equal) << QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus));
    QList<QKeySequence> out = QKeySequence::keyBindings(QKeySequence::ZoomOut);
    out << QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus));
    // clang-format off
    const struct { QList<QKeySequence> keys; ZoomKey key; } zoomKeys[]{
        {in,                                    ZoomKey::In},
        {out,                                   ZoomKey::Out},
        {{QKeySequence(Qt::CTRL | Qt::Key_0)},  ZoomKey::Designed},
    };
    // clang-format on
    for (const auto &[keys, key] : zoomKeys)
        connect(addAction(window, keys), &QAction::triggered, this, [this, key = key] { zoom(key); });
    // Qt's bindings for a desktop it does not know name no full-screen key;
    // F11 is the one desktops and browsers use.
    QList<QKeySequence> fullScreen = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (fullScreen.isEmpty())
        fullScreen << QKeySequence(Qt::Key_F11);
    connect(addAction(window, fullScreen), &QAction::triggered, this, &WindowCommands::toggleFullScreen);
    // Escape leaves full screen, and is left to the controls otherwise.
    leaveFullScreen_ = addAction(window, {QKeySequence(Qt::Key_Escape)});
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QAction::triggered, this, &WindowCommands::toggleFullScreen);
    QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Quit);
    close << QKeySequence::keyBindings(QKeySequence::Close);
    connect(addAction(window, close), &QAction::triggered, window, &QWidget::close);
}

void WindowCommands::zoom(ZoomKey key)
{
    if (form_.isFullScreen())
        return;
    const QWidget *window = form_.surface();
    // The window, its frame included, within the screen's room for windows.
    QSize room = window->screen() ? window->screen()->availableGeometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    room -= window->frameGeometry().size() - window->size();
    const qreal factor = steppedZoom(form_.zoom(), key, form_.designedSize(), room);
    if (factor == form_.zoom())
        return;
    form_.setZoom(factor);
    announceZoom();
}

void WindowCommands::toggleFullScreen()
{
    const bool leaving = form_.isFullScreen();
    if (leaving) {
        form_.showNormal(zoomBeforeFullScreen_);
    } else {
        const QScreen *screen = form_.surface()->screen();
        if (!screen)
            return;
        zoomBeforeFullScreen_ = form_.zoom();
        form_.showFullScreen(fittedZoom(form_.designedSize(), screen->geometry().size()));
    }
    leaveFullScreen_->setEnabled(!leaving);
    announceZoom();
}

void WindowCommands::announceZoom()
{
    form_.announce(QStringLiteral("Мащаб %1 %").arg(qRound(form_.zoom() * 100)));
}

} // namespace program
