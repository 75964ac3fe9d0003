// The control model: exact twips, events raised inside property writes,
// the timer's enable and interval, and the one place that reports run-time
// errors.

#include "controlarray.h"
#include "eventwatch.h"
#include "fittedcaption.h"
#include "form.h"
#include "label.h"
#include "listbox.h"
#include "optionbutton.h"
#include "picturebox.h"
#include "runtimeerror.h"
#include "textbox.h"
#include "timer.h"

#include <QFontMetrics>
#include <QListView>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

using namespace ui;

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keepsExactTwips_data();
    void keepsExactTwips();
    void listRaisesClick();
    void optionRaisesClick();
    void textBoxShowsItsTextBeforeAndWhileShown();
    void arrayRefusesMissingAndDuplicateIndexes();
    void writingALabelRepaintsIt();
    void captionFitsItsRoom_data();
    void captionFitsItsRoom();
    void timerStartsOnceAndTicksOnlyWithAPeriod();
    void runtimeErrorIsReportedOnceAndStopsHandlers();

private:
    Form form;
    std::vector<QString> reports;
};

void TestControls::init()
{
    runtime::resetForTesting();
    reports.clear();
    runtime::setReporter([this](const QString &message) { reports.push_back(message); });
}

// clang-format off
void TestControls::keepsExactTwips_data()
{
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<bool>("throughMove");
    QTest::addColumn<QRect>("pixels"); // none: a run-time error, and nothing changes

    QTest::newRow("start place") << QRectF(0, 2600, 500, 500) << false << QRect(0, 173, 33, 33);
    QTest::newRow("middle, half twips") << QRectF(2957.5, 2312.5, 500, 500) << false << QRect(197, 154, 33, 33);
    QTest::newRow("right end") << QRectF(6365, 2312.5, 500, 500) << true << QRect(424, 154, 33, 33);
    QTest::newRow("perspective 500/3") << QRectF(2957.5, 2312.5, float(500.0 / 3.0), float(500.0 / 3.0)) << false << QRect(197, 154, 11, 11);
    QTest::newRow("negative width") << QRectF(15, 30, -1, 500) << false << QRect();
    QTest::newRow("negative height") << QRectF(15, 30, 500, -1) << false << QRect();
    QTest::newRow("negative width, moved") << QRectF(0, 0, -1, 500) << true << QRect();
    QTest::newRow("negative height, moved") << QRectF(0, 0, 500, -0.5) << true << QRect();
}
// clang-format on

void TestControls::keepsExactTwips()
{
    QFETCH(QRectF, twips);
    QFETCH(bool, throughMove);
    QFETCH(QRect, pixels);

    PictureBox box(form.surface());
    box.move(15, 30, 500, 500);
    const auto place = [&] {
        if (throughMove) {
            box.move(float(twips.left()), float(twips.top()), float(twips.width()), float(twips.height()));
        } else {
            box.setLeft(float(twips.left()));
            box.setTop(float(twips.top()));
            box.setWidth(float(twips.width()));
            box.setHeight(float(twips.height()));
        }
    };
    const bool refused = pixels.isNull();
    if (refused)
        QVERIFY_THROWS_EXCEPTION(RuntimeError, place());
    else
        place();
    QCOMPARE(QRectF(box.Left(), box.Top(), box.Width(), box.Height()), refused ? QRectF(15, 30, 500, 500) : twips);
    QCOMPARE(box.widget()->geometry(), refused ? QRect(1, 2, 33, 33) : pixels);
}

// A write raises Click inside it, with the new value already in place; the
// user's choice raises it once.
void TestControls::listRaisesClick()
{
    ControlArray<ListBox> lists;
    lists.add(0, std::make_unique<ListBox>(form.surface())).items().setStringList({"200", "300", "400"});
    ListBox &list = lists.add(5, std::make_unique<ListBox>(form.surface()));
    list.items().setStringList({"200", "300", "400"});
    list.move(0, 0, 1500, 1500);
    std::vector<std::pair<qint16, int>> clicks; // index, ListIndex seen inside
    lists.setClickHandler([&](qint16 index) { clicks.emplace_back(index, lists[index].ListIndex()); });

    QCOMPARE(list.ListCount(), 3);
    QCOMPARE(list.List(2), "400");
    // An entry out of range reads empty, and cannot be chosen.
    QCOMPARE(list.List(3), QString());
    QCOMPARE(list.List(-1), QString());
    list.setListIndex(2);
    list.setListIndex(0);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, list.setListIndex(3));
    QCOMPARE(clicks, (std::vector<std::pair<qint16, int>>{{5, 2}, {5, 0}}));

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.surface()));
    auto *view = static_cast<QListView *>(list.widget());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(list.items().index(1)).center());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(clicks, (std::vector<std::pair<qint16, int>>{{5, 2}, {5, 0}, {5, 1}, {5, 2}}));
}

