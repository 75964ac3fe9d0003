// The window's own commands by their keys, under the key scheme of the
// platform the test runs on, and full screen as the desktop grants,
// refuses or ends it.

#include "design.h"
#include "eventwatch.h"
#include "shownwindow.h"
#include "windowcommands.h"
#include "zoomsteps.h"

#include <QTest>

namespace {

// Keeps the window's platform from telling the widget of a new size, as a
// desktop that refuses full screen never sends one.
class RefusingDesktop : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Resize; }
};

} // namespace

class TestWindowCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
};

void TestWindowCommands::initTestCase()
{
    program::prepareApplication();
}

void TestWindowCommands::commands_data()
{
    QTest::addColumn<QString>("keys");    // pressed at 125 %, one after the other
    QTest::addColumn<QString>("desktop"); // "grants", "refuses" or "ends" full screen, or "wavers": refuses after a late word on an earlier request
    QTest::addColumn<QString>("end");     // a zoom in per cent, "full" or "closed"
    QTest::addColumn<QString>("reached"); // the keys that reached the focused control

    // clang-format off
    // Every desktop's keys, and the key scheme's own.
    const struct { const char *end; QStringList shared; QList<QKeySequence::StandardKey> platform; } commands[]{
        {"150",    {"Ctrl++", "Ctrl+=", "Ctrl+Num++"}, {QKeySequence::ZoomIn}},
        {"100",    {"Ctrl+-", "Ctrl+Num+-", "Ctrl+0"}, {QKeySequence::ZoomOut}},
        {"full",   {"F11"},                            {QKeySequence::FullScreen}},
        {"closed", {"Ctrl+Q", "Ctrl+W"},               {QKeySequence::Quit, QKeySequence::Close}},
    };
    // clang-format on
    for (const auto &[end, shared, platform] : commands) {
        QStringList keys = shared;
        for (const QKeySequence::StandardKey standard : platform)
            for (const QKeySequence &key : QKeySequence::keyBindings(standard))
                if (!keys.contains(key.toString()))
                    keys << key.toString();
        for (const QString &key : keys)
            QTest::addRow("%s: %s", end, qPrintable(key)) << key << "grants" << QString::fromLatin1(end) << "";
    }
    QTest::newRow("Escape is the controls' outside full screen") << "Escape" << "grants" << "125" << "Esc";
    QTest::newRow("zoom keys change nothing in full screen") << "F11 Ctrl++ Ctrl+- Ctrl+0" << "grants" << "full" << "";
    QTest::newRow("Escape leaves full screen") << "F11 Escape" << "grants" << "125" << "";
    QTest::newRow("F11 leaves full screen") << "F11 F11" << "grants" << "125" << "";
    QTest::newRow("refused: the window as it was, F11 asks again, Escape is the controls'") << "F11 F11 Escape" << "refuses" << "125" << "Esc";
    QTest::newRow("a late word while asked does not end the asking") << "F11" << "wavers" << "125" << "";
    QTest::newRow("ended by the desktop, Escape is the controls'") << "F11 Escape" << "ends" << "125" << "Esc";
}

// Full screen is what the window became: the zoom that fills it there, and
// its own size at its zoom, fixed, everywhere else.
void TestWindowCommands::commands()
{
    QFETCH(QString, keys);
    QFETCH(QString, desktop);
    QFETCH(QString, end);
    QFETCH(QString, reached);

    const std::unique_ptr<ExerciseForm> form = shownWindow();
    QVERIFY(form);
    QWidget *window = form->form.surface();
    const auto fixedAt = [&](qreal zoom) {
        const QSize size = designed::windowAt(zoom);
        return !window->isFullScreen() && window->minimumSize() == size && window->maximumSize() == size && form->form.zoom() == zoom;
    };
    const auto fillsTheScreen = [&] {
        return window->size() == window->screen()->geometry().size() && form->form.zoom() == program::fittedZoom(designed::WindowPixels, window->size());
    };
    QWidget *control = QApplication::focusWidget();
    QVERIFY(control);
    QTest::keySequence(control, QKeySequence(QStringLiteral("Ctrl++")));
    QVERIFY(fixedAt(1.25));
    RefusingDesktop refusing;
    const bool refuses = desktop == QLatin1String("refuses") || desktop == QLatin1String("wavers");
    if (refuses)
        window->windowHandle()->installEventFilter(&refusing);
    // The keys that reach the control: those no command takes.
    QStringList keysReached;
    const EventWatch keyWatch(control, [&keysReached](QEvent *event) {
        if (event->type() != QEvent::KeyPress)
            return;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!QList{Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta}.contains(key->key()))
            keysReached << QKeySequence(key->keyCombination()).toString();
    });

    for (const QString &key : keys.split(' ')) {
        const bool asking = key == QLatin1String("F11") && !window->isFullScreen();
        QTest::keySequence(control, QKeySequence(key));
        if (!asking)
            continue;
        if (refuses) {
            if (desktop == QLatin1String("wavers")) {
                window->showNormal();
                window->showFullScreen();
            }
            // Given back its own size once the desktop has had its time.
            QVERIFY(window->isFullScreen());
            QTRY_VERIFY_WITH_TIMEOUT(fixedAt(1.25), program::WindowCommands::FullScreenAnswerMs * 2);
        } else {
            QTRY_VERIFY(fillsTheScreen());
            if (desktop == QLatin1String("ends"))
                window->showNormal();
        }
    }
    if (end == QLatin1String("full"))
        QTRY_VERIFY(fillsTheScreen());
    else if (end == QLatin1String("closed"))
        QVERIFY(!window->isVisible());
    else
        QTRY_VERIFY(fixedAt(end.toDouble() / 100));
    QCOMPARE(keysReached.join(' '), reached);
}

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
