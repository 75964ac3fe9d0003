#include "desktopsession.h"

#include "endtoend/xsession.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QVariantMap>

#include <unistd.h>

namespace {

const QString Gnome = QStringLiteral("GNOME");
const QString RemoteDesktop = QStringLiteral("org.gnome.Mutter.RemoteDesktop");

// clang-format off
// Each key the tests press: its X keysym, which mutter takes, and the Linux
// key codes that type it on a US keyboard, which KWin takes.
const struct { const char *name; quint32 keysym; const char *codes; } Keys[]{
    {"ctrl",   0xffe3, "29"},
    {"shift",  0xffe1, "42"},
    {"plus",   0x002b, "42+13"},
    {"equal",  0x003d, "13"},
    {"minus",  0x002d, "12"},
    {"0",      0x0030, "11"},
    {"q",      0x0071, "16"},
    {"w",      0x0077, "17"},
    {"F11",    0xffc8, "87"},
    {"Escape", 0xff1b, "1"},
};
// clang-format on

// A method called with a plain message: what Qt learns of an object through
// an interface object it keeps to the end of the process, which
// LeakSanitizer tells.
QDBusMessage callOnBus(const QString &service, const QString &path, const QString &interface, const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

const auto *keyNamed(const QString &name)
{
    for (const auto &key : Keys)
        if (name == QLatin1String(key.name))
            return &key;
    qFatal("no key named %s in the desktop session's table", qPrintable(name));
}

} // namespace

QString DesktopSession::desktop()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP");
}

bool DesktopSession::onX()
{
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

DesktopSession::DesktopSession()
{
    if (!onX())
        drive_ = desktop() == Gnome ? Drive::Gnome : (desktop() == QLatin1String("KDE") ? Drive::KWin : Drive::X);
    if (drive_ == Drive::X) {
        // weston draws the pointer into its pictures, and follows X's only
        // once it moves inside its window: it is moved there, then to the
        // far corner, where it covers nothing but a frame's last pixels.
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QProcess::execute(QStringLiteral("xdotool"), {"mousemove", "1", "1", "mousemove", "32767", "32767"}) != 0)
            error_ = QStringLiteral("no X server to send input through");
    } else if (drive_ == Drive::Gnome) {
        // GNOME Shell takes pictures only for its own screenshot tool.
        if (!QDBusConnection::sessionBus().registerService(QStringLiteral("org.gnome.Screenshot")))
            error_ = QStringLiteral("could not own org.gnome.Screenshot");
        const QDBusReply<QDBusObjectPath> session =
            callOnBus(RemoteDesktop, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), RemoteDesktop, QStringLiteral("CreateSession"));
        if (!session.isValid()) {
            error_ = session.error().message();
            return;
        }
        remoteSession_ = session.value().path();
        callOnBus(RemoteDesktop, remoteSession_, RemoteDesktop + QStringLiteral(".Session"), QStringLiteral("Start"));
        // mutter 43 drops the first key of a session.
        key(QStringLiteral("shift"));
        // GNOME Shell starts in its overview, where windows show as smaller
        // pictures; Escape leaves it.
        const auto overview = [] {
            const QDBusMessage reply =
                callOnBus(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"), QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("Get"), {QStringLiteral("org.gnome.Shell"), QStringLiteral("OverviewActive")});
            return reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
        };
        const QDeadlineTimer deadline(10000);
        while (overview() && !deadline.hasExpired()) {
            key(QStringLiteral("Escape"));
            QThread::msleep(100);
        }
        if (overview())
            error_ = QStringLiteral("GNOME Shell stays in its overview");
    } else {
        kwinKeys_.start(QStringLiteral(KWIN_KEYS_PATH), {});
        if (!kwinKeys_.waitForStarted(5000))
            error_ = kwinKeys_.errorString();
    }
}

DesktopSession::~DesktopSession()
{
    if (!remoteSession_.isEmpty())
        callOnBus(RemoteDesktop, remoteSession_, RemoteDesktop + QStringLiteral(".Session"), QStringLiteral("Stop"));
    kwinKeys_.closeWriteChannel();
    kwinKeys_.waitForFinished(3000);
}

