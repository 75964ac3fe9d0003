#include "xsession.h"

#include <QDeadlineTimer>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

XSession::~XSession()
{
    stop();
}

QString XSession::startProgram(const QString &path, int timeoutMs)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program_.setProcessEnvironment(env);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(path, {});
    if (!program_.waitForStarted(5000))
        return QStringLiteral("%1 did not start: %2").arg(path, program_.errorString());

    const QDeadlineTimer deadline(timeoutMs);
    while (windowId_.isEmpty()) {
        if (program_.state() != QProcess::Running)
            return QStringLiteral("the program ended before its window appeared (exit code %1)").arg(program_.exitCode());
        if (deadline.hasExpired())
            return QStringLiteral("the window never appeared within %1 ms").arg(timeoutMs);
        windowId_ = run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "Биология"}).section('\n', 0, 0);
        if (windowId_.isEmpty())
            QThread::msleep(100);
    }
    window_ = windowGeometry();
    return QString();
}

// Not xdotool's geometry: under a window manager it counts the frame's
// offset twice.
QRect XSession::windowGeometry()
{
    const QStringList info = run(QStringLiteral("xwininfo"), {"-id", windowId_}).split('\n');
    auto value = [&info](const char *name) {
        for (const QString &line : info)
            if (line.trimmed().startsWith(QLatin1String(name) + ':'))
                return line.section(':', 1).toInt();
        return -1;
    };
    return QRect(value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"));
}

void XSession::stop()
{
    if (program_.state() == QProcess::NotRunning)
        return;
    program_.terminate();
    if (!program_.waitForFinished(3000)) {
        program_.kill();
        program_.waitForFinished(3000);
    }
    windowId_.clear();
}

void XSession::click(QPoint at)
{
    const QPoint screen = window_.topLeft() + at;
    run(QStringLiteral("xdotool"), {"mousemove", QString::number(screen.x()), QString::number(screen.y()), "click", "1"});
}

void XSession::key(const QString &keys)
{
    run(QStringLiteral("xdotool"), QStringList{"key", "--delay", "30"} + keys.split(' '));
}

QImage XSession::capture()
{
    return grab(windowId_.toUInt());
}

QImage XSession::captureScreen()
{
    return grab(0);
}

// Read over a connection of the test's own: a 1920 x 1080 screen takes
// milliseconds, where a tool such as xwd takes a fifth of a second.
QImage XSession::grab(quint32 window)
{
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t *)> connection(xcb_connect(nullptr, nullptr), xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return QImage();
    const xcb_setup_t *setup = xcb_get_setup(connection.get());
    if (window == 0)
        window = xcb_setup_roots_iterator(setup).data->root;
    const std::unique_ptr<xcb_get_geometry_reply_t, void (*)(void *)> geometry(
        xcb_get_geometry_reply(connection.get(), xcb_get_geometry(connection.get(), window), nullptr), free);
    if (!geometry)
        return QImage();
    const std::unique_ptr<xcb_get_image_reply_t, void (*)(void *)> reply(
        xcb_get_image_reply(
            connection.get(), xcb_get_image(connection.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u), nullptr),
        free);
    // Blue first in four bytes a pixel: the X server's order here.
    const int width = geometry->width, height = geometry->height;
    if (!reply || reply->depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || xcb_get_image_data_length(reply.get()) != 4 * width * height)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const quint32 *>(xcb_get_image_data(reply.get()));
    std::transform(pixels, pixels + qsizetype(width) * height, reinterpret_cast<QRgb *>(image.bits()), [](quint32 pixel) { return pixel | 0xff000000u; });
    return image;
}

QString XSession::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}
