#include "fullscreen.h"

#include "form.h"
#include "platform.h"
#include "zoomsteps.h"

#include <QEvent>
#include <QScreen>
#include <QWindow>
#include <QWidget>

namespace program {

using namespace std::chrono_literals;

FullScreen::FullScreen(ui::Form &form)
    : QObject(form.surface())
    , form_(form)
{
    answerTime_.setSingleShot(true);
    answerTime_.setInterval(5s);
    // A desktop that refuses full screen may not say so: the window is
    // then given back its own size, and the next key asks again.
    connect(&answerTime_, &QTimer::timeout, this, [this] {
        setState(State::Normal);
        form_.requestNormal();
        giveBack();
    });
    form.surface()->installEventFilter(this);
}

void FullScreen::toggle()
{
    switch (state_) {
    case State::Normal:
        zoomBefore_ = form_.zoom();
        setState(State::Asked);
        answerTime_.start();
        form_.requestFullScreen();
        break;
    case State::Asked: break;
    case State::Full: form_.requestNormal(); break;
    }
}

// The window's own requests change its state at once, and the state is set
// before each: what comes in other states is the desktop's word. It grants
// full screen with the window's new size, makes the window full screen by
// itself with a new state, and ends full screen, or refuses it, with a state
// without it. A late word on an earlier request, read as a refusal, is
// followed by the answer, which the window then follows.
bool FullScreen::eventFilter(QObject *watched, QEvent *event)
{
    const QWidget *window = form_.surface();
    const bool full = window->isFullScreen();
    // Where the window lies at its own fixed size is the place it goes back
    // to as full screen ends: Qt would send the full screen's corner.
    if (event->type() == QEvent::Move && state_ == State::Normal && window->size() == window->maximumSize())
        normalPlace_ = window->geometry().topLeft();
    if (event->type() == QEvent::WindowStateChange) {
        if (full && state_ == State::Normal) {
            zoomBefore_ = form_.zoom();
            fill();
            // A compositor may keep to the size the window was fixed at as
            // it makes the window full screen (KWin 5 does): unfixed now,
            // the window takes the screen's.
            if (const QScreen *screen = window->screen(); ui::onWayland() && screen && window->size() != screen->size())
                form_.surface()->windowHandle()->resize(screen->size());
        } else if (!full && state_ != State::Normal) {
            answerTime_.stop();
            const bool wasFull = state_ == State::Full;
            setState(State::Normal);
            giveBack();
            if (wasFull)
                emit zoomChanged();
        }
    } else if (event->type() == QEvent::Resize && full && state_ != State::Normal) {
        answerTime_.stop();
        fill();
    }
    return QObject::eventFilter(watched, event);
}

void FullScreen::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    emit stateChanged(state);
}

void FullScreen::fill()
{
    const qreal before = form_.zoom();
    setState(State::Full);
    form_.fillWindow(fittedZoom(form_.designedSize(), form_.surface()->size()));
    if (form_.zoom() != before)
        emit zoomChanged();
}

// Once Qt has been told where the window goes, it tells the window manager
// its place with every new size: the full screen's, as it ends, unless
// the window's own is given back.
void FullScreen::giveBack()
{
    form_.setZoom(zoomBefore_);
    if (normalPlace_ && !ui::onWayland())
        form_.surface()->setGeometry(QRect(*normalPlace_, form_.surface()->size()));
}

} // namespace program
