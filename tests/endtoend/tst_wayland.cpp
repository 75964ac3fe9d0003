// The real program under a real Wayland compositor (weston, headless): the
// desktop file name it sends, the size it asks for, and its window on the
// compositor's screen, pixel for pixel as on an X server. Its keys under
// the compositors of GNOME and KDE are tests/desktops'.

#include "design.h"
#include "imagedifference.h"
#include "xsession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

namespace {

const QString Socket = QStringLiteral("eye-trainer-test");

} // namespace

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tellsItsDesktopEntryAndFixedSize();
    void showsAsUnderX();

private:
    QProcessEnvironment waylandEnvironment() const;
    // Starts the program on the compositor, telling on its error channel
    // what it says to it.
    void startOnWayland(QProcess &process) const;
    // A picture of the compositor's screen; null where it took none.
    QImage screenshot() const;

    QTemporaryDir runtime;
    QProcess compositor;
    QProcess program;
    QString protocol; // what the program said to the compositor
};

void TestWayland::startOnWayland(QProcess &process) const
{
    QProcessEnvironment env = waylandEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    // Under the sanitizers: Qt's Wayland platform leaves what its libraries
    // allocate to the end of the process, some from a library already
    // unloaded by then, which no suppression can name. Leaks of the
    // program's own are looked for on X.
    if (env.contains(QStringLiteral("ASAN_OPTIONS")))
        env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(EYE_TRAINER_PATH), {});
}

QProcessEnvironment TestWayland::waylandEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), Socket);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    return env;
}

void TestWayland::initTestCase()
{
    QVERIFY(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    compositor.setProcessEnvironment(waylandEnvironment());
    compositor.setProcessChannelMode(QProcess::MergedChannels);
    // --debug lets weston-screenshooter take pictures.
    compositor.start(QStringLiteral("weston"),
        {"--backend=headless-backend.so", "--use-pixman", "--debug", "--no-config", "--socket=" + Socket, "--width=800", "--height=600"});
    QVERIFY2(compositor.waitForStarted(5000), qPrintable(compositor.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(Socket)), 10000);

    startOnWayland(program);
    QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
    // The first frame is attached and committed after the toplevel is set up.
    // Wayland 1.23 (Debian 13) writes an object's id after '#', not '@'.
    const QDeadlineTimer deadline(15000);
    while (!protocol.contains(QLatin1String("set_title")) || !protocol.contains(QRegularExpression(QStringLiteral(R"(\.attach\(wl_buffer[@#])")))) {
        QVERIFY2(!deadline.hasExpired(), "the program set up no window on the compositor");
        QVERIFY2(program.state() == QProcess::Running, qPrintable(QString::fromLocal8Bit(program.readAllStandardOutput())));
        program.waitForReadyRead(100);
        protocol += QString::fromUtf8(program.readAllStandardError());
    }
}

void TestWayland::cleanupTestCase()
{
    for (QProcess *process : {&program, &compositor}) {
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
    }
}

void TestWayland::tellsItsDesktopEntryAndFixedSize()
{
    QTRY_VERIFY_WITH_TIMEOUT((protocol += QString::fromUtf8(program.readAllStandardError())).contains(QLatin1String("set_max_size")), 5000);
    const QRegularExpressionMatch appId = QRegularExpression(QStringLiteral(R"re(xdg_toplevel[@#]\d+\.set_app_id\("([^"]*)"\))re")).match(protocol);
    QVERIFY2(appId.hasMatch(), "no application id was sent");
    QCOMPARE(appId.captured(1), QStringLiteral(EYETRAINER_APP_ID));
    // A toplevel as small as it is large cannot be maximised; a compositor
    // that decorates the window leaves the maximise button out.
    const QRegularExpressionMatch minimum = QRegularExpression(QStringLiteral(R"(set_min_size\((\d+), (\d+)\))")).match(protocol);
    const QRegularExpressionMatch maximum = QRegularExpression(QStringLiteral(R"(set_max_size\((\d+), (\d+)\))")).match(protocol);
    QVERIFY(minimum.hasMatch() && maximum.hasMatch());
    QCOMPARE(QSize(minimum.captured(1).toInt(), minimum.captured(2).toInt()), designed::WindowPixels);
    QCOMPARE(QSize(maximum.captured(1).toInt(), maximum.captured(2).toInt()), designed::WindowPixels);
    QVERIFY(protocol.contains(QStringLiteral("set_title(\"eye-trainer.example  Биология - упражнения за зрение\")")));
}

QImage TestWayland::screenshot() const
{
    QTemporaryDir pictures;
    QProcess screenshooter;
    screenshooter.setProcessEnvironment(waylandEnvironment());
    screenshooter.setWorkingDirectory(pictures.path());
    screenshooter.start(QStringLiteral("weston-screenshooter"), {});
    screenshooter.waitForFinished(10000);
    const QStringList taken = QDir(pictures.path()).entryList({QStringLiteral("*.png")});
    if (taken.size() != 1)
        qWarning("weston took no picture: %s", qPrintable(QString::fromLocal8Bit(screenshooter.readAllStandardError())));
    return taken.size() == 1 ? QImage(pictures.filePath(taken.first())).convertToFormat(QImage::Format_RGB32) : QImage();
}

void TestWayland::showsAsUnderX()
{
    // The window once it is drawn: two pictures in a row the same.
    QImage screen, before;
    for (const QDeadlineTimer deadline(15000); !deadline.hasExpired();) {
        before = std::exchange(screen, screenshot());
        if (!screen.isNull() && screen == before && !designed::windowIn(screen).isNull())
            break;
    }

    XSession xserver;
    const QString failed = xserver.startProgram(QStringLiteral(EYE_TRAINER_PATH), 15000);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QImage underX;
    QTRY_VERIFY_WITH_TIMEOUT(!(underX = xserver.capture()).isNull() && underX.pixelColor(10, 170) == QColor(255, 255, 0), 5000);

    const QRect window = designed::windowIn(screen);
    QVERIFY2(!window.isNull(), "the window does not show on the compositor's screen");
    const QImage onWayland = screen.copy(QRect(window.topLeft(), underX.size()));
    const QString difference = differenceFrom(onWayland, underX, QStringLiteral("the window on X"));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"
