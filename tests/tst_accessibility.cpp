// What a screen reader finds in the window, and where Tab takes the focus.

#include "exerciseform.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void tabVisitsControlsInTabIndexOrder();
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

    ExerciseForm form;
    form.Form_Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.form.surface()));
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
    ExerciseForm form;
    form.Form_Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.form.surface()));
    QApplication::setActiveWindow(form.form.surface());
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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
