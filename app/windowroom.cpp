#include "windowroom.h"

#include "platform.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace program {

namespace {

// The nearest start of a stretch of `length` to `start` that lies within
// `from` .. `from + room`; the beginning where it cannot.
int within(int start, int length, int from, int room)
{
    return std::max(from, std::min(start, from + room - length));
}

} // namespace

WindowRoom::WindowRoom(const Screen &screen, QMargins frame)
    : room_(screen.available.topLeft(), screen.available.size() / screen.layoutScale)
    , frame_(frame)
    , told_(screen.told)
{
    if (!told_)
        room_.setTop(room_.top() + UntoldPanel + (frame.top() > 0 ? 0 : UntoldTitleBar));
}

WindowRoom WindowRoom::of(const QWidget &window, bool gnomeDeviceLayout)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QScreen *screen = window.screen();
    if (!screen)
        return WindowRoom({QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)}, frame);
    const bool wayland = ui::onWayland();
    return WindowRoom({screen->availableGeometry(), gnomeDeviceLayout ? screen->devicePixelRatio() : 1, !wayland}, frame);
}

QSize WindowRoom::clientRoom() const
{
    return room_.size().shrunkBy(frame_);
}

std::optional<QPoint> WindowRoom::placed(QPoint frameCorner, QSize client) const
{
    if (!told_)
        return std::nullopt;
    const QSize outer = client.grownBy(frame_);
    return QPoint(within(frameCorner.x(), outer.width(), room_.left(), room_.width()), within(frameCorner.y(), outer.height(), room_.top(), room_.height()));
}

} // namespace program
