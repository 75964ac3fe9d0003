// The window's own commands by their keys, under the key scheme of the
// platform the test runs on, and full screen as the desktop grants,
// refuses or ends it.

#include "design.h"
#include "shownwindow.h"
#include "windowcommands.h"
#include "zoomsteps.h"

#include <QAction>
#include <QTest>

using program::WindowCommand;

namespace {

// Keeps the window's platform from telling the widget of a new size, as a
// desktop that refuses full screen never sends one.
class RefusingDesktop : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Resize; }
};

// The keys that reach a control: those no command takes.
class KeysReached : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyPress && !QList{Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta}.contains(key->key()))
            reached << QKeySequence(key->keyCombination());
        return false;
    }
    QList<QKeySequence> reached;
};

const QSize Designed = designed::WindowPixels;

} // namespace

class TestWindowCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void fullScreen_data();
    void fullScreen();

private:
    void press(const QString &keys);
    bool fixedAt(qreal zoom) const;

    std::unique_ptr<ExerciseForm> form;
    QWidget *window = nullptr;
};

void TestWindowCommands::initTestCase()
{
    program::prepareApplication();
}

void TestWindowCommands::init()
{
    form = shownWindow();
    QVERIFY(form);
    window = form->form.surface();
}

void TestWindowCommands::cleanup()
{
    form.reset();
}

void TestWindowCommands::press(const QString &keys)
{
    for (const QString &key : keys.split(' '))
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
}

bool TestWindowCommands::fixedAt(qreal zoom) const
{
    const QSize size = (QSizeF(Designed) * zoom).toSize();
    return !window->isFullScreen() && window->minimumSize() == size && window->maximumSize() == size && form->form.zoom() == zoom;
}

void TestWindowCommands::keys_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<WindowCommand>("command");

    // clang-format off
    const struct { const char *name; WindowCommand command; QList<QKeySequence> shared; QList<QKeySequence::StandardKey> platform; } commands[]{
        {"zoom in",  WindowCommand::ZoomIn,       {QKeySequence("Ctrl++"), QKeySequence("Ctrl+="), QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))}, {QKeySequence::ZoomIn}},
        {"zoom out", WindowCommand::ZoomOut,      {QKeySequence("Ctrl+-"), QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))},                         {QKeySequence::ZoomOut}},
        {"designed", WindowCommand::ZoomDesigned, {QKeySequence("Ctrl+0")},                                                                                        {}},
        {"full",     WindowCommand::FullScreen,   {QKeySequence("F11")},                                                                                           {QKeySequence::FullScreen}},
        {"close",    WindowCommand::Close,        {QKeySequence("Ctrl+Q"), QKeySequence("Ctrl+W")},                                                                {QKeySequence::Quit, QKeySequence::Close}},
    };
    // clang-format on
    for (const auto &[name, command, shared, platform] : commands) {
        for (const QKeySequence &key : shared)
            QTest::addRow("%s: %s", name, qPrintable(key.toString())) << key << command;
        for (const QKeySequence::StandardKey standard : platform)
            for (const QKeySequence &key : QKeySequence::keyBindings(standard))
                QTest::addRow("%s, the platform's: %s", name, qPrintable(key.toString())) << key << command;
    }
}

// Each key of a command does it, from the designed size or 150 %.
void TestWindowCommands::keys()
{
    QFETCH(QKeySequence, key);
    QFETCH(WindowCommand, command);

    if (command == WindowCommand::ZoomOut || command == WindowCommand::ZoomDesigned)
        press(QStringLiteral("Ctrl++ Ctrl++"));
    QTest::keySequence(QApplication::focusWidget(), key);
    switch (command) {
    case WindowCommand::ZoomIn:
        QVERIFY(fixedAt(1.25));
        break;
    case WindowCommand::ZoomOut:
        QVERIFY(fixedAt(1.25));
        break;
    case WindowCommand::ZoomDesigned:
        QVERIFY(fixedAt(1));
        break;
    case WindowCommand::FullScreen:
        QTRY_VERIFY(window->isFullScreen() && window->size() == window->screen()->geometry().size());
        QCOMPARE(form->form.zoom(), program::fittedZoom(Designed, window->size()));
        break;
    case WindowCommand::Close:
        QVERIFY(!window->isVisible());
        break;
    }
}

void TestWindowCommands::fullScreen_data()
{
    QTest::addColumn<QString>("keys");      // pressed from 125 %
    QTest::addColumn<QString>("desktop");   // "grants", "refuses" or "ends" full screen
    QTest::addColumn<bool>("full");         // full screen at the end
    QTest::addColumn<QString>("reached");   // the keys that reached the window

    QTest::newRow("Escape is the controls' outside full screen") << "Escape" << "grants" << false << "Esc";
    QTest::newRow("F11 fills the screen") << "F11" << "grants" << true << "";
    QTest::newRow("zoom keys change nothing in full screen") << "F11 Ctrl++ Ctrl+- Ctrl+0" << "grants" << true << "";
    QTest::newRow("Escape leaves full screen") << "F11 Escape" << "grants" << false << "";
    QTest::newRow("F11 leaves full screen") << "F11 F11" << "grants" << false << "";
    QTest::newRow("a refused F11 leaves the window as it was") << "F11" << "refuses" << false << "";
    QTest::newRow("after a refusal, Escape is the controls'") << "F11 Escape" << "refuses" << false << "Esc";
    QTest::newRow("ended by the desktop, Escape is the controls'") << "F11 Escape" << "ends" << false << "Esc";
}

// Full screen is what the window became: the zoom that fills it there,
// and its own size at its zoom, fixed, everywhere else.
void TestWindowCommands::fullScreen()
{
    QFETCH(QString, keys);
    QFETCH(QString, desktop);
    QFETCH(bool, full);
    QFETCH(QString, reached);

    press(QStringLiteral("Ctrl++"));
    RefusingDesktop refusing;
    if (desktop == QLatin1String("refuses"))
        window->windowHandle()->installEventFilter(&refusing);
    KeysReached keysReached;
    QWidget *control = QApplication::focusWidget();
    QVERIFY(control);
    control->installEventFilter(&keysReached);

    for (const QString &key : keys.split(' ')) {
        const bool wasFull = window->isFullScreen();
        QTest::keySequence(control, QKeySequence(key));
        if (key == QLatin1String("F11") && !wasFull) {
            if (desktop == QLatin1String("refuses")) {
                // The window is given back its own size once the desktop has
                // had its time to answer; the next key asks again.
                QTRY_VERIFY_WITH_TIMEOUT(fixedAt(1.25), program::WindowCommands::FullScreenAnswerMs * 2);
            } else {
                QTRY_COMPARE(window->size(), window->screen()->geometry().size());
                if (desktop == QLatin1String("ends"))
                    window->showNormal();
            }
        }
    }
    if (full) {
        QTRY_COMPARE(window->size(), window->screen()->geometry().size());
        QCOMPARE(form->form.zoom(), program::fittedZoom(Designed, window->size()));
    } else {
        QTRY_VERIFY(fixedAt(1.25));
    }
    QStringList names;
    for (const QKeySequence &key : keysReached.reached)
        names << key.toString();
    QCOMPARE(names.join(' '), reached);
}

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
