// The real program on a laptop's screen in the desktops most people use,
// GNOME Shell and KDE Plasma's KWin, each started headless as a Wayland
// compositor (scripts/wayland-desktop): keys go in through the compositor's
// own input interface, and every size and place is read off its own
// screenshots, in device pixels; what Qt reports of the window is no
// evidence there.

#include "desktopsession.h"
#include "tests/design.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

namespace {

// The screen in logical pixels; the desktop's scale multiplies it.
const QSize Laptop(1366, 768);
// Rows that no title bar is lower than.
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
    // the desktop's panel.
    bool wholeOnScreen(QRect window) const;
    void press(const QString &chord);

    std::unique_ptr<DesktopSession> desktop;
    QProcess program;
    qreal scale = 1;
    int panel = 0;
    QRect window;
};

void TestDesktop::initTestCase()
{
    desktop = std::make_unique<DesktopSession>();
    QVERIFY2(desktop->error().isEmpty(), qPrintable(desktop->error()));
    QImage empty;
    QTRY_VERIFY2_WITH_TIMEOUT(!(empty = desktop->capture()).isNull(), "the desktop took no picture", 10000);
    scale = qreal(empty.width()) / Laptop.width();
    // GNOME's top bar; KWin started alone shows no panel.
    panel = DesktopSession::desktop() == QLatin1String("GNOME") ? qRound(32 * scale) : 0;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    // Under the sanitizers, as in tst_wayland: Qt's Wayland platform leaves
    // its libraries' allocations to the end of the process.
    if (environment.contains(QStringLiteral("ASAN_OPTIONS")))
        environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(EYE_TRAINER_PATH), {});
    QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
    const QImage shown = changedFrom(QRect());
    window = designed::windowIn(shown);
    QCOMPARE(window.size(), deviceSize(1));
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
    const QRect screen(QPoint(0, 0), Laptop * scale);
    return screen.contains(client) && client.top() >= panel + TitleBar * scale;
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
    // 768 rows hold 175 % (656 rows) with a panel and a title bar, not
    // 200 % (750 rows).
    for (const qreal zoom : {1.25, 1.5, 1.75}) {
        press(QStringLiteral("ctrl+plus"));
        window = designed::windowIn(changedFrom(window));
        QCOMPARE(window.size(), deviceSize(zoom));
        QVERIFY2(wholeOnScreen(window), qPrintable(QStringLiteral("at %1 % the window is at %2, %3").arg(zoom * 100).arg(window.x()).arg(window.y())));
    }
    // No step past 175 %: one step out from there is 150 %.
    press(QStringLiteral("ctrl+plus"));
    press(QStringLiteral("ctrl+minus"));
    window = designed::windowIn(changedFrom(window));
    QCOMPARE(window.size(), deviceSize(1.5));
    press(QStringLiteral("ctrl+plus"));
    window = designed::windowIn(changedFrom(window));
    QCOMPARE(window.size(), deviceSize(1.75));

    // Full screen and back, from 175 % with Escape and from the designed
    // size with F11.
    const QRect whole(QPoint(0, 0), Laptop * scale);
    for (const QString &back : {QStringLiteral("Escape"), QStringLiteral("F11")}) {
        const QRect before = window;
        press(QStringLiteral("F11"));
        QImage screen = changedFrom(window);
        QCOMPARE(designed::windowIn(screen), whole);
        QCOMPARE(screen.pixelColor(0, 0), designed::Lavender);
        press(back);
        screen = changedFrom(whole);
        window = designed::windowIn(screen);
        QCOMPARE(window.size(), before.size());
        QVERIFY(wholeOnScreen(window));
        if (back == QLatin1String("F11")) {
            // Every control painted anew.
            QCOMPARE(screen.copy(window), designedWindow);
        } else {
            press(QStringLiteral("ctrl+0"));
            screen = changedFrom(window);
            window = designed::windowIn(screen);
            QCOMPARE(window.size(), deviceSize(1));
            QCOMPARE(screen.copy(window), designedWindow);
        }
    }

    press(QStringLiteral("ctrl+q"));
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestDesktop)
#include "tst_desktop.moc"
