#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

// A private X server (Xvfb, with or without a window manager) with the
// program on it, driven by real X input events through xdotool and watched
// through xwd.
class XSession
{
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    enum class WindowManager { None, Openbox };

    // Starts Xvfb on a display it picks itself, and the window manager if
    // asked; an empty text on success, otherwise what went wrong.
    QString startServer(WindowManager windowManager = WindowManager::None);
    // Starts the program and waits for its window; an empty text on success.
    QString startProgram(const QString &path, int timeoutMs);
    void stop();

    // Window-relative pixels.
    void click(QPoint at);
    void key(const QString &keys);
    QImage capture();

    QRect windowGeometry() const { return window_; }

private:
    QString run(const QString &program, const QStringList &arguments);
    QProcessEnvironment environment() const;

    QProcess server_;
    QProcess windowManager_;
    QProcess program_;
    QString display_;
    QString windowId_;
    QRect window_;
};
