// The exercise tick, driven through the window a fixed number of times.

#include "eventwatch.h"
#include "exerciseform.h"
#include "shownwindow.h"

#include <QEvent>
#include <QTest>
#include <QWidget>

using namespace ui;

namespace {

constexpr float XL = 0, XD = 6365, XS = 2957.5f, YG = 0, YD = 4625, YS = 2312.5f;
constexpr Colour Yellow = 0x0000FFFF;

// What a tick leaves on the target.
struct Look
{
    float left, top, size;
    bool visible;
    Colour colour;

    bool operator==(const Look &) const = default;
};

Look lookOf(const PictureBox &target)
{
    // A target that is not square shows as size -1.
    const float size = target.Width() == target.Height() ? target.Width() : -1;
    return {target.Left(), target.Top(), size, target.Visible(), target.BackColor().value_or(0xFFFFFFFF)};
}

} // namespace

namespace QTest {
template <>
char *toString(const Look &look)
{
    return qstrdup(qPrintable(QString("(%1, %2) size %3 %4 colour %5")
                                  .arg(look.left)
                                  .arg(look.top)
                                  .arg(look.size)
                                  .arg(look.visible ? "shown" : "hidden")
                                  .arg(look.colour, 8, 16, QChar('0'))));
}
} // namespace QTest

Q_DECLARE_METATYPE(QList<Look>)

class TestExercise : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { program::prepareApplication(); }
    void firstSixTicks_data();
    void firstSixTicks();
    void scenarios_data();
    void scenarios();
    void orderOfWritesShowsOnScreen_data();
    void orderOfWritesShowsOnScreen();
    void timerDrivesTheTick();
};

// clang-format off
void TestExercise::firstSixTicks_data()
{
    QTest::addColumn<qint16>("mode");
    QTest::addColumn<QList<Look>>("looks");

    const float third = float(500.0 / 3.0), sixth = float(500.0 / 6.0);
    QTest::newRow("left-right") << qint16(0) << QList<Look>{
        {XL, YS, 500, true, Yellow}, {XD, YS, 500, true, Yellow}, {XL, YS, 500, true, Yellow},
        {XD, YS, 500, true, Yellow}, {XL, YS, 500, true, Yellow}, {XD, YS, 500, true, Yellow}};
    QTest::newRow("up-down") << qint16(1) << QList<Look>{
        {XS, YG, 500, true, Yellow}, {XS, YD, 500, true, Yellow}, {XS, YG, 500, true, Yellow},
        {XS, YD, 500, true, Yellow}, {XS, YG, 500, true, Yellow}, {XS, YD, 500, true, Yellow}};
    QTest::newRow("traffic light") << qint16(2) << QList<Look>{
        {XS, YS, 500, false, Yellow}, {XS, YS, 500, true, Yellow}, {XS, YS, 500, false, Yellow},
        {XS, YS, 500, true, Yellow}, {XS, YS, 500, false, Yellow}, {XS, YS, 500, true, Yellow}};
    QTest::newRow("candle brightness") << qint16(3) << QList<Look>{
        {XS, YS, 500, true, 0x00C0FFFF}, {XS, YS, 500, true, 0x0080FFFF}, {XS, YS, 500, true, 0x0000FFFF},
        {XS, YS, 500, true, 0x0000C0C0}, {XS, YS, 500, true, 0x00008080}, {XS, YS, 500, true, 0x00004040}};
    QTest::newRow("perspective") << qint16(4) << QList<Look>{
        {XS, YS, third, true, Yellow}, {XS, YS, 125, true, Yellow}, {XS, YS, 100, true, Yellow},
        {XS, YS, sixth, true, Yellow}, {XS, YS, 500, true, Yellow}, {XS, YS, 250, true, Yellow}};
    QTest::newRow("counter-clockwise") << qint16(5) << QList<Look>{
        {XL, YS, 500, true, Yellow}, {XS, YD, 500, true, Yellow}, {XD, YS, 500, true, Yellow},
        {XS, YG, 500, true, Yellow}, {XL, YS, 500, true, Yellow}, {XS, YD, 500, true, Yellow}};
    QTest::newRow("clockwise") << qint16(6) << QList<Look>{
        {XS, YG, 500, true, Yellow}, {XD, YS, 500, true, Yellow}, {XS, YD, 500, true, Yellow},
        {XL, YS, 500, true, Yellow}, {XS, YG, 500, true, Yellow}, {XD, YS, 500, true, Yellow}};
}
// clang-format on

