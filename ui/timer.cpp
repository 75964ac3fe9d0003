#include "timer.h"

#include "runtimeerror.h"

namespace ui {

Timer::Timer()
{
    // A coarse timer may be 5 % late on every tick; the eyes notice that.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (handler_)
            runHandler(handler_);
    });
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    apply();
}

void Timer::setInterval(qint32 milliseconds)
{
    if (milliseconds < 0)
        throw RuntimeError(QStringLiteral("недопустим период %1").arg(milliseconds));
    interval_ = milliseconds;
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

} // namespace ui
