// The cost of one tick of each exercise: the property writes on the target
// and the rotation of the rings, in the shown window on the offscreen
// platform. Painting is not part of it; it happens later, in the event loop.

#include "exerciseform.h"
#include "shownwindow.h"

#include <QTest>

class TickBench : public QObject
{
    Q_OBJECT

private slots:
    void tick_data();
    void tick();
};

void TickBench::tick_data()
{
    QTest::addColumn<qint16>("mode");
    QTest::newRow("0 left-right") << qint16(0);
    QTest::newRow("1 up-down") << qint16(1);
    QTest::newRow("2 traffic light") << qint16(2);
    QTest::newRow("3 candle brightness") << qint16(3);
    QTest::newRow("4 perspective") << qint16(4);
    QTest::newRow("5 counter-clockwise") << qint16(5);
    QTest::newRow("6 clockwise") << qint16(6);
}

void TickBench::tick()
{
    QFETCH(qint16, mode);
    const auto form = shownWindow();
    QVERIFY(form);
    form->Option1[mode].setValue(true);
    QBENCHMARK
    {
        form->Timer1_Timer();
    }
}

QTEST_MAIN(TickBench)
#include "tick_bench.moc"
