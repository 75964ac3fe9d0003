#pragma once

#include "picturebox.h"
#include "ring.h"
#include "travelbounds.h"
#include "variant.h"

namespace engine {

// The exercises. Each tick applies one step of the exercise chosen in mode
// to the target, within the travel bounds, and then advances the rings; it
// keeps nothing of its own between ticks.
class Exercise
{
public:
    Exercise(ui::PictureBox &target, const Rings &rings);

    void tick(const ui::Variant &mode, const TravelBounds &bounds);

private:
    // A place of the target: the bounds that give its Left and its Top.
    using Bound = ui::Variant TravelBounds::*;
    struct Position
    {
        Bound left;
        Bound top;
    };

    // Back to the start look: full size and yellow; place and visibility stay.
    void ResetTarget();
    void place(Position position, const TravelBounds &bounds);
    double perspectiveSize() const;

    ui::PictureBox &target_;
    Rings rings_;
};

} // namespace engine