void TestExercise::firstSixTicks()
{
    QFETCH(qint16, mode);
    QFETCH(QList<Look>, looks);

    const auto form = shownWindow();
    QVERIFY(form);
    form->Option1[mode].setValue(true);
    for (qsizetype tick = 0; tick < looks.size(); ++tick) {
        form->Timer1_Timer();
        QCOMPARE(lookOf(*form->Picture1), looks[tick]);
        // The colour is painted, not only kept.
        const QImage image = form->Picture1->widget()->grab().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), toQColor(looks[tick].colour));
    }
}

namespace {

// Plays a scenario on a loaded window, one step a word: "t" a tick, "o4"
// option 4 chosen, "start" and "stop" the buttons' clicks, "mode7" and
// "mode-" the mode written directly (an unknown one, or empty), "left1000"
// the target moved. False at a step it does not know, which it warns of.
bool play(ExerciseForm &form, const QString &scenario)
{
    for (const QString &step : scenario.split(' ', Qt::SkipEmptyParts)) {
        if (step == "t")
            form.Timer1_Timer();
        else if (step.startsWith('o'))
            form.Option1[step.mid(1).toShort()].setValue(true);
        else if (step == "start" || step == "stop")
            form.Command1_Click(step == "start" ? 0 : 1);
        else if (step == "mode-")
            form.Mode = Variant();
        else if (step.startsWith("mode"))
            form.Mode = step.mid(4).toShort();
        else if (step.startsWith("left"))
            form.Picture1->setLeft(step.mid(4).toFloat());
        else {
            qWarning("unknown step %s", qPrintable(step));
            return false;
        }
    }
    return true;
}

} // namespace

// clang-format off
void TestExercise::scenarios_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<Look>("look");
    QTest::addColumn<QStringList>("ringHeads"); // none: not looked at

    QTest::newRow("an empty mode runs left-right") << "o6 mode- t t" << Look{XD, YS, 500, true, Yellow} << QStringList{};
    // A new exercise goes on from the phase the rings are at.
    QTest::newRow("new exercise: nothing moves before the tick") << "t t t o6" << Look{XL, YS, 500, true, Yellow} << QStringList{};
    QTest::newRow("new exercise: clockwise at corner head 3") << "t t t o6 left1000 t" << Look{XL, YS, 500, true, Yellow} << QStringList{};
    QTest::newRow("new exercise: then on clockwise") << "t t t o6 left1000 t t" << Look{XS, YG, 500, true, Yellow} << QStringList{};
    QTest::newRow("stop leaves the target where the last tick did") << "o5 start t t stop" << Look{XS, YD, 500, true, Yellow} << QStringList{};
    QTest::newRow("start again keeps the phase") << "o5 start t t stop start" << Look{XS, YD, 500, true, Yellow} << QStringList{"0", "2", "2"};
    QTest::newRow("start again goes on from it") << "o5 start t t stop start t" << Look{XD, YS, 500, true, Yellow} << QStringList{};
    // k is the shade ring's third entry, "3".
    QTest::newRow("traffic light then perspective leaves the target hidden") << "o2 t o4 t" << Look{XS, YS, 125, false, Yellow} << QStringList{};
    QTest::newRow("five ticks") << "t t t t t" << Look{XL, YS, 500, true, Yellow} << QStringList{"1", "5", "1"};
    QTest::newRow("an unknown mode moves nothing") << "mode7 t t t" << Look{XL, YS, 500, true, Yellow} << QStringList{"1", "3", "3"};
    QTest::newRow("an unknown mode still rotates the rings") << "mode7 t t t mode0 t" << Look{XD, YS, 500, true, Yellow} << QStringList{};
    // After one perspective tick, the second tick of each exercise: its size is undone.
    QTest::newRow("perspective, then left-right") << "o4 t o0 t" << Look{XD, YS, 500, true, Yellow} << QStringList{};
    QTest::newRow("perspective, then up-down") << "o4 t o1 t" << Look{XS, YD, 500, true, Yellow} << QStringList{};
    QTest::newRow("perspective, then traffic light") << "o4 t o2 t" << Look{XS, YS, 500, true, Yellow} << QStringList{};
    QTest::newRow("perspective, then candle brightness") << "o4 t o3 t" << Look{XS, YS, 500, true, 0x0080FFFF} << QStringList{};
    QTest::newRow("perspective, then counter-clockwise") << "o4 t o5 t" << Look{XS, YD, 500, true, Yellow} << QStringList{};
    QTest::newRow("perspective, then clockwise") << "o4 t o6 t" << Look{XD, YS, 500, true, Yellow} << QStringList{};
}
// clang-format on

