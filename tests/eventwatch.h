#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

// Shows a test each event an object receives, and lets it through.
class EventWatch : public QObject
{
public:
    EventWatch(QObject *watched, std::function<void(QEvent *)> seen)
        : seen_(std::move(seen))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen_(event);
        return false;
    }

private:
    std::function<void(QEvent *)> seen_;
};