void TestControls::optionRaisesClick()
{
    ControlArray<OptionButton> options;
    for (qint16 i = 0; i < 3; ++i) {
        OptionButton &option = options.add(i, std::make_unique<OptionButton>(form.surface()));
        option.move(0, 600 * i, 1500, 375);
        option.setCaption(QStringLiteral("Изпитание"));
    }
    std::vector<std::pair<qint16, bool>> clicks; // index, Value seen inside
    options.setClickHandler([&](qint16 index) { clicks.emplace_back(index, options[index].Value()); });

    QVERIFY(!options[0].Value() && !options[1].Value() && !options[2].Value());
    options[1].setValue(true);
    options[2].setValue(true);
    QVERIFY(!options[1].Value());
    options[2].setValue(false); // no click
    QVERIFY(!options[2].Value());
    QCOMPARE(clicks, (std::vector<std::pair<qint16, bool>>{{1, true}, {2, true}}));

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.surface()));
    clicks.clear();
    QTest::mouseClick(options[1].widget(), Qt::LeftButton);
    QTest::mouseClick(options[1].widget(), Qt::LeftButton); // already selected
    QTest::mouseClick(options[0].widget(), Qt::LeftButton);
    QCOMPARE(clicks, (std::vector<std::pair<qint16, bool>>{{1, true}, {0, true}}));
}

void TestControls::textBoxShowsItsTextBeforeAndWhileShown()
{
    TextBox text(form.surface());
    auto *editor = static_cast<QPlainTextEdit *>(text.widget());
    text.setText("one\r\n");
    text.setText(text.Text() + "two\r\n");
    QCOMPARE(text.Text(), "one\r\ntwo\r\n");
    form.show();
    text.setVisible(true); // a child added to a shown window shows when told
    QVERIFY(QTest::qWaitForWindowExposed(form.surface()));
    QCOMPARE(editor->toPlainText(), "one\ntwo\n");
    text.setText("three");
    QCOMPARE(editor->toPlainText(), "three");
    QCOMPARE(text.Text(), "three");
}

void TestControls::arrayRefusesMissingAndDuplicateIndexes()
{
    ControlArray<OptionButton> options;
    OptionButton &first = options.add(3, std::make_unique<OptionButton>(form.surface()));
    first.setCaption(QStringLiteral("първи"));
    QPointer<QWidget> firstWidget = first.widget();
    QVERIFY_THROWS_EXCEPTION(RuntimeError, options[1]);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, options.add(3, std::make_unique<OptionButton>(form.surface())));
    // The first control and its widget live on.
    QVERIFY(firstWidget);
    QCOMPARE(&options[3], &first);
    QCOMPARE(static_cast<QRadioButton *>(options[3].widget())->text(), "първи");
}

void TestControls::writingALabelRepaintsIt()
{
    form.setClientSize(3000, 3000);
    Label label(form.surface(), Label::Role::Name);
    label.move(150, 150, 1500, 300);
    label.setVisible(true); // a child added to a shown window shows when told
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.surface()));
    QRegion painted;
    const EventWatch paints(label.widget(), [&painted](QEvent *event) {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
    });
    const QRect whole = label.widget()->rect();

    label.setBackColor(0x000000FF);
    QTRY_VERIFY(painted.contains(whole));
    QCOMPARE(form.surface()->grab().toImage().pixelColor(label.widget()->geometry().center() + QPoint(0, 5)), QColor(255, 0, 0));

    painted = QRegion();
    label.setCaption(QStringLiteral("Период"));
    QTRY_VERIFY(painted.contains(whole));

    label.move(150, 900, 1500, 300);
    QCOMPARE(label.widget()->geometry(), QRect(10, 60, 100, 20));
}

