// The real program under a window manager, used by the keyboard alone: keys
// go in as X input events, and what they did is read off the target's pixels.

#include "design.h"
#include "imagedifference.h"
#include "targetwatch.h"
#include "xsession.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <memory>
#include <set>
#include <vector>

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterAndSpacePressTheButtons();
    void arrowsChooseExercisesAndWrap();
    void hiddenTargetKeepsTheFocus();
    void zoomKeysFullScreenAndClose_data();
    void zoomKeysFullScreenAndClose();

private:
    // Keys one at a time, as a person types them.
    void keys(const QString &sequence);
    // Whether the target moves within a second and again, only among the
    // places given, or stays still; where not, they say what they saw.
    bool running(std::initializer_list<Place> places);

    std::unique_ptr<XSession> session;
};

void TestKeyboard::init()
{
    session = std::make_unique<XSession>();
    const QString program = session->startProgram(QStringLiteral(EYE_TRAINER_PATH), 15000);
    QVERIFY2(program.isEmpty(), qPrintable(program));
    // At rest after start-up, with the description focused, as designed.
    QTRY_COMPARE_WITH_TIMEOUT(placeOf(findTarget(session->capture())), Place::Left, 5000);
}

void TestKeyboard::cleanup()
{
    session.reset();
}

void TestKeyboard::keys(const QString &sequence)
{
    for (const QString &key : sequence.split(' ')) {
        session->key(key);
        QThread::msleep(30);
    }
}

bool TestKeyboard::running(std::initializer_list<Place> places)
{
    const std::vector<Change> changes = watchTarget(*session, 2000, 3);
    if (changes.size() >= 3 && onlyAt(changes, places))
        return true;
    qWarning("the target runs otherwise: %s", qPrintable(describe(changes)));
    return false;
}


// Each of the keys that press a button, in one run.
void TestKeyboard::enterAndSpacePressTheButtons()
{
    keys(QStringLiteral("Tab Tab Return")); // the chosen option, then "Започни"
    QVERIFY(running({Place::Left, Place::Right}));
    keys(QStringLiteral("Tab space")); // "Спри"
    QVERIFY(staysStill(*session, 200));
    keys(QStringLiteral("shift+Tab KP_Enter")); // "Започни" again
    QVERIFY(running({Place::Left, Place::Right}));
}

void TestKeyboard::arrowsChooseExercisesAndWrap()
{
    keys(QStringLiteral("Tab Down")); // "Горе-Долу"
    keys(QStringLiteral("Tab Return"));
    QVERIFY(running({Place::Top, Place::Bottom}));
    // Up from "Горе-Долу" to "Ляво-Дясно", then past the top to "По часовата".
    keys(QStringLiteral("shift+Tab Up Up"));
    QVERIFY(running({Place::Top, Place::Right, Place::Bottom, Place::Left}));
    // Right past the bottom wraps to "Ляво-Дясно"; Left comes back.
    keys(QStringLiteral("Right"));
    QVERIFY(running({Place::Left, Place::Right}));
    keys(QStringLiteral("Left Left")); // "Срещу часовата"
    QVERIFY(running({Place::Left, Place::Bottom, Place::Right, Place::Top}));
    // Tab leaves the group from the chosen option, in the designed order:
    // the description, "Започни", "Спри".
    keys(QStringLiteral("Tab Tab Tab Return"));
    QVERIFY(staysStill(*session, 200));
}

void TestKeyboard::hiddenTargetKeepsTheFocus()
{
    keys(QStringLiteral("Tab Down Down")); // "Светофар"
    keys(QStringLiteral("Tab space"));     // started
    QVERIFY(running({Place::Middle, Place::Hidden}));
    keys(QStringLiteral("Tab Tab")); // "Спри", then the target
    // The target hides under the focus and shows again; then End, which in
    // the period list would choose 900 ms.
    const std::vector<Change> hiding = watchTarget(*session, 3000, 4);
    QVERIFY2(hiding.size() >= 4 && onlyAt(hiding, {Place::Middle, Place::Hidden}), qPrintable(describe(hiding)));
    keys(QStringLiteral("End"));
    const std::vector<Change> changes = watchTarget(*session, 1600, 7);
    const double period = medianInterval(changes);
    QVERIFY2(period >= 150 && period <= 260, qPrintable(QStringLiteral("median period %1 ms after End, 200 ms chosen: %2").arg(period).arg(describe(changes))));
    QVERIFY2(onlyAt(changes, {Place::Middle, Place::Hidden}), qPrintable(describe(changes)));
}

