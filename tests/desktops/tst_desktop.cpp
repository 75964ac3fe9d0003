// The real program in the desktops most people use, GNOME Shell and KDE
// Plasma's KWin, each started headless as a Wayland compositor
// (scripts/wayland-desktop), and on X under openbox: keys go in through the
// compositor's own input interface or as X input events, and every size and
// place is read off the desktop's own screenshots, in device pixels; what Qt
// reports of the window is no evidence on Wayland.

#include "desktopsession.h"
#include "design.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

namespace {

// The compositors' screen in logical pixels; the desktop's scale
// multiplies it.
constexpr int LaptopWidth = 1366;
// Rows that no title bar is lower than, where the test cannot ask.
constexpr int TitleBar = 24;

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void zoomStaysOnTheScreenFullScreenAndClose();

private:
    // The screen once the window on it has changed from `before` and then
    // stayed the same for two pictures in a row.
    QImage changedFrom(QRect before);
    QSize deviceSize(qreal zoom) const;
    // Whether the whole window is on the screen, title bar and all, below
    // the desktop's panel, and whether a window of that size could be.
    bool wholeOnScreen(QRect window) const;
    bool fits(qreal zoom) const;
    void press(const QString &chord);

    std::unique_ptr<DesktopSession> desktop;
    QProcess program;
    qreal scale = 1;
    QRect screen;
    int panel = 0;
    QMargins frame;
    QRect window;
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
    // GNOME Shell's top bar; KWin started alone and openbox show no panel.
    panel = !DesktopSession::onX() && DesktopSession::desktop() == QLatin1String("GNOME") ? qRound(32 * scale) : 0;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), DesktopSession::onX() ? QStringLiteral("xcb") : QStringLiteral("wayland"));
    // Under the sanitizers, as in tst_wayland: Qt's Wayland platform leaves
    // its libraries' allocations to the end of the process. On X leaks are
    // looked for.
    if (!DesktopSession::onX() && environment.contains(QStringLiteral("ASAN_OPTIONS")))
        environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(EYE_TRAINER_PATH), {});
    QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
    const QImage shown = changedFrom(QRect());
    window = designed::windowIn(shown);
    QCOMPARE(window.size(), deviceSize(1));
    frame = DesktopSession::onX() ? desktop->activeFrame() : QMargins(0, qRound(TitleBar * scale), 0, 0);
}

void TestDesktop::cleanupTestCase()
{
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(3000);
    }
    desktop.reset();
}

QImage TestDesktop::changedFrom(QRect before)
{
    QImage last;
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        QImage now = desktop->capture();
        if (!now.isNull() && designed::windowIn(now) != before && now == last)
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

bool TestDesktop::wholeOnScreen(QRect client) const
{
    const QRect outer = client.marginsAdded(frame);
    return screen.contains(outer) && outer.top() >= panel;
}

bool TestDesktop::fits(qreal zoom) const
{
    const QSize outer = deviceSize(zoom).grownBy(frame);
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
    const QImage designedWindow = changedFrom(QRect()).copy(window);
    QVERIFY2(wholeOnScreen(window), "the window starts off the screen");
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
        QVERIFY(wholeOnScreen(window));
        if (back == QLatin1String("F11")) {
            // Every control painted anew.
            QCOMPARE(shot.copy(window), designedWindow);
        } else {
            press(QStringLiteral("ctrl+0"));
            shot = changedFrom(window);
            window = designed::windowIn(shot);
            QCOMPARE(window.size(), deviceSize(1));
            QCOMPARE(shot.copy(window), designedWindow);
        }
    }

    // Either key closes it: one here on X, the other in the compositors.
    press(DesktopSession::onX() ? QStringLiteral("ctrl+w") : QStringLiteral("ctrl+q"));
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestDesktop)
#include "tst_desktop.moc"