// clang-format off
void TestControls::captionFitsItsRoom_data()
{
    QTest::addColumn<int>("widthShort"); // pixels less than the caption takes at 12 points
    QTest::addColumn<int>("heightShort"); // pixels less than the letters stand above the baseline
    QTest::addColumn<qreal>("expected"); // points; 0: smaller than 12 and fitting

    QTest::newRow("room to spare") << -10 << -10 << 12.0;
    QTest::newRow("exactly its width") << 0 << 0 << 12.0;
    QTest::newRow("a pixel too narrow") << 1 << 0 << 0.0;
    QTest::newRow("a pixel too low") << 0 << 1 << 0.0;
    QTest::newRow("far too narrow: two thirds") << 200 << 0 << 8.0;
}
// clang-format on

void TestControls::captionFitsItsRoom()
{
    QFETCH(int, widthShort);
    QFETCH(int, heightShort);
    QFETCH(qreal, expected);

    const QString caption = QStringLiteral("Срещу часовата");
    QFont designed = form.surface()->font();
    designed.setPointSizeF(12);
    const QFontMetrics metrics(designed);
    const QSize room(metrics.horizontalAdvance(caption) - widthShort, metrics.ascent() - heightShort);
    const QFont fitted = fittedFont(designed, caption, room);
    if (expected > 0) {
        QCOMPARE(fitted.pointSizeF(), expected);
    } else {
        QVERIFY2(fitted.pointSizeF() < 12 && fitted.pointSizeF() >= 8, qPrintable(QString::number(fitted.pointSizeF())));
        const QFontMetrics shrunk(fitted);
        QVERIFY(shrunk.horizontalAdvance(caption) <= room.width() && shrunk.ascent() <= room.height());
        // The largest that fits: half a point more would not.
        QFont larger = fitted;
        larger.setPointSizeF(fitted.pointSizeF() + 0.5);
        const QFontMetrics over(larger);
        QVERIFY(over.horizontalAdvance(caption) > room.width() || over.ascent() > room.height());
    }

    // A widget whose caption fits goes on inheriting its window's font.
    form.setFont(designed);
    QWidget widget(form.surface());
    fitCaption(widget, caption, room);
    QCOMPARE(widget.testAttribute(Qt::WA_SetFont), expected != 12);
    QCOMPARE(widget.font().pointSizeF(), fitted.pointSizeF());
}

void TestControls::timerStartsOnceAndTicksOnlyWithAPeriod()
{
    Timer timer;
    int ticks = 0;
    timer.setTimerHandler([&] { ++ticks; });
    timer.setInterval(1000);
    timer.setEnabled(true);
    QThread::msleep(250);
    timer.setEnabled(true);
    // Restarted, the next tick would be a whole period away again.
    QVERIFY2(timer.remainingTime() <= 850, qPrintable(QString::number(timer.remainingTime())));
    timer.setEnabled(false);
    QCOMPARE(timer.remainingTime(), -1);

    // At interval 0 an enabled timer raises no events.
    timer.setInterval(0);
    timer.setEnabled(true);
    QTest::qWait(50);
    QCOMPARE(ticks, 0);
    QVERIFY(timer.Enabled());
    timer.setInterval(10);
    QTRY_VERIFY(ticks > 0);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, timer.setInterval(-1));
}

void TestControls::runtimeErrorIsReportedOnceAndStopsHandlers()
{
    Timer timer;
    int ticks = 0;
    ListBox list(form.surface());
    list.items().setStringList({"a"});
    timer.setTimerHandler([&] {
        ++ticks;
        list.setListIndex(5);
    });
    timer.setInterval(5);
    timer.setEnabled(true);
    QTRY_COMPARE(reports.size(), 1u);
    QTest::qWait(50);
    QCOMPARE(ticks, 1);
    QCOMPARE(reports.size(), 1u);
    QVERIFY2(reports[0].contains("5"), qPrintable(reports[0]));
    QVERIFY(runtime::hasFailed());
    QVERIFY(!runHandler([] {}));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
