#include "zoom.h"

namespace ui {

Zoom &Zoom::instance()
{
    static Zoom zoom;
    return zoom;
}

void Zoom::set(qreal factor, QPoint origin)
{
    if (factor == factor_ && origin == origin_)
        return;
    factor_ = factor;
    origin_ = origin;
    emit changed();
}

} // namespace ui
