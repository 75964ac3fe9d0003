// The window's own commands by their keys, under the key scheme of the
// platform the test runs on, and full screen as the desktop grants,
// refuses or ends it.

#include "design.h"
#include "eventwatch.h"
#include "fullscreen.h"
#include "shownwindow.h"
#include "zoomsteps.h"

#include <QTest>

#include <optional>

namespace {

// Keeps the window's platform from telling the widget of a new size, as a
// desktop that has yet to answer full screen tells none; whether the
// platform has carried out a request shows in what it keeps, and in the
// state it tells.
class SilentDesktop : public QObject
{
public:
    explicit SilentDesktop(QWindow *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *window, QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange && event->spontaneous())
            told = static_cast<QWindow *>(window)->windowStates();
        return event->type() == QEvent::Resize && (resized = true);
    }
    bool resized = false;
    Qt::WindowStates told;
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
    // Keys pressed at 125 %, one after the other, and what the desktop does
    // between them: "+full" makes the window full screen, "-full" ends it or
    // refuses it, "timeout" waits out the time the desktop has to answer,
    // short where a row waits it out.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("desktop"); // "grants" full screen asked for, or stays "silent" until it speaks
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
    // clang-format off
    const struct { const char *name, *keys, *desktop, *end, *reached; } rows[]{
        {"Escape is the controls' outside full screen",         "Escape",                         "grants", "125",  "Esc"},
        {"zoom keys change nothing in full screen",             "F11 Ctrl++ Ctrl+- Ctrl+0",       "grants", "full", ""},
        {"Escape leaves full screen",                           "F11 Escape",                     "grants", "125",  ""},
        {"F11 leaves full screen",                              "F11 F11",                        "grants", "125",  ""},
        {"ended by the desktop, Escape is the controls'",       "F11 -full Escape",               "grants", "125",  "Esc"},
        {"begun and ended by the desktop: the zoom from before", "+full -full",                   "grants", "125",  ""},
        {"begun by the desktop, Escape gives the zoom back",    "+full Escape",                   "grants", "125",  ""},
        {"unanswered: given back, F11 asks again, Escape is the controls'", "F11 timeout F11 timeout Escape", "silent", "125", "Esc"},
        {"zoom keys do nothing while asked",                    "F11 Ctrl++ Ctrl+- timeout",      "silent", "125",  ""},
        {"a clear no ends the asking at once",                  "F11 -full",                      "silent", "125",  ""},
        {"a late answer is followed, and gives the zoom back",  "F11 timeout +full Escape",       "silent", "125",  ""},
        {"a late word on an earlier request, then the answer",  "F11 -full +full",                "silent", "full", ""},
    };
    // clang-format on
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.keys << row.desktop << row.end << row.reached;
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
    auto *fullScreen = window->findChild<program::FullScreen *>();
    QVERIFY(fullScreen);
    const int answerMs = keys.contains(QLatin1String("timeout")) ? 300 : 60000;
    fullScreen->setAnswerTime(std::chrono::milliseconds(answerMs));
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
    // The keys that reach the control: those no command takes.
    QStringList keysReached;
    const EventWatch keyWatch(control, [&keysReached](QEvent *event) {
        if (event->type() != QEvent::KeyPress)
            return;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!QList{Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta}.contains(key->key()))
            keysReached << QKeySequence(key->keyCombination()).toString();
    });
    std::optional<SilentDesktop> silence;
    if (desktop == QLatin1String("silent"))
        silence.emplace(window->windowHandle());

    for (const QString &key : keys.split(' ')) {
        if (key == QLatin1String("timeout")) {
            // On X the desktop's next word is lost until it has ended this.
            QTRY_VERIFY_WITH_TIMEOUT(fixedAt(1.25) && !(silence->told & Qt::WindowFullScreen), answerMs * 2);
        } else if (key.endsWith(QLatin1String("full"))) {
            // The desktop speaks once the platform has done what it was asked.
            QTRY_VERIFY(!silence || silence->resized);
            silence.reset();
            const bool begins = key.startsWith('+');
            window->windowHandle()->setWindowStates(begins ? Qt::WindowFullScreen : Qt::WindowNoState);
            QTRY_COMPARE(window->isFullScreen(), begins);
        } else {
            const bool asks = key == QLatin1String("F11") && fullScreen->state() == program::FullScreen::State::Normal;
            QTest::keySequence(control, QKeySequence(key));
            if (asks && !silence)
                QTRY_VERIFY(fillsTheScreen());
            else if (asks)
                QCOMPARE(fullScreen->state(), program::FullScreen::State::Asked);
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
