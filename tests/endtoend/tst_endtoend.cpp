// The real program on a real X server, used as a person uses it: clicks and
// keys go in as X input events, and the target is found by its pixels.

#include "design.h"
#include "targetwatch.h"
#include "xsession.h"

#include <QTest>

#include <algorithm>
#include <iterator>
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
    void initTestCase();
    void cleanupTestCase();
    void leftRightAtTheChosenPeriod();
    void clockwiseAtALongerPeriod();

private:
    std::vector<Change> watch(int forMs, std::size_t enough = SIZE_MAX) { return watchTarget(session, forMs, enough); }

    XSession session;
};

void TestEndToEnd::initTestCase()
{
    const QString program = session.startProgram(QStringLiteral(EYE_TRAINER_PATH), 15000);
    QVERIFY2(program.isEmpty(), qPrintable(program));
    QCOMPARE(session.windowGeometry().size(), designed::WindowPixels);
    // At rest after start-up: Left 0, Top YS.
    QTRY_COMPARE_WITH_TIMEOUT(findTarget(session.capture()), std::optional<QPoint>(QPoint(0, 154)), 5000);
}

void TestEndToEnd::cleanupTestCase()
{
    session.stop();
}

void TestEndToEnd::leftRightAtTheChosenPeriod()
{
    session.click(StartButton);
    const std::vector<Change> changes = watch(2500, 8);
    QVERIFY2(changes.size() >= 8, qPrintable(QString("only %1 changes of place in 2.5 s at 200 ms").arg(changes.size())));
    QVERIFY2(onlyAt(changes, {Place::Left, Place::Right}), qPrintable(describe(changes)));
    const double period = medianInterval(changes);
    qInfo("left-right: %zu changes, median period %.0f ms", changes.size(), period);
    QVERIFY2(period >= 150 && period <= 260, qPrintable(QString("median period %1 ms, chosen 200 ms").arg(period)));
}

void TestEndToEnd::clockwiseAtALongerPeriod()
{
    session.click(ClockwiseOption);
    session.click(FirstPeriod);               // "200"
    session.key(QStringLiteral("Down Down")); // "400"
    session.click(StartButton);
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
    session.click(StopButton);
    QVERIFY(staysStill(session, 400));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
