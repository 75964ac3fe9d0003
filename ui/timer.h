#pragma once

#include <QTimer>

#include <functional>

namespace ui {

// Raises its timer event every Interval milliseconds while enabled.
class Timer
{
public:
    Timer();

    bool Enabled() const { return enabled_; }
    // Enabling a running timer changes nothing: the next event stays due when
    // it was.
    void setEnabled(bool enabled);

    qint32 Interval() const { return interval_; }
    // 0 raises no events. A new interval takes effect at once: a running
    // timer starts counting its new period from the write.
    void setInterval(qint32 milliseconds);

    void setTimerHandler(std::function<void()> handler) { handler_ = std::move(handler); }

    // The time until the next event, -1 when none is due.
    int remainingTime() const { return timer_.remainingTime(); }

private:
    void apply();

    QTimer timer_;
    std::function<void()> handler_;
    qint32 interval_ = 0;
    bool enabled_ = false;
};

} // namespace ui
