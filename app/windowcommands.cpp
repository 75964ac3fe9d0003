#include "windowcommands.h"

#include "form.h"
#include "gnomelayout.h"
#include "windowroom.h"

#include <QAction>
#include <QEvent>
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
    , fullScreen_(new FullScreen(form))
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
    connect(addAction(window, commandKeys(WindowCommand::FullScreen)), &QAction::triggered, fullScreen_, &FullScreen::toggle);
    // Escape leaves full screen, and is left to the controls otherwise.
    QAction *leaveFullScreen = addAction(window, {QKeySequence(Qt::Key_Escape)});
    leaveFullScreen->setEnabled(false);
    connect(leaveFullScreen, &QAction::triggered, fullScreen_, &FullScreen::toggle);
    connect(fullScreen_, &FullScreen::stateChanged, leaveFullScreen, [leaveFullScreen](FullScreen::State state) {
        leaveFullScreen->setEnabled(state == FullScreen::State::Full);
    });
    connect(fullScreen_, &FullScreen::zoomChanged, this, &WindowCommands::announceZoom);
    connect(addAction(window, commandKeys(WindowCommand::Close)), &QAction::triggered, window, &QWidget::close);
    askGnomeDeviceLayout(this, [this](bool deviceLayout) { gnomeDeviceLayout_ = deviceLayout; });
}

void WindowCommands::zoom(ZoomKey key)
{
    if (fullScreen_->state() != FullScreen::State::Normal)
        return;
    const QWidget *window = form_.surface();
    const WindowRoom room = WindowRoom::of(*window, gnomeDeviceLayout_);
    const qreal factor = steppedZoom(form_.zoom(), key, form_.designedSize(), room.clientRoom());
    if (factor == form_.zoom())
        return;
    const bool grows = factor > form_.zoom();
    const QPoint corner = window->frameGeometry().topLeft();
    form_.setZoom(factor);
    // A growing window stays on its screen: on X the program places it,
    // as not every window manager does; on Wayland, where the program
    // cannot, it is placed anew, and the compositor puts it on the screen.
    if (grows) {
        if (const std::optional<QPoint> placed = room.placed(corner, window->size()))
            place(*placed);
        else
            form_.placeAnew();
    }
    announceZoom();
}

// Placed by its client area, with the frame the window has now. Where the
// window manager has put the window already, nothing is asked.
void WindowCommands::place(QPoint frameCorner)
{
    QWidget *window = form_.surface();
    const QPoint offset = window->geometry().topLeft() - window->frameGeometry().topLeft();
    if (frameCorner + offset != window->geometry().topLeft())
        window->setGeometry(QRect(frameCorner + offset, window->size()));
}

void WindowCommands::announceZoom()
{
    form_.announce(QStringLiteral("Мащаб %1 %").arg(qRound(form_.zoom() * 100)));
}

} // namespace program
