// Where Tab takes the focus, that the focus shows, and how the keyboard
// alone works the window; what a screen reader finds in it is read over
// AT-SPI (accessibility/tst_atspi.py).

#include "contrast.h"
#include "shownwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { program::prepareApplication(); }
    void tabVisitsControlsInTabIndexOrder();
    void focusIsVisible_data();
    void focusIsVisible();
    void hidingTheTargetKeepsTheFocus();
    void choiceSurvivesControlSpace();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    void listTellsItsSizeThroughOneInterface();
#endif
};

void TestAccessibility::tabVisitsControlsInTabIndexOrder()
{
    const auto window = shownWindow();
    QVERIFY(window);
    ExerciseForm &form = *window;
    // Every shown control in the focus chain, in TabIndex order.
    const QList<QWidget *> chain{form.Text1[0].widget(), form.Option1[0].widget(), form.Option1[1].widget(), form.Option1[2].widget(),
        form.Command1[0].widget(), form.Command1[1].widget(), form.Picture1->widget(), form.List1[0].widget(), form.Option1[3].widget(),
        form.Option1[4].widget(), form.Option1[5].widget(), form.Option1[6].widget()};
    QList<QWidget *> found;
    QWidget *next = chain.first();
    do {
        if (chain.contains(next))
            found << next;
        next = next->nextInFocusChain();
    } while (next != chain.first() && found.size() < chain.size());
    QCOMPARE(found, chain);

    // Tab enters an option group at its selected button only, as arrow keys
    // move within it: the upper three and the lower four are two groups in
    // the tab order, and Option1(0) is selected.
    form.Text1[0].widget()->setFocus();
    const QList<QWidget *> expected{chain[1], chain[4], chain[5], chain[6], chain[7], chain[0]};
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
    const QHash<QString, QWidget *> controls{{"Text1(0)", form.Text1[0].widget()}, {"Option1(0)", form.Option1[0].widget()},
        {"Command1(0)", form.Command1[0].widget()}, {"Command1(1)", form.Command1[1].widget()}, {"Picture1", form.Picture1->widget()},
        {"List1(0)", form.List1[0].widget()}};
    QWidget *widget = controls.value(control);
    QVERIFY2(widget, qPrintable("no control " + control));
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

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// However often the list is asked for, and after Qt's list interface has
// made its entries', one interface answers for it.
void TestAccessibility::listTellsItsSizeThroughOneInterface()
{
    const auto window = shownWindow();
    QVERIFY(window);
    QWidget *list = window->List1[0].widget();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(list);
    QVERIFY(accessible && accessible->child(7));
    QCOMPARE(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(list)), QAccessible::uniqueId(accessible));
    auto *attributes = static_cast<QAccessibleAttributesInterface *>(accessible->interface_cast(QAccessible::AttributesInterface));
    QVERIFY(attributes);
    const auto custom = attributes->attributeValue(QAccessible::Attribute::Custom).value<QHash<QString, QString>>();
    QCOMPARE(custom.value(QStringLiteral("setsize")), QStringLiteral("8"));
}
#endif

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
