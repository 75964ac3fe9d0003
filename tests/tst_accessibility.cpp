// What a screen reader finds in the window, where Tab takes the focus, and
// how the keyboard alone works it.

#include "contrast.h"
#include "shownwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QListView>
#include <QTest>

#include <memory>

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { program::prepareApplication(); }
    void everyControlHasAName_data();
    void everyControlHasAName();
    void tabVisitsControlsInTabIndexOrder();
    void focusIsVisible_data();
    void focusIsVisible();
    void hidingTheTargetKeepsTheFocus();
    void choiceSurvivesControlSpace();
};

// clang-format off
void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    QTest::newRow("the target") << "Picture1" << 0 << "наблюдаван обект" << QAccessible::Graphic;
    QTest::newRow("the period list") << "List1" << 0 << "Период" << QAccessible::List;
    QTest::newRow("the description") << "Text1" << 0 << "Описание на упражненията" << QAccessible::EditableText;
    QTest::newRow("start") << "Command1" << 0 << "Започни" << QAccessible::Button;
    QTest::newRow("stop") << "Command1" << 1 << "Спри" << QAccessible::Button;
    const char *exercises[] = {"Ляво-Дясно", "Горе-Долу", "Светофар", "Свещ-яркост", "Перспектива", "Срещу часовата", "По часовата"};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("option %d", i) << "Option1" << i << QString::fromUtf8(exercises[i]) << QAccessible::RadioButton;
}
// clang-format on

void TestAccessibility::everyControlHasAName()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);

    const auto window = shownWindow();
    QVERIFY(window);
    ExerciseForm &form = *window;
    QWidget *widget = nullptr;
    if (array == "Picture1")
        widget = form.Picture1->widget();
    else if (array == "List1")
        widget = form.List1[qint16(index)].widget();
    else if (array == "Text1")
        widget = form.Text1[qint16(index)].widget();
    else if (array == "Command1")
        widget = form.Command1[qint16(index)].widget();
    else if (array == "Option1")
        widget = form.Option1[qint16(index)].widget();
    QVERIFY(widget);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible && accessible->isValid());
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->role(), role);
    QVERIFY(!accessible->state().invisible);
    QCOMPARE(accessible->parent()->object(), form.form.surface());
}

void TestAccessibility::tabVisitsControlsInTabIndexOrder()
{
    const auto window = shownWindow();
    QVERIFY(window);
    ExerciseForm &form = *window;
    form.Text1[0].widget()->setFocus();

    // Tab enters an option group at its selected button only, as arrow keys
    // move within it: the upper three and the lower four are two groups in
    // the tab order, and Option1(0) is selected.
    const QList<QWidget *> expected{
        form.Option1[0].widget(),
        form.Command1[0].widget(),
        form.Command1[1].widget(),
        form.Picture1->widget(),
        form.List1[0].widget(),
        form.Text1[0].widget(),
    };
    QList<QWidget *> visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
}

// clang-format off
void TestAccessibility::focusIsVisible_data()
{
    QTest::addColumn<QString>("control");

    QTest::newRow("description") << "Text1(0)";
    QTest::newRow("chosen option") << "Option1(0)";
    QTest::newRow("start") << "Command1(0)";
    QTest::newRow("stop") << "Command1(1)";
    QTest::newRow("target") << "Picture1";
    QTest::newRow("period list") << "List1(0)";
}
// clang-format on

// Focus must change pixels of the control, and the line it draws must stand
// out at least 3:1 against what was there before.
void TestAccessibility::focusIsVisible()
{
    QFETCH(QString, control);

    const auto window = shownWindow();
    QVERIFY(window);
    ExerciseForm &form = *window;
    QWidget *widget = control == "Text1(0)" ? form.Text1[0].widget()
        : control == "Option1(0)"           ? form.Option1[0].widget()
        : control == "Command1(0)"          ? form.Command1[0].widget()
        : control == "Command1(1)"          ? form.Command1[1].widget()
        : control == "Picture1"             ? form.Picture1->widget()
                                            : form.List1[0].widget();
    // Somewhere else first, so the control is seen without focus.
    (widget == form.Command1[1].widget() ? form.Command1[0].widget() : form.Command1[1].widget())->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!widget->hasFocus());
    const QImage before = widget->grab().toImage();
    widget->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    const QImage after = widget->grab().toImage();
    QCOMPARE(after.size(), before.size());

    int strong = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (contrast(after.pixelColor(x, y), before.pixelColor(x, y)) >= 3.0)
                ++strong;
    // At least a line all round a button-sized box.
    QVERIFY2(strong >= 2 * (widget == form.List1[0].widget() ? 60 : 20), qPrintable(QString::number(strong)));
}

void TestAccessibility::hidingTheTargetKeepsTheFocus()
{
    const auto window = shownWindow();
    QVERIFY(window);
    ExerciseForm &form = *window;
    form.Option1[2].setValue(true); // traffic light: hidden at the first tick
    QWidget *target = form.Picture1->widget();
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    form.Timer1_Timer();
    QVERIFY(!form.Picture1->Visible());
    QCOMPARE(QApplication::focusWidget(), target);
    // A key meant for the list does not reach it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(form.List1[0].ListIndex(), 0);
    QCOMPARE(form.Timer1.Interval(), 200);
    // The next tick shows it again, under the focus.
    form.Timer1_Timer();
    QVERIFY(form.Picture1->Visible());
    QCOMPARE(QApplication::focusWidget(), target);
}

void TestAccessibility::choiceSurvivesControlSpace()
{
    const auto window = shownWindow();
    QVERIFY(window);
    ExerciseForm &form = *window;
    QWidget *list = form.List1[0].widget();
    list->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(form.List1[0].ListIndex(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(form.List1[0].ListIndex(), 1);
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(form.List1[0].ListIndex(), 1);
    QCOMPARE(form.Timer1.Interval(), 300);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
