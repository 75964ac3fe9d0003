#include "zoomsteps.h"

#include "zoom.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace program {

qreal steppedZoom(qreal now, ZoomKey key, QSizeF designed, QSize room)
{
    if (key == ZoomKey::Designed)
        return ZoomSteps.front();
    const auto nearer = [now](qreal a, qreal b) { return std::abs(a - now) < std::abs(b - now); };
    const auto current = std::min_element(ZoomSteps.begin(), ZoomSteps.end(), nearer) - ZoomSteps.begin();
    const auto next = current + (key == ZoomKey::In ? 1 : -1);
    if (next < 0 || next >= std::ssize(ZoomSteps))
        return now;
    const qreal factor = ZoomSteps[std::size_t(next)];
    const QSize needed = ui::zoomedSize(designed, factor);
    if (key == ZoomKey::In && (needed.width() > room.width() || needed.height() > room.height()))
        return now;
    return factor;
}

qreal fittedZoom(QSizeF designed, QSize screen)
{
    return std::min(screen.width() / designed.width(), screen.height() / designed.height());
}

} // namespace program
