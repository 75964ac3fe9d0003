#include "xsession.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QtEndian>

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
    return xwdImage({"-id", windowId_});
}

QImage XSession::captureScreen()
{
    return xwdImage({"-root"});
}

// xwd writes a big-endian header, the window name, a colour map and then the
// pixels in the server's own byte order.
QImage XSession::xwdImage(const QStringList &arguments)
{
    QProcess xwd;
    xwd.start(QStringLiteral("xwd"), arguments + QStringList{"-silent"});
    if (!xwd.waitForFinished(5000))
        return QImage();
    const QByteArray dump = xwd.readAllStandardOutput();
    if (dump.size() < 100)
        return QImage();
    auto header = [&dump](int field) { return qFromBigEndian<quint32>(dump.constData() + 4 * field); };
    const quint32 headerSize = header(0), depth = header(3), width = header(4), height = header(5);
    const quint32 byteOrder = header(7), bytesPerPixel = header(11) / 8, bytesPerLine = header(12), colours = header(19);
    const qsizetype pixels = qsizetype(headerSize) + qsizetype(colours) * 12;
    // Blue first: the X server's order here. Its root has three bytes a
    // pixel, its windows four.
    if (depth != 24 || byteOrder != 0 || bytesPerPixel < 3 || dump.size() < pixels + qsizetype(bytesPerLine) * height)
        return QImage();
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y) {
        const uchar *row = reinterpret_cast<const uchar *>(dump.constData() + pixels + qsizetype(bytesPerLine) * y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (quint32 x = 0; x < width; ++x)
            out[x] = qRgb(row[bytesPerPixel * x + 2], row[bytesPerPixel * x + 1], row[bytesPerPixel * x]);
    }
    return image;
}

QString XSession::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}
