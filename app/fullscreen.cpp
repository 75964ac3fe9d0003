#include "fullscreen.h"

#include "form.h"
#include "zoomsteps.h"

#include <QEvent>
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
        giveBackZoom();
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
    const bool full = form_.surface()->isFullScreen();
    if (event->type() == QEvent::WindowStateChange) {
        if (full && state_ == State::Normal) {
            zoomBefore_ = form_.zoom();
            fill();
        } else if (!full && state_ != State::Normal) {
            answerTime_.stop();
            const bool wasFull = state_ == State::Full;
            setState(State::Normal);
            giveBackZoom();
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

void FullScreen::giveBackZoom()
{
    form_.setZoom(zoomBefore_);
}

} // namespace program
