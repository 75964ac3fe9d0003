#pragma once

#include <QObject>

#include <functional>

namespace program {

// Before Qt 6.8, Qt on Wayland takes GNOME's device-pixel layout for the
// screen's size in pixels, twice the screen at a scale of 2. Where that may
// be so, GNOME is asked once whether it lays its screens out so, without
// waiting for the answer: `answered` hears it, while `context` lives. Where
// it cannot be so, nothing is asked.
void askGnomeDeviceLayout(QObject *context, std::function<void(bool)> answered);

} // namespace program
