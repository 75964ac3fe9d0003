#include "windowcommands.h"

#include "form.h"
#include "platform.h"
#include "screenroom.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace program {

namespace {

QAction *addAction(QWidget *window, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(window);
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

QKeySequence keypad(Qt::Key key)
{
    return QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key));
}

} // namespace

QList<QKeySequence> commandKeys(WindowCommand command)
{
    // clang-format off
    static const struct { WindowCommand command; QKeySequence::StandardKey platform; QList<QKeySequence> shared; } table[]{
        {WindowCommand::ZoomIn,       QKeySequence::ZoomIn,     {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal), keypad(Qt::Key_Plus)}},
        {WindowCommand::ZoomOut,      QKeySequence::ZoomOut,    {QKeySequence(Qt::CTRL | Qt::Key_Minus), keypad(Qt::Key_Minus)}},
        {WindowCommand::ZoomDesigned, QKeySequence::UnknownKey, {QKeySequence(Qt::CTRL | Qt::Key_0)}},
        {WindowCommand::FullScreen,   QKeySequence::FullScreen, {QKeySequence(Qt::Key_F11)}},
        {WindowCommand::Close,        QKeySequence::Quit,       {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)}},
    };
    // clang-format on
    const auto row = std::find_if(std::begin(table), std::end(table), [command](const auto &r) { return r.command == command; });
    if (row == std::end(table))
        qFatal("window command %d has no keys", int(command));
    QList<QKeySequence> keys = row->shared;
    QList<QKeySequence> platform = QKeySequence::keyBindings(row->platform);
    if (command == WindowCommand::Close)
        platform << QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence &key : platform)
        if (!keys.contains(key))
            keys << key;
    return keys;
}

WindowCommands::WindowCommands(ui::Form &form)
    : QObject(form.surface())
    , form_(form)
{
    QWidget *window = form.surface();
    // clang-format off
    const struct { WindowCommand command; ZoomKey key; } zoomKeys[]{
        {WindowCommand::ZoomIn,       ZoomKey::In},
        {WindowCommand::ZoomOut,      ZoomKey::Out},
        {WindowCommand::ZoomDesigned, ZoomKey::Designed},
    };
    // clang-format on
    for (const auto &[command, key] : zoomKeys)
        connect(addAction(window, commandKeys(command)), &QAction::triggered, this, [this, key = key] { zoom(key); });
    connect(addAction(window, commandKeys(WindowCommand::FullScreen)), &QAction::triggered, this, &WindowCommands::toggleFullScreen);
    // Escape leaves full screen, and is left to the controls otherwise.
    leaveFullScreen_ = addAction(window, {QKeySequence(Qt::Key_Escape)});
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QAction::triggered, this, &WindowCommands::toggleFullScreen);
    connect(addAction(window, commandKeys(WindowCommand::Close)), &QAction::triggered, window, &QWidget::close);

    fullScreenAsked_.setSingleShot(true);
    fullScreenAsked_.setInterval(FullScreenAnswerMs);
    connect(&fullScreenAsked_, &QTimer::timeout, this, &WindowCommands::fullScreenRefused);
    window->installEventFilter(this);
}

// The desktop answers full screen with the window's new size, and ends it,
// asked or by itself, with its state. While it has yet to answer, a state
// without full screen may be the late word on an earlier request: only an
// answer or the time allowed ends the asking.
bool WindowCommands::eventFilter(QObject *watched, QEvent *event)
{
    const QWidget *window = form_.surface();
    if (event->type() == QEvent::Resize && window->isFullScreen())
        enteredFullScreen();
    else if (event->type() == QEvent::WindowStateChange && !window->isFullScreen() && fullScreen_)
        leftFullScreen();
    return QObject::eventFilter(watched, event);
}

void WindowCommands::zoom(ZoomKey key)
{
    if (fullScreen_ || form_.isFullScreen())
        return;
    const QWidget *window = form_.surface();
    const QScreen *screen = window->screen();
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const bool wayland = ui::onWayland();
    const QSize room = screen ? clientRoom(screenRoom(*screen), frame, !wayland) : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const qreal factor = steppedZoom(form_.zoom(), key, form_.designedSize(), room);
    if (factor == form_.zoom())
        return;
    const bool grows = factor > form_.zoom();
    form_.setZoom(factor);
    // A desktop keeps a growing window's corner where it was, and on
    // Wayland the program cannot move it: placed anew, it is on the screen.
    if (grows && wayland)
        form_.placeAnew();
    announceZoom();
}

void WindowCommands::toggleFullScreen()
{
    if (fullScreen_) {
        form_.requestNormal();
        return;
    }
    if (fullScreenAsked_.isActive())
        return; // the desktop has yet to answer
    zoomBeforeFullScreen_ = form_.zoom();
    fullScreenAsked_.start();
    form_.requestFullScreen();
}

void WindowCommands::enteredFullScreen()
{
    fullScreenAsked_.stop();
    const qreal before = form_.zoom();
    fullScreen_ = true;
    leaveFullScreen_->setEnabled(true);
    form_.fillWindow(fittedZoom(form_.designedSize(), form_.surface()->size()));
    if (form_.zoom() != before)
        announceZoom();
}

void WindowCommands::leftFullScreen()
{
    fullScreen_ = false;
    leaveFullScreen_->setEnabled(false);
    form_.setZoom(zoomBeforeFullScreen_);
    announceZoom();
}

// A desktop that refuses full screen may not say so: the window is then
// given back its own size, and the next key asks again.
void WindowCommands::fullScreenRefused()
{
    form_.requestNormal();
    form_.setZoom(zoomBeforeFullScreen_);
}

void WindowCommands::announceZoom()
{
    form_.announce(QStringLiteral("Мащаб %1 %").arg(qRound(form_.zoom() * 100)));
}

} // namespace program