bool DesktopSession::key(const QString &chord)
{
    if (drive_ == Drive::X)
        return QProcess::execute(QStringLiteral("xdotool"), {"key", chord}) == 0;
    const QStringList names = chord.split('+');
    if (drive_ == Drive::Gnome) {
        const auto notify = [this](const QString &name, bool pressed) {
            const QDBusMessage reply = callOnBus(RemoteDesktop, remoteSession_, RemoteDesktop + QStringLiteral(".Session"),
                QStringLiteral("NotifyKeyboardKeysym"), {keyNamed(name)->keysym, pressed});
            return reply.type() != QDBusMessage::ErrorMessage;
        };
        bool sent = true;
        for (const QString &name : names)
            sent &= notify(name, true);
        for (auto name = names.rbegin(); name != names.rend(); ++name)
            sent &= notify(*name, false);
        return sent;
    }
    QStringList codes;
    for (const QString &name : names)
        codes << QString::fromLatin1(keyNamed(name)->codes);
    kwinKeys_.write((codes.join('+') + '\n').toLatin1());
    while (!kwinKeys_.canReadLine())
        if (!kwinKeys_.waitForReadyRead(5000))
            return false;
    return kwinKeys_.readLine() == "done\n";
}

QImage DesktopSession::capture()
{
    if (drive_ == Drive::X)
        return XSession::captureScreen();
    if (drive_ == Drive::Gnome) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("screen.png"));
        const QDBusMessage reply = callOnBus(QStringLiteral("org.gnome.Shell.Screenshot"), QStringLiteral("/org/gnome/Shell/Screenshot"),
            QStringLiteral("org.gnome.Shell.Screenshot"), QStringLiteral("Screenshot"), {false, false, path});
        return reply.type() == QDBusMessage::ReplyMessage ? QImage(path).convertToFormat(QImage::Format_RGB32) : QImage();
    }
    // KWin answers with the pixels' layout, then writes them into a pipe,
    // which it closes once they are all there.
    int ends[2];
    if (pipe(ends) != 0)
        return QImage();
    QFile reading;
    reading.open(ends[0], QIODevice::ReadOnly, QFile::AutoCloseHandle);
    const QVariantMap options{{QStringLiteral("native-resolution"), true}};
    const QDBusReply<QVariantMap> reply = callOnBus(QStringLiteral("org.kde.KWin"), QStringLiteral("/org/kde/KWin/ScreenShot2"),
        QStringLiteral("org.kde.KWin.ScreenShot2"), QStringLiteral("CaptureActiveScreen"), {options, QVariant::fromValue(QDBusUnixFileDescriptor(ends[1]))});
    ::close(ends[1]);
    if (!reply.isValid())
        return QImage();
    const QVariantMap layout = reply.value();
    const int width = layout.value(QStringLiteral("width")).toInt();
    const int height = layout.value(QStringLiteral("height")).toInt();
    const int stride = layout.value(QStringLiteral("stride")).toInt();
    const auto format = QImage::Format(layout.value(QStringLiteral("format")).toInt());
    const QByteArray data = reading.readAll();
    if (data.size() < qsizetype(stride) * height)
        return QImage();
    return QImage(reinterpret_cast<const uchar *>(data.constData()), width, height, stride, format).convertToFormat(QImage::Format_RGB32);
}

bool DesktopSession::setFullScreen(bool on)
{
    QTemporaryDir folder;
    QFile script(folder.filePath(QStringLiteral("fullscreen.js")));
    if (drive_ != Drive::KWin || !script.open(QIODevice::WriteOnly))
        return false;
    // KWin 5 lists its windows as clients.
    script.write(QStringLiteral("const windows = workspace.windowList ? workspace.windowList() : workspace.clientList();\n"
                                "for (const window of windows) if (window.caption.includes('Биология')) window.fullScreen = %1;\n")
                     .arg(on ? "true" : "false")
                     .toUtf8());
    script.close();
    const QString name = QStringLiteral("eye-trainer-fullscreen");
    const auto scripting = [](const char *method, const QVariantList &arguments) {
        return callOnBus(
            QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"), QStringLiteral("org.kde.kwin.Scripting"), QLatin1String(method), arguments);
    };
    scripting("unloadScript", {name});
    const QDBusReply<int> id = scripting("loadScript", {script.fileName(), name});
    if (!id.isValid())
        return false;
    // KWin 6 keeps its scripts under /Scripting, KWin 5 at the root.
    for (const QString &path : {QStringLiteral("/Scripting/Script%1"), QStringLiteral("/%1")}) {
        if (callOnBus(QStringLiteral("org.kde.KWin"), path.arg(id.value()), QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run")).type()
            == QDBusMessage::ReplyMessage)
            return true;
    }
    return false;
}

// _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
QMargins DesktopSession::activeFrame()
{
    const QString active = XSession::run(QStringLiteral("xdotool"), {"getactivewindow"});
    const QStringList extents = XSession::run(QStringLiteral("xprop"), {"-id", active, "_NET_FRAME_EXTENTS"}).section('=', 1).split(',');
    return extents.size() == 4 ? QMargins(extents[0].toInt(), extents[2].toInt(), extents[1].toInt(), extents[3].toInt()) : QMargins();
}