void TestExercise::scenarios()
{
    QFETCH(QString, scenario);
    QFETCH(Look, look);
    QFETCH(QStringList, ringHeads);

    ExerciseForm form;
    form.Form_Load();
    QVERIFY(play(form, scenario));
    QCOMPARE(lookOf(*form.Picture1), look);
    for (qint16 ring : std::initializer_list<qint16>{1, 2, 3})
        QVERIFY(!form.List1[ring].Visible());
    if (!ringHeads.isEmpty())
        QCOMPARE(heads(form), ringHeads);
}

// clang-format off
void TestExercise::orderOfWritesShowsOnScreen_data()
{
    QTest::addColumn<qint16>("before");
    QTest::addColumn<qint16>("mode");
    QTest::addColumn<QList<QRect>>("geometries");

    // Perspective places the target first, then sets Height, then Width.
    QTest::newRow("perspective after left-right") << qint16(0) << qint16(4)
        << QList<QRect>{{197, 154, 33, 33}, {197, 154, 33, 8}, {197, 154, 8, 8}};
    // Left-right resets Height, then Width, and places the target last.
    QTest::newRow("left-right after perspective") << qint16(4) << qint16(0)
        << QList<QRect>{{0, 154, 11, 33}, {0, 154, 33, 33}, {424, 154, 33, 33}};
    // Traffic light places the target first and resets the size after.
    QTest::newRow("traffic light after perspective") << qint16(4) << qint16(2)
        << QList<QRect>{{197, 154, 11, 11}, {197, 154, 11, 33}, {197, 154, 33, 33}};
}
// clang-format on

void TestExercise::orderOfWritesShowsOnScreen()
{
    QFETCH(qint16, before);
    QFETCH(qint16, mode);
    QFETCH(QList<QRect>, geometries);

    const auto form = shownWindow();
    QVERIFY(form);
    form->Option1[before].setValue(true);
    form->Timer1_Timer();
    form->Picture1->setLeft(0); // so that placing the target shows as a move
    form->Option1[mode].setValue(true);
    // Each new geometry of the target's widget, as moves and resizes reach it.
    QList<QRect> seen;
    const QWidget *target = form->Picture1->widget();
    const EventWatch watch(form->Picture1->widget(), [&](QEvent *event) {
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && (seen.isEmpty() || seen.last() != target->geometry()))
            seen << target->geometry();
    });
    form->Timer1_Timer();
    QCOMPARE(seen, geometries);
}

// The timer ticks the exercise at the chosen period, counted anew from a
// change made while it runs, and stops with "Спри".
void TestExercise::timerDrivesTheTick()
{
    ExerciseForm form;
    form.Form_Load();
    form.Command1_Click(0);
    QVERIFY(form.Timer1.remainingTime() <= 200);
    form.List1[0].setListIndex(7); // "900", while running
    QCOMPARE(form.Timer1.Interval(), 900);
    QVERIFY(form.Timer1.Enabled());
    QVERIFY2(form.Timer1.remainingTime() > 200, qPrintable(QString::number(form.Timer1.remainingTime())));
    form.List1[0].setListIndex(0); // back to "200": the next tick is no more than 200 ms away
    QVERIFY(form.Timer1.Enabled());
    QVERIFY2(form.Timer1.remainingTime() <= 200, qPrintable(QString::number(form.Timer1.remainingTime())));
    QTRY_COMPARE_WITH_TIMEOUT(form.Picture1->Left(), XD, 5000);
    form.Command1_Click(1);
    const QStringList stopped = heads(form);
    QTest::qWait(250);
    QCOMPARE(heads(form), stopped);
}

QTEST_MAIN(TestExercise)
#include "tst_exercise.moc"
