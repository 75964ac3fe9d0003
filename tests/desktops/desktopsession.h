#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QProcess>
#include <QString>

#include <memory>

// The desktop the test runs in (scripts/wayland-desktop), GNOME Shell or
// KWin, driven as a remote-desktop tool drives it: keys through the
// compositor's own input interface, pictures of the whole screen, in device
// pixels, through its own screenshot interface.
class DesktopSession
{
public:
    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    // Which desktop, as XDG_CURRENT_DESKTOP names it; empty outside one.
    static QString desktop();
    // What went wrong in setting up, empty when the session is ready.
    QString error() const { return error_; }

    // A chord of keys named as xdotool names them, "ctrl+plus".
    bool key(const QString &chord);
    QImage capture();

private:
    QString error_;
    QString remoteSession_; // GNOME's remote-desktop session
    QProcess kwinKeys_;     // KWin's: one keyboard for the whole session
};
