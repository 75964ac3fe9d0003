// The real program in the desktops most people use, GNOME Shell and KDE
// Plasma's KWin, each started headless as a Wayland compositor, in weston
// (scripts/wayland-desktop), and on X under openbox: keys go in through the
// compositor's own input interface or as X input events, and every size and
// place is read off the desktop's own screenshots, in device pixels; what Qt
// reports of the window is no evidence on Wayland. On Wayland, what the
// program tells the compositor is read off the protocol; where an X server
// is at hand too, the window is the same program's on X, pixel for pixel.

#include "desktopsession.h"
#include "design.h"
#include "endtoend/xsession.h"
#include "imagedifference.h"
#include "windowroom.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>

namespace {

// The compositors' screen in logical pixels; the desktop's scale
// multiplies it.
constexpr int LaptopWidth = 1366;
// Rows that no title bar is lower than, where the test cannot ask.
constexpr int TitleBar = 24;
// Pictures this far apart that agree show the screen settled, not a
// compositor between two of its frames.
constexpr int SettleMs = 100;

// What is wrong in what the program said to the compositor as its window
// first showed: its desktop entry, its fixed size and its caption. Wayland
// 1.23 (Debian 13) writes an object's id after '#', not '@'.
QString misToldInProtocol(const QString &said)
{
    const QRegularExpressionMatch appId = QRegularExpression(QStringLiteral(R"re(xdg_toplevel[@#]\d+\.set_app_id\("([^"]*)"\))re")).match(said);
    if (appId.captured(1) != QLatin1String(EYETRAINER_APP_ID))
        return QStringLiteral("the application id is \"%1\"").arg(appId.captured(1));
    // A toplevel as small as it is large cannot be maximised; a compositor
    // that decorates the window leaves the maximise button out.
    const QString designedSize = QStringLiteral("(%1, %2)").arg(designed::WindowPixels.width()).arg(designed::WindowPixels.height());
    for (const char *limit : {"set_min_size", "set_max_size"}) {
        const QString told = QRegularExpression(QLatin1String(limit) + QStringLiteral(R"(\(\d+, \d+\))")).match(said).captured().mid(int(qstrlen(limit)));
        if (told != designedSize)
            return QStringLiteral("%1%2, not %3").arg(QLatin1String(limit), told, designedSize);
    }
    if (!said.contains(QStringLiteral("set_title(\"eye-trainer.example  Биология - упражнения за зрение\")")))
        return QStringLiteral("the caption was not told");
    return {};
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { failed |= QTest::currentTestFailed(); }
    void zoomStaysOnTheScreenFullScreenAndClose();

private:
    // The screen once the window on it has changed from `before` and then
    // stayed the same for two pictures in a row.
    QImage changedFrom(QRect before);
    QSize deviceSize(qreal zoom) const;
    // Empty once a picture matches the window as it started, else how the
    // last differs. The description's caret blinks: pictures are taken
    // until one catches it as it was.
    QString unlikeTheStart(const std::function<QImage()> &picture, const QString &name) const;
    // Whether the whole window is on the screen, title bar and all, below
    // the desktop's panel, and whether a window of that size could be.
    bool wholeOnScreen(QRect window) const;
    bool fits(qreal zoom) const;
    void press(const QString &chord);

    std::unique_ptr<DesktopSession> desktop;
    QProcess program;
    QTemporaryDir scratch; // what the program says to a Wayland compositor
    qreal scale = 1;
    QRect screen;
    int panel = 0;
    QMargins frame;
    QRect window;
    QImage started; // the window as it first showed
    bool failed = false;
};

void TestDesktop::initTestCase()
{
    desktop = std::make_unique<DesktopSession>();
    QVERIFY2(desktop->error().isEmpty(), qPrintable(desktop->error()));
    QImage empty;
    QTRY_VERIFY2_WITH_TIMEOUT(!(empty = desktop->capture()).isNull(), "the desktop took no picture", 10000);
    // On X the program takes its scale from Qt's setting, as the test does.
    scale = DesktopSession::onX() ? qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble() : qreal(empty.width()) / LaptopWidth;
    screen = empty.rect();
    // GNOME Shell's top bar and weston's panel; KWin started alone and
    // openbox show none.
    panel = !DesktopSession::onX() && DesktopSession::desktop() != QLatin1String("KDE") ? qRound(32 * scale) : 0;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (DesktopSession::onX()) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        // The compositor's scale is the program's there; Qt's setting is
        // for the same program on X.
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
        environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        program.setStandardErrorFile(scratch.filePath(QStringLiteral("protocol")));
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(EYE_TRAINER_PATH), {});
    QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
    const QImage shown = changedFrom(QRect());
    window = designed::windowIn(shown);
    started = shown.copy(window);
    QCOMPARE(window.size(), deviceSize(1));
    frame = DesktopSession::onX() ? desktop->activeFrame() : QMargins(0, qRound(TitleBar * scale), 0, 0);
}

// What the program wrote besides the protocol, told where a check failed;
// a sanitizer's report fails the test.
void TestDesktop::cleanupTestCase()
{
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(3000);
    }
    desktop.reset();
    QFile written(scratch.filePath(QStringLiteral("protocol")));
    if (!written.open(QIODevice::ReadOnly))
        return;
    QStringList said;
    while (!written.atEnd())
        if (const QString line = QString::fromUtf8(written.readLine()); !line.startsWith('['))
            said << line.trimmed();
    if (failed)
        qInfo().noquote() << "the program wrote:\n" + said.join('\n');
    QVERIFY2(!said.join('\n').contains(QLatin1String("Sanitizer")), qPrintable(said.join('\n')));
}

QImage TestDesktop::changedFrom(QRect before)
{
    QImage last;
    for (const QDeadlineTimer deadline(15000); !deadline.hasExpired(); QThread::msleep(SettleMs)) {
        QImage now = desktop->capture();
        const QRect shown = designed::windowIn(now);
        // A window placed anew leaves the screen empty for a moment.
        if (!shown.isNull() && shown != before && now == last)
            return now;
        last = std::move(now);
    }
    qWarning("the window stayed at %d, %d, %d x %d", before.x(), before.y(), before.width(), before.height());
    return last;
}

QSize TestDesktop::deviceSize(qreal zoom) const
{
    return designed::windowAt(zoom) * scale;
}

QString TestDesktop::unlikeTheStart(const std::function<QImage()> &picture, const QString &name) const
{
    QImage last;
    for (const QDeadlineTimer deadline(5000); !deadline.hasExpired(); QThread::msleep(SettleMs))
        if ((last = picture()) == started)
            return {};
    return differenceFrom(last, started, name);
}

bool TestDesktop::wholeOnScreen(QRect client) const
{
    const QRect outer = client.marginsAdded(frame);
    return screen.contains(outer) && outer.top() >= panel;
}

bool TestDesktop::fits(qreal zoom) const
{
    const QSize size = deviceSize(zoom);
    if (DesktopSession::onX()) {
        const QSize room = program::WindowRoom({screen}, frame).clientRoom();
        return size.width() <= room.width() && size.height() <= room.height();
    }
    const QSize outer = size.grownBy(frame);
    return outer.width() <= screen.width() && outer.height() <= screen.height() - panel;
}

void TestDesktop::press(const QString &chord)
{
    QVERIFY2(desktop->key(chord), qPrintable(QStringLiteral("the desktop took no %1").arg(chord)));
}

// Up as far as the screen holds the window with its title bar, each step
// on the screen, none past the largest; full screen from there and from the
// designed size, and back; the designed size again, and a key closes it.
void TestDesktop::zoomStaysOnTheScreenFullScreenAndClose()
{
    QVERIFY2(wholeOnScreen(window), "the window starts off the screen");
    if (!DesktopSession::onX()) {
        QFile protocol(scratch.filePath(QStringLiteral("protocol")));
        QVERIFY(protocol.open(QIODevice::ReadOnly));
        const QString wrong = misToldInProtocol(QString::fromUtf8(protocol.readAll()));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
    // Where the user has moved it: into the screen's lower right corner,
    // its frame past the edges.
    if (DesktopSession::onX() && qEnvironmentVariableIsSet("EYETRAINER_MOVED")) {
        const QString active = XSession::run(QStringLiteral("xdotool"), {"getactivewindow"}).trimmed();
        XSession::run(QStringLiteral("xdotool"),
            {"windowmove", active, QString::number(screen.width() - window.width()), QString::number(screen.height() - window.height())});
        window = designed::windowIn(changedFrom(window));
        QVERIFY2(window.center().x() > screen.center().x() && window.center().y() > screen.center().y(), "the window was not moved");
    }
    // On a laptop's 768 rows that is 175 % (656 rows), with a panel and a
    // title bar, not 200 % (750 rows).
    std::size_t step = 0;
    while (step + 1 < designed::ZoomSteps.size() && fits(designed::ZoomSteps[step + 1])) {
        press(QStringLiteral("ctrl+plus"));
        window = designed::windowIn(changedFrom(window));
        const qreal zoom = designed::ZoomSteps[++step];
        QCOMPARE(window.size(), deviceSize(zoom));
        QVERIFY2(wholeOnScreen(window), qPrintable(QStringLiteral("at %1 % the window is at %2, %3").arg(zoom * 100).arg(window.x()).arg(window.y())));
    }
    QVERIFY2(step >= 1, "the screen should hold a step");
    // No step past the largest: one step out from there is the one below.
    press(QStringLiteral("ctrl+plus"));
    press(QStringLiteral("ctrl+minus"));
    window = designed::windowIn(changedFrom(window));
    QCOMPARE(window.size(), deviceSize(designed::ZoomSteps[step - 1]));
    press(QStringLiteral("ctrl+plus"));
    window = designed::windowIn(changedFrom(window));
    QCOMPARE(window.size(), deviceSize(designed::ZoomSteps[step]));

    // Full screen and back, from the largest step with Escape and from the
    // designed size with F11.
    for (const QString &back : {QStringLiteral("Escape"), QStringLiteral("F11")}) {
        const QRect before = window;
        press(QStringLiteral("F11"));
        QImage shot = changedFrom(window);
        QCOMPARE(designed::windowIn(shot), screen);
        QCOMPARE(shot.pixelColor(0, 0), designed::Lavender);
        // The designed window centred at the largest zoom the screen holds:
        // the target where it rests.
        const qreal fitted = std::min(qreal(screen.width()) / designed::WindowPixels.width(), qreal(screen.height()) / designed::WindowPixels.height());
        const QPointF centre = QRectF(screen).center() + (designed::TargetAtRest.center() / 15 - QRectF(QPointF(), designed::WindowPixels).center()) * fitted;
        const QPointF target = QRectF(designed::areaOf(shot, designed::Yellow)).center();
        QVERIFY2((target - centre).manhattanLength() <= 3,
            qPrintable(QStringLiteral("the target at %1, %2, not %3, %4").arg(target.x()).arg(target.y()).arg(centre.x()).arg(centre.y())));
        press(back);
        shot = changedFrom(screen);
        window = designed::windowIn(shot);
        QCOMPARE(window.size(), before.size());
        QVERIFY2(wholeOnScreen(window), qPrintable(QStringLiteral("back from full screen at %1, %2").arg(window.x()).arg(window.y())));
        if (back == QLatin1String("Escape")) {
            press(QStringLiteral("ctrl+0"));
            window = designed::windowIn(changedFrom(window));
            QCOMPARE(window.size(), deviceSize(1));
        }
        // Every control painted anew.
        const QString difference = unlikeTheStart([this] { return desktop->capture().copy(window); }, QStringLiteral("the window at its start"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Full screen begun by KWin, as its window menu does, gives the zoom
    // from before back as KWin ends it, and as Escape does.
    if (DesktopSession::desktop() == QLatin1String("KDE") && !DesktopSession::onX()) {
        press(QStringLiteral("ctrl+plus"));
        window = designed::windowIn(changedFrom(window));
        for (const bool byKWin : {true, false}) {
            QVERIFY(desktop->setFullScreen(true));
            QCOMPARE(designed::windowIn(changedFrom(window)), screen);
            if (byKWin)
                QVERIFY(desktop->setFullScreen(false));
            else
                press(QStringLiteral("Escape"));
            window = designed::windowIn(changedFrom(screen));
            QCOMPARE(window.size(), deviceSize(designed::ZoomSteps[1]));
        }
    }

    // Either key closes it: one here on X, the other in the compositors.
    press(DesktopSession::onX() ? QStringLiteral("ctrl+w") : QStringLiteral("ctrl+q"));
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    // Where an X server is at hand too, the window was the same program's
    // there.
    if (!DesktopSession::onX() && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        XSession x;
        QString difference = x.startProgram(QStringLiteral(EYE_TRAINER_PATH), 15000);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        // Given the keyboard, as it had on Wayland.
        QProcess::execute(QStringLiteral("xdotool"), {"search", "--name", "Биология", "windowfocus"});
        difference = unlikeTheStart([&x] { return x.capture(); }, QStringLiteral("the window on Wayland"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

QTEST_GUILESS_MAIN(TestDesktop)
#include "tst_desktop.moc"
