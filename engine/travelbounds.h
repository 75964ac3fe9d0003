#pragma once

#include "variant.h"

namespace engine {

// Where the target may go, computed once at start-up from the window's outer
// size: Left at the left end, right end and middle, Top at the upper end,
// lower end and middle. Each keeps the numeric type it was computed in.
struct TravelBounds
{
    ui::Variant XL;
    ui::Variant XD;
    ui::Variant XS;
    ui::Variant YG;
    ui::Variant YD;
    ui::Variant YS;
};

} // namespace engine
