#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

// The program on the X server that the test runs on (scripts/x-session
// starts it, with a window manager where one matters), driven by real X
// input events through xdotool and watched through its pixels.
class XSession
{
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Starts the program and waits for its window; an empty text on success.
    QString startProgram(const QString &path, int timeoutMs);
    void stop();

    // Window-relative pixels.
    void click(QPoint at);
    // Keys named as xdotool names them, apart by spaces, one at a time as a
    // person types them.
    void key(const QString &keys);
    QImage capture();
    // The whole screen, whoever's windows are on it.
    static QImage captureScreen();
    // What an X tool prints, run to its end.
    static QString run(const QString &program, const QStringList &arguments);

    // The window's client area now, as the X server has it.
    QRect windowGeometry();

private:
    // A window's pixels, or the root's for 0.
    static QImage grab(quint32 window);

    QProcess program_;
    QString windowId_;
    QRect window_;
};
