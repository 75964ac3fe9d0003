#include "zoom.h"

namespace ui {

Zoom &Zoom::instance()
{
    static Zoom zoom;
    return zoom;
}

void Zoom::setFactor(qreal factor)
{
    if (factor == factor_)
        return;
    factor_ = factor;
    emit changed();
}

} // namespace ui
