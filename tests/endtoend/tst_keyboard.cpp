// The real program under a window manager, used by the keyboard alone: keys
// go in as X input events, and what they did is read off the target's pixels.

#include "targetwatch.h"
#include "xsession.h"

#include <QTest>
#include <QThread>

#include <memory>
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

QTEST_GUILESS_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
