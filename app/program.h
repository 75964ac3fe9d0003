#pragma once

class ExerciseForm;

namespace program {

// What the program settles with the platform before its window exists: the
// desktop entry it belongs to, its own look whatever the desktop's theme,
// what screen readers are told of its widgets, and its font's stand-ins.
void prepareApplication();

// Starts the window and runs the event loop until the window closes. A
// run-time error, at start-up or later, is reported and ends the run with a
// non-zero status.
int run(ExerciseForm &window);

} // namespace program
