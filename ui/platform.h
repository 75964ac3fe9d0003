#pragma once

#include <QGuiApplication>

namespace ui {

// Whether the windows are a Wayland compositor's, which tells a program
// neither where its window is nor what room the desktop's panels leave.
inline bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace ui
