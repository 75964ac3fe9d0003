#pragma once

namespace ui {

// Tells screen readers what Qt's own accessibility cannot know of this
// program's widgets. Installed once, as the application is set up.
void installAccessibility();

} // namespace ui
