// The real program on a real X server under a window manager, used as a
// person uses it, with the mouse or with the keyboard alone: clicks and keys
// go in as X input events, and the target is found by its pixels.

#include "design.h"
#include "targetwatch.h"
#include "xsession.h"

#include <QTest>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Window-relative places of the controls used.
const QPoint StartButton = designed::pixelOf(designed::StartButton.center());
const QPoint StopButton = designed::pixelOf(designed::StopButton.center());
const QPoint ClockwiseOption = designed::pixelOf(designed::ClockwiseOption.center());
const QPoint FirstPeriod = designed::pixelOf(designed::PeriodList.topLeft() + QPointF(300, 150));

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void leftRightAtTheChosenPeriod();
    void clockwiseAtALongerPeriod();
    void enterAndSpacePressTheButtons();
    void arrowsChooseExercisesAndWrap();
    void hiddenTargetKeepsTheFocus();

private:
    std::vector<Change> watch(int forMs, std::size_t enough = SIZE_MAX) { return watchTarget(*session, forMs, enough); }
    // Whether the target moves within a second and again, only among the
    // places given, or stays still; where not, they say what they saw.
    bool running(std::initializer_list<Place> places);

    std::unique_ptr<XSession> session;
};

void TestEndToEnd::init()
{
    session = std::make_unique<XSession>();
    const QString program = session->startProgram(QStringLiteral(EYE_TRAINER_PATH), 15000);
    QVERIFY2(program.isEmpty(), qPrintable(program));
    QCOMPARE(session->windowGeometry().size(), designed::WindowPixels);
    // At rest after start-up: Left 0, Top YS, with the description focused.
    QTRY_COMPARE_WITH_TIMEOUT(findTarget(session->capture()), std::optional<QPoint>(QPoint(0, 154)), 5000);
}

void TestEndToEnd::cleanup()
{
    session.reset();
}

bool TestEndToEnd::running(std::initializer_list<Place> places)
{
    const std::vector<Change> changes = watch(2000, 3);
    if (changes.size() >= 3 && onlyAt(changes, places))
        return true;
    qWarning("the target runs otherwise: %s", qPrintable(describe(changes)));
    return false;
}

void TestEndToEnd::leftRightAtTheChosenPeriod()
{
    session->click(StartButton);
    const std::vector<Change> changes = watch(2500, 8);
    QVERIFY2(changes.size() >= 8, qPrintable(QString("only %1 changes of place in 2.5 s at 200 ms").arg(changes.size())));
    QVERIFY2(onlyAt(changes, {Place::Left, Place::Right}), qPrintable(describe(changes)));
    const double period = medianInterval(changes);
    qInfo("left-right: %zu changes, median period %.0f ms", changes.size(), period);
    QVERIFY2(period >= 150 && period <= 260, qPrintable(QString("median period %1 ms, chosen 200 ms").arg(period)));
}

void TestEndToEnd::clockwiseAtALongerPeriod()
{
    session->click(ClockwiseOption);
    session->click(FirstPeriod);               // "200"
    session->key(QStringLiteral("Down Down")); // "400"
    session->click(StartButton);
    const std::vector<Change> changes = watch(2400, 5);
    QVERIFY2(changes.size() >= 5, qPrintable(QString("only %1 changes of place in 2.4 s at 400 ms").arg(changes.size())));
    const Place round[]{Place::Top, Place::Right, Place::Bottom, Place::Left};
    const auto next = [&round](Place place) {
        const auto at = std::find(std::begin(round), std::end(round), place);
        return at == std::end(round) ? Place::Elsewhere : round[(at - round + 1) % 4];
    };
    for (std::size_t i = 2; i < changes.size(); ++i)
        QVERIFY2(
            changes[i].place == next(changes[i - 1].place), qPrintable(QString("%1 after %2").arg(nameOf(changes[i].place), nameOf(changes[i - 1].place))));
    const double period = medianInterval(changes);
    qInfo("clockwise: %zu changes, median period %.0f ms", changes.size(), period);
    QVERIFY2(period >= 340 && period <= 480, qPrintable(QString("median period %1 ms, chosen 400 ms").arg(period)));

    // "Спри" leaves the target where it is.
    session->click(StopButton);
    QVERIFY(staysStill(*session, 400));
}

// Each of the keys that press a button, in one run.
void TestEndToEnd::enterAndSpacePressTheButtons()
{
    session->key(QStringLiteral("Tab Tab Return")); // the chosen option, then "Започни"
    QVERIFY(running({Place::Left, Place::Right}));
    session->key(QStringLiteral("Tab space")); // "Спри"
    QVERIFY(staysStill(*session, 200));
    session->key(QStringLiteral("shift+Tab KP_Enter")); // "Започни" again
    QVERIFY(running({Place::Left, Place::Right}));
}

void TestEndToEnd::arrowsChooseExercisesAndWrap()
{
    session->key(QStringLiteral("Tab Down")); // "Горе-Долу"
    session->key(QStringLiteral("Tab Return"));
    QVERIFY(running({Place::Top, Place::Bottom}));
    // Up from "Горе-Долу" to "Ляво-Дясно", then past the top to "По часовата".
    session->key(QStringLiteral("shift+Tab Up Up"));
    QVERIFY(running({Place::Top, Place::Right, Place::Bottom, Place::Left}));
    // Right past the bottom wraps to "Ляво-Дясно"; Left comes back.
    session->key(QStringLiteral("Right"));
    QVERIFY(running({Place::Left, Place::Right}));
    session->key(QStringLiteral("Left Left")); // "Срещу часовата"
    QVERIFY(running({Place::Left, Place::Bottom, Place::Right, Place::Top}));
    // Tab leaves the group from the chosen option, in the designed order:
    // the description, "Започни", "Спри".
    session->key(QStringLiteral("Tab Tab Tab Return"));
    QVERIFY(staysStill(*session, 200));
}

void TestEndToEnd::hiddenTargetKeepsTheFocus()
{
    session->key(QStringLiteral("Tab Down Down")); // "Светофар"
    session->key(QStringLiteral("Tab space"));     // started
    QVERIFY(running({Place::Middle, Place::Hidden}));
    session->key(QStringLiteral("Tab Tab")); // "Спри", then the target
    // The target hides under the focus and shows again; then End, which in
    // the period list would choose 900 ms.
    const std::vector<Change> hiding = watch(3000, 4);
    QVERIFY2(hiding.size() >= 4 && onlyAt(hiding, {Place::Middle, Place::Hidden}), qPrintable(describe(hiding)));
    session->key(QStringLiteral("End"));
    const std::vector<Change> changes = watch(1600, 7);
    const double period = medianInterval(changes);
    QVERIFY2(period >= 150 && period <= 260, qPrintable(QStringLiteral("median period %1 ms after End, 200 ms chosen: %2").arg(period).arg(describe(changes))));
    QVERIFY2(onlyAt(changes, {Place::Middle, Place::Hidden}), qPrintable(describe(changes)));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