void TestKeyboard::zoomKeysFullScreenAndClose_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("close");

    QTest::newRow("desktop at 100 %") << 1.0 << "ctrl+q";
    QTest::newRow("desktop at 125 %") << 1.25 << "ctrl+w";
    QTest::newRow("desktop at 150 %") << 1.5 << "ctrl+q";
}

// Up as far as the screen holds the window, frame and all, down again, and
// back to the designed size; then full screen and back, and a key closes it.
void TestKeyboard::zoomKeysFullScreenAndClose()
{
    QFETCH(double, scale);
    QFETCH(QString, close);

    if (scale != 1) {
        session->stop();
        const QString program =
            session->startProgram(QStringLiteral(EYE_TRAINER_PATH), 15000, {"QT_SCALE_FACTOR=" + QString::number(scale)});
        QVERIFY2(program.isEmpty(), qPrintable(program));
        QTRY_VERIFY_WITH_TIMEOUT(findTarget(session->capture()), 5000);
    }
    const QRect screen(QPoint(0, 0), session->screenSize());
    const QMargins frame = session->frameMargins();
    const auto sizeAt = [scale](std::size_t step) {
        const QSize zoomed = designed::windowAt(designed::ZoomSteps[step]);
        return (QSizeF(zoomed) * scale).toSize();
    };
    const auto fits = [&](std::size_t step) {
        const QSize outer = sizeAt(step).grownBy(frame);
        return outer.width() <= screen.width() && outer.height() <= screen.height();
    };
    const auto onScreen = [&] { return screen.contains(session->windowGeometry().marginsAdded(frame)); };
    const QImage start = session->capture();
    QCOMPARE(session->windowGeometry().size(), sizeAt(0));

    std::size_t step = 0;
    while (step + 1 < designed::ZoomSteps.size() && fits(step + 1)) {
        keys(QStringLiteral("ctrl+plus"));
        ++step;
        QTRY_COMPARE_WITH_TIMEOUT(session->windowGeometry().size(), sizeAt(step), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(onScreen(), 3000);
    }
    QVERIFY2(step >= 1, "the screen should hold a step");
    // No step past the largest that fits: one step out from there is the
    // step below it.
    keys(QStringLiteral("ctrl+plus ctrl+minus"));
    QTRY_COMPARE_WITH_TIMEOUT(session->windowGeometry().size(), sizeAt(step - 1), 3000);
    QVERIFY(onScreen());
    keys(QStringLiteral("ctrl+0"));
    QTRY_COMPARE_WITH_TIMEOUT(session->windowGeometry().size(), sizeAt(0), 3000);
    QString difference;
    QTRY_VERIFY2_WITH_TIMEOUT((difference = differenceFrom(session->capture(), start, QStringLiteral("the start"))).isEmpty(), qPrintable(difference), 3000);

    keys(QStringLiteral("F11"));
    QTRY_COMPARE_WITH_TIMEOUT(session->windowGeometry().size(), screen.size(), 3000);
    keys(QStringLiteral("Tab Tab Return")); // "Ляво-Дясно" runs
    std::set<int> lefts;
    QElapsedTimer watching;
    watching.start();
    while (lefts.size() < 2 && watching.elapsed() < 3000)
        if (const std::optional<QPoint> target = findTarget(session->capture()))
            lefts.insert(target->x());
    QCOMPARE(lefts.size(), std::size_t(2));
    // From XL to XD, 6365 twips, at the largest zoom the screen holds; in
    // device pixels, whatever the desktop's scale.
    const double fitted = std::min(double(screen.width()) / designed::WindowPixels.width(), double(screen.height()) / designed::WindowPixels.height());
    const double jump = *lefts.rbegin() - *lefts.begin();
    QVERIFY2(std::abs(jump - 6365.0 / 15 * fitted) <= 2, qPrintable(QStringLiteral("jump %1 px at zoom %2").arg(jump).arg(fitted)));

    keys(QStringLiteral("Escape"));
    QTRY_COMPARE_WITH_TIMEOUT(session->windowGeometry().size(), sizeAt(0), 3000);
    keys(close);
    QCOMPARE(session->waitForExit(5000), 0);
}

QTEST_GUILESS_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
