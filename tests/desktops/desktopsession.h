#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QMargins>
#include <QProcess>
#include <QString>

#include <memory>

// The desktop the test runs in, driven as a remote-desktop tool drives it:
// GNOME Shell or KWin (scripts/wayland-desktop), with keys through the
// compositor's own input interface and pictures of the whole screen, in
// device pixels, through its own screenshot interface; or an X server
// (scripts/x-session), under a window manager or filled by weston's window,
// with X input events and its pixels.
class DesktopSession
{
public:
    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    // Which desktop, as XDG_CURRENT_DESKTOP names it; empty outside one.
    static QString desktop();
    static bool onX();
    // What went wrong in setting up, empty when the session is ready.
    QString error() const { return error_; }

    // A chord of keys named as xdotool names them, "ctrl+plus".
    bool key(const QString &chord);
    QImage capture();
    // Under KWin: makes the program's window full screen, or ends it, as
    // the window menu does, through KWin's scripting.
    bool setFullScreen(bool on);
    // On X: the frame that the window manager puts around the active window.
    QMargins activeFrame();

private:
    enum class Drive { X, Gnome, KWin };

    Drive drive_ = Drive::X;
    QString error_;
    QString remoteSession_; // GNOME's remote-desktop session
    QProcess kwinKeys_;     // KWin's: one keyboard for the whole session
};
