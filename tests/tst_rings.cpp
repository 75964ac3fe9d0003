// The sequence rings: heads, the entry two ahead, and a whole turn.

#include "ring.h"

#include <QTest>

using namespace engine;

class TestRings : public QObject
{
    Q_OBJECT

private slots:
    void headsOverThirteenTicks_data();
    void headsOverThirteenTicks();
    void rotateMovesTheHeadToTheEnd();
};

// clang-format off
void TestRings::headsOverThirteenTicks_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QString>("shade");
    QTest::addColumn<QString>("corner");
    QTest::addColumn<QString>("shadeThird");

    // tick                        toggle  shade  corner  shade's third entry
    QTest::newRow("tick 1") << 1 << "0" << "0" << "0" << "2";
    QTest::newRow("tick 2") << 2 << "1" << "1" << "1" << "3";
    QTest::newRow("tick 3") << 3 << "0" << "2" << "2" << "4";
    QTest::newRow("tick 4") << 4 << "1" << "3" << "3" << "5";
    QTest::newRow("tick 5") << 5 << "0" << "4" << "0" << "0";
    QTest::newRow("tick 6") << 6 << "1" << "5" << "1" << "1";
    QTest::newRow("tick 7") << 7 << "0" << "0" << "2" << "2";
    QTest::newRow("tick 8") << 8 << "1" << "1" << "3" << "3";
    QTest::newRow("tick 9") << 9 << "0" << "2" << "0" << "4";
    QTest::newRow("tick 10") << 10 << "1" << "3" << "1" << "5";
    QTest::newRow("tick 11") << 11 << "0" << "4" << "2" << "0";
    QTest::newRow("tick 12") << 12 << "1" << "5" << "3" << "1";
    QTest::newRow("tick 13") << 13 << "0" << "0" << "0" << "2";
}
// clang-format on

void TestRings::headsOverThirteenTicks()
{
    QFETCH(int, tick);
    QFETCH(QString, toggle);
    QFETCH(QString, shade);
    QFETCH(QString, corner);
    QFETCH(QString, shadeThird);

    ui::ListItems toggleEntries({"0", "1", "0", "1"});
    ui::ListItems shadeEntries({"0", "1", "2", "3", "4", "5"});
    ui::ListItems cornerEntries({"0", "1", "2", "3"});
    Rings rings{Ring(toggleEntries), Ring(shadeEntries), Ring(cornerEntries)};
    for (int before = 1; before < tick; ++before) {
        rings.toggle.rotate();
        rings.shade.rotate();
        rings.corner.rotate();
    }
    QCOMPARE(rings.toggle.head(), toggle);
    QCOMPARE(rings.shade.head(), shade);
    QCOMPARE(rings.corner.head(), corner);
    QCOMPARE(rings.shade.entry(2), shadeThird);
    QCOMPARE(toggleEntries.ListCount(), 4);
    QCOMPARE(shadeEntries.ListCount(), 6);
    QCOMPARE(cornerEntries.ListCount(), 4);
}

void TestRings::rotateMovesTheHeadToTheEnd()
{
    ui::ListItems entries({"a", "b", "c"});
    Ring ring(entries);
    ring.rotate();
    QCOMPARE(entries.stringList(), (QStringList{"b", "c", "a"}));
    QCOMPARE(ring.head(), "b");
    QCOMPARE(ring.entry(2), "a");
    // A whole turn, and only a whole one, restores the order.
    ring.rotate();
    QCOMPARE(entries.stringList(), (QStringList{"c", "a", "b"}));
    ring.rotate();
    QCOMPARE(entries.stringList(), (QStringList{"a", "b", "c"}));
}

QTEST_GUILESS_MAIN(TestRings)
#include "tst_rings.moc"
