// The exercise window as designed, its start-up and the user's commands.

#include "design.h"
#include "exerciseform.h"
#include "shownwindow.h"
#include "twips.h"
#include "windowroom.h"
#include "zoomsteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>

using namespace ui;

namespace {

const QString Description = QStringLiteral(
    "Движението, гимнастиката, упражненията допринасят за повишаване на общия тонус и укрепване на организма.\r\n"
    "Това е познато отдавна, но съществувава един специфичен проблем - да надвием себе си, това може да се направи само с волеви усилия.\r\n"
    "По темата подобряване на зрението е писано много.\r\n"
    "Да се създаде проект създаващ междупредметна връзка Биология и Информатика.\r\n"
    "Проектът да съдържа функции, които могат да подобрят зрението (поне в известна степен). Прочетете допълнителен материал за гимнастика на очите. В проекта са реализирани следните функции:\r\n"
    "\r\n"
    " а) Ляво-Дясно -  преместване хоризонтално на наблюдаван обект.\r\n"
    " б) Горе-Долу -  преместване вертикално на наблюдаван обект.\r\n"
    " в) Светофар - \"премигване\" на наблюдаван обект.\r\n"
    " г) Свещ-яркост промяна оцветяване на наблюдаван обект.\r\n"
    " д) Перспектива -  промяна размер на наблюдаван обект.\r\n"
    " е) Срещу часовата -  преместване кръгово(в указаната посока) на наблюдаван обект.\r\n"
    " ж) По часовата -  преместване кръгово(в указаната посока) на наблюдаван обект.\r\n"
    "Проектът да съдържа набор от два командни бутона за стартиране/спиране на движението.\r\n"
    "Честотата на промяна се контролира от потребителя чрез избор от дискретен набор със стойности.\r\n");

const QString Report = QStringLiteral("Данни за текущите размери:\r\n"
                                      "XL: 0\r\n"
                                      "XD: 6365\r\n"
                                      "XS: 2957.5\r\n"
                                      "YG: 0\r\n"
                                      "YD: 4625\r\n"
                                      "YS: 2312.5\r\n"
                                      "Dylv: 6915\r\n"
                                      "Wis: 5625\r\n");

constexpr qint64 DefaultColour = -1;

QColor pixel(const QImage &image, float leftTwips, float topTwips)
{
    return image.pixelColor(toPixels(leftTwips, 1), toPixels(topTwips, 1));
}

} // namespace

class TestExerciseForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // as designed, before start-up runs
    void windowedControls_data();
    void windowedControls();
    void window();

    // start-up
    void stateAfterLoad_data();
    void stateAfterLoad();

    // the user's commands
    void zoomKeysTakeTheLargestStepThatFits_data();
    void zoomKeysTakeTheLargestStepThatFits();
    void startAndStopOnlySwitchTheTimer();
    void periodEntries_data();
    void periodEntries();
    void optionsSetMode();

    // on screen
    void targetPassesBehindListAndOverTextBox();
    void descriptionCanBeSelectedAndCopied();
};

void TestExerciseForm::initTestCase()
{
    program::prepareApplication();
}

// clang-format off
void TestExerciseForm::windowedControls_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<qint64>("backColor");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("depth"); // the rows run from the front to the back

    const qint64 orange = 0x0080C0FF;
    int depth = 0;
    QTest::newRow("List1(3)") << "List1" << 3 << QRectF(5640, 1200, 1335, 1200) << DefaultColour << QStringList{"0", "1", "2", "3"} << false << depth++;
    QTest::newRow("List1(2)") << "List1" << 2 << QRectF(5160, 1200, 1335, 1200) << DefaultColour << QStringList{"0", "1", "2", "3", "4", "5"} << false << depth++;
    QTest::newRow("Option1(6)") << "Option1" << 6 << designed::ClockwiseOption << orange << QStringList{"По часовата"} << true << depth++;
    QTest::newRow("Option1(5)") << "Option1" << 5 << QRectF(600, 2520, 1935, 375) << orange << QStringList{"Срещу часовата"} << true << depth++;
    QTest::newRow("Option1(4)") << "Option1" << 4 << QRectF(600, 2160, 1935, 375) << orange << QStringList{"Перспектива"} << true << depth++;
    QTest::newRow("Option1(3)") << "Option1" << 3 << QRectF(600, 1800, 1935, 375) << orange << QStringList{"Свещ-яркост"} << true << depth++;
    QTest::newRow("List1(0)") << "List1" << 0 << designed::PeriodList << DefaultColour
                              << QStringList{"200", "300", "400", "500", "500", "700", "800", "900"} << true << depth++;
    QTest::newRow("List1(1)") << "List1" << 1 << QRectF(4680, 1200, 1335, 1200) << DefaultColour << QStringList{"0", "1", "0", "1"} << false << depth++;
    QTest::newRow("Picture1") << "Picture1" << 0 << QRectF(0, 2600, 500, 500) << qint64(0x0000FFFF) << QStringList{} << true << depth++;
    QTest::newRow("Command1(1)") << "Command1" << 1 << designed::StopButton << qint64(0x000000FF) << QStringList{"Спри"} << true << depth++;
    QTest::newRow("Command1(0)") << "Command1" << 0 << designed::StartButton << qint64(0x0000FF00) << QStringList{"Започни"} << true << depth++;
    QTest::newRow("Option1(2)") << "Option1" << 2 << QRectF(600, 1440, 1935, 375) << orange << QStringList{"Светофар"} << true << depth++;
    QTest::newRow("Option1(1)") << "Option1" << 1 << QRectF(600, 1080, 1935, 375) << orange << QStringList{"Горе-Долу"} << true << depth++;
    QTest::newRow("Option1(0)") << "Option1" << 0 << QRectF(600, 720, 1935, 375) << orange << QStringList{"Ляво-Дясно"} << true << depth++;
    QTest::newRow("Text1(1)") << "Text1" << 1 << QRectF(720, 3480, 6735, 1815) << DefaultColour
                              << QStringList{QStringLiteral("Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не оценява колко трудно е било. \r\n")}
                              << false << depth++;
    QTest::newRow("Text1(0)") << "Text1" << 0 << QRectF(120, 3480, 6735, 1815) << DefaultColour << QStringList{Description} << true << depth++;
    // The labels, on the window's own surface, behind every control.
    QTest::newRow("Label1(1)") << "Label1" << 1 << designed::PeriodLabel << orange << QStringList{"Период"} << true << depth++;
    QTest::newRow("Label1(0)") << "Label1" << 0 << designed::TitleLabel << orange << QStringList{"Тренировка за очите"} << true << depth++;
}
// clang-format on

void TestExerciseForm::windowedControls()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QRectF, twips);
    QFETCH(qint64, backColor);
    QFETCH(QStringList, texts);
    QFETCH(bool, visible);
    QFETCH(int, depth);

    ExerciseForm form;
    const WindowedControl *control = nullptr;
    QStringList shown;
    if (array == "List1") {
        const ListBox &list = form.List1[qint16(index)];
        QVERIFY(qobject_cast<QListView *>(list.widget()));
        for (int i = 0; i < list.ListCount(); ++i)
            shown << list.List(i);
        control = &list;
    } else if (array == "Option1") {
        control = &form.Option1[qint16(index)];
        auto *button = qobject_cast<QRadioButton *>(control->widget());
        QVERIFY(button);
        shown << button->text();
    } else if (array == "Picture1") {
        control = form.Picture1.get();
    } else if (array == "Command1") {
        control = &form.Command1[qint16(index)];
        auto *button = qobject_cast<QAbstractButton *>(control->widget());
        QVERIFY(button && !qobject_cast<QRadioButton *>(button));
        shown << button->text();
    } else if (array == "Text1") {
        const TextBox &text = form.Text1[qint16(index)];
        auto *editor = qobject_cast<QPlainTextEdit *>(text.widget());
        QVERIFY(editor && editor->isReadOnly());
        QCOMPARE(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        shown << text.Text();
        control = &text;
    } else if (array == "Label1") {
        control = &form.Label1[qint16(index)];
        shown << form.Label1[qint16(index)].Caption();
    }
    QVERIFY(control);
    QCOMPARE(shown, texts);
    QCOMPARE(QRectF(control->Left(), control->Top(), control->Width(), control->Height()), twips);
    QCOMPARE(control->widget()->geometry(),
        QRect(toPixels(float(twips.left()), 1), toPixels(float(twips.top()), 1), toPixels(float(twips.width()), 1), toPixels(float(twips.height()), 1)));
    QCOMPARE(control->BackColor() ? qint64(*control->BackColor()) : DefaultColour, backColor);
    QCOMPARE(control->Visible(), visible);
    QCOMPARE(control->widget()->parentWidget(), form.form.surface());
    // Qt keeps the children from the back to the front; what the window
    // says to screen readers has no size, so no place among them.
    QList<QWidget *> children = form.form.surface()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget *widget) { return widget->size().isEmpty(); });
    QCOMPARE(int(children.size() - 1 - children.indexOf(control->widget())), depth);
}

void TestExerciseForm::window()
{
    ExerciseForm form;
    QWidget *window = form.form.surface();
    QVERIFY(window->windowTitle().endsWith(QStringLiteral("  Биология - упражнения за зрение")));
    QVERIFY(!window->windowTitle().startsWith(' '));
    QCOMPARE(window->minimumSize(), designed::WindowPixels);
    QCOMPARE(window->maximumSize(), designed::WindowPixels);
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(192, 192, 255));
    // Every other colour is Qt's own light one for Fusion, as Qt shows it
    // where no desktop theme speaks, as on this platform.
    window->ensurePolished();
    const QPalette light = std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Fusion")))->standardPalette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (role != QPalette::Window)
                QCOMPARE(window->palette().color(group, QPalette::ColorRole(role)), light.color(group, QPalette::ColorRole(role)));
    QCOMPARE(window->font().family(), "Times New Roman");
    QCOMPARE(window->font().pointSize(), 12);
    QCOMPARE(window->font().weight(), QFont::Normal);
    QVERIFY(QFontInfo(window->font()).family().contains("Serif") || QFontInfo(window->font()).family() == "Times New Roman");
    const QList<QSize> iconSizes = window->windowIcon().availableSizes();
    QCOMPARE(iconSizes, QList<QSize>{QSize(32, 32)});

    // Before start-up runs.
    for (qint16 i = 0; i <= 6; ++i)
        QVERIFY(!form.Option1[i].Value());
    QCOMPARE(form.List1[0].ListIndex(), -1);
    QVERIFY(form.Timer1.Enabled());
    QCOMPARE(form.Timer1.Interval(), 200);
    QVERIFY(std::holds_alternative<std::monostate>(form.Mode));
}

void TestExerciseForm::stateAfterLoad_data()
{
    QTest::addColumn<qreal>("zoom");

    QTest::newRow("designed size") << 1.0;
    // The report is in twips: the user's zoom changes no number in it.
    QTest::newRow("zoom 125 %") << 1.25;
    QTest::newRow("zoom 175 %") << 1.75;
    QTest::newRow("zoom 300 %") << 3.0;
}

void TestExerciseForm::stateAfterLoad()
{
    QFETCH(qreal, zoom);

    ExerciseForm form;
    form.form.setZoom(zoom);
    // Each window has a zoom of its own.
    const ExerciseForm other;
    QCOMPARE(form.Picture1->widget()->width(), toPixels(500, zoom));
    QCOMPARE(other.Picture1->widget()->width(), toPixels(500, 1));
    QCOMPARE(form.Text1[0].Text().size(), 1195);
    form.Form_Load();
    QCOMPARE(form.Text1[0].Text(), Description + Report);
    QCOMPARE(form.Text1[1].Text().size(), 114);

    QCOMPARE(QRectF(form.Picture1->Left(), form.Picture1->Top(), form.Picture1->Width(), form.Picture1->Height()), QRectF(0, 2312.5, 500, 500));
    QVERIFY(form.Picture1->Visible());
    QCOMPARE(form.Picture1->BackColor(), std::optional<Colour>(0x0000FFFF));
    QVERIFY(!form.Timer1.Enabled());
    QCOMPARE(form.Timer1.Interval(), 200);
    QCOMPARE(form.Mode, Variant(qint16(0)));
    QVERIFY(form.Option1[0].Value());
    for (qint16 i = 1; i <= 6; ++i)
        QVERIFY(!form.Option1[i].Value());
    QCOMPARE(form.List1[0].ListIndex(), 0);

    // Each value keeps the type it was computed in.
    QCOMPARE(form.bounds.XL, Variant(qint16(0)));
    QCOMPARE(form.bounds.XD, Variant(6365.0));
    QCOMPARE(form.bounds.XS, Variant(2957.5f));
    QCOMPARE(form.bounds.YG, Variant(qint16(0)));
    QCOMPARE(form.bounds.YD, Variant(4625.0f));
    QCOMPARE(form.bounds.YS, Variant(2312.5));
    QCOMPARE(form.Dylv, Variant(6915.0f));
    QCOMPARE(form.Wis, qint16(5625));
}

void TestExerciseForm::zoomKeysTakeTheLargestStepThatFits_data()
{
    QTest::addColumn<qreal>("now");
    QTest::addColumn<QString>("key");     // "full": the zoom that fits the whole screen
    QTest::addColumn<QString>("desktop"); // "X", "Wayland", or "GNOME 2": Qt 6.4 on GNOME's device-pixel layout at scale 2
    QTest::addColumn<QRect>("available"); // the screen's room for windows, as Qt tells it
    QTest::addColumn<QMargins>("frame");  // around the client area, as Qt tells it
    QTest::addColumn<QPoint>("corner");   // the frame's corner before the key
    QTest::addColumn<qreal>("expected");
    QTest::addColumn<QVariant>("placed"); // the frame's corner after the key, none where the desktop places it

    const QRect wide(0, 0, 1910, 1013); // 1920 x 1080, a panel and a frame taken off
    const QPoint top;
    const QVariant stays = top;
    // clang-format off
    QTest::newRow("in from the designed size")  << 1.0 << "in" << "X" << wide << QMargins() << top << 1.25 << stays;
    QTest::newRow("in from 200 %")              << 2.0 << "in" << "X" << wide << QMargins() << top << 2.5 << stays;
    QTest::newRow("in stops where the screen ends") << 2.5 << "in" << "X" << wide << QMargins() << top << 2.5 << stays;
    QTest::newRow("in stops at the last step")  << 3.0 << "in" << "X" << QRect(0, 0, 4000, 4000) << QMargins() << top << 3.0 << stays;
    QTest::newRow("out from 125 %")             << 1.25 << "out" << "X" << wide << QMargins() << top << 1.0 << stays;
    QTest::newRow("out stops at the designed size") << 1.0 << "out" << "X" << wide << QMargins() << top << 1.0 << stays;
    QTest::newRow("ctrl+0 from 250 %")          << 2.5 << "0" << "X" << wide << QMargins() << top << 1.0 << stays;
    QTest::newRow("1920 x 1080 at desktop scale 1.25 holds no 250 %") << 2.0 << "in" << "X" << QRect(0, 0, 1526, 827) << QMargins() << top << 2.0 << stays;
    QTest::newRow("full screen on 1920 x 1080") << 1.0 << "full" << "X" << QRect(0, 0, 1920, 1080) << QMargins() << top << 1080.0 / 375 << QVariant();
    QTest::newRow("full screen on 1280 x 1024") << 1.5 << "full" << "X" << QRect(0, 0, 1280, 1024) << QMargins() << top << 1024.0 / 375 << QVariant();
    // On X the work area is told, below a panel here, and the window
    // manager's frame; the program keeps the window with its frame in it,
    // as near as it can to where it was.
    const QRect laptop(0, 32, 1366, 736);
    const QMargins xfwm(4, 28, 4, 4);
    QTest::newRow("X: 1366 x 768 holds 175 %, up as far as it must")   << 1.5 << "in" << "X" << laptop << xfwm << QPoint(100, 100) << 1.75 << QVariant(QPoint(100, 80));
    QTest::newRow("X: 1366 x 768 holds no 200 %") << 1.75 << "in" << "X" << laptop << xfwm << QPoint(100, 32) << 1.75 << QVariant();
    QTest::newRow("X: moved to the lower right, back inside") << 1.0 << "in" << "X" << laptop << xfwm << QPoint(900, 500) << 1.25 << QVariant(QPoint(782, 267));
    QTest::newRow("X: above the work area, down below the panel") << 1.25 << "in" << "X" << laptop << xfwm << QPoint(-20, 0) << 1.5 << QVariant(QPoint(0, 32));
    QTest::newRow("X: 175 % in a room of exactly its size") << 1.5 << "in" << "X" << QRect(10, 0, 815, 688) << xfwm << QPoint(500, 300) << 1.75 << QVariant(QPoint(10, 0));
    QTest::newRow("X: 175 % in a room a row short") << 1.5 << "in" << "X" << QRect(10, 0, 815, 687) << xfwm << QPoint(500, 300) << 1.5 << QVariant();
    QTest::newRow("X: going down stays") << 1.75 << "out" << "X" << laptop << xfwm << QPoint(900, 500) << 1.5 << QVariant();
    // On Wayland nothing is told: room is kept for a panel, and for a title
    // bar that the compositor draws, where Qt draws none (KWin).
    QTest::newRow("Wayland, title bar drawn by KWin: 175 %") << 1.5 << "in" << "Wayland" << QRect(0, 0, 1366, 768) << QMargins() << top << 1.75 << QVariant();
    QTest::newRow("Wayland, title bar drawn by KWin: no 200 %") << 1.75 << "in" << "Wayland" << QRect(0, 0, 1366, 768) << QMargins() << top << 1.75 << QVariant();
    QTest::newRow("Wayland, Qt's own title bar: 200 %") << 1.75 << "in" << "Wayland" << QRect(0, 0, 1366, 850) << QMargins(0, 30, 0, 0) << top << 2.0 << QVariant();
    QTest::newRow("GNOME at scale 2 on Qt 6.4: 175 %") << 1.5 << "in" << "GNOME 2" << QRect(0, 0, 2732, 1536) << QMargins(0, 30, 0, 0) << top << 1.75 << QVariant();
    QTest::newRow("GNOME at scale 2 on Qt 6.4: no 200 %") << 1.75 << "in" << "GNOME 2" << QRect(0, 0, 2732, 1536) << QMargins(0, 30, 0, 0) << top << 1.75 << QVariant();
    // clang-format on
}

void TestExerciseForm::zoomKeysTakeTheLargestStepThatFits()
{
    QFETCH(qreal, now);
    QFETCH(QString, key);
    QFETCH(QString, desktop);
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(QPoint, corner);
    QFETCH(qreal, expected);
    QFETCH(QVariant, placed);

    using program::ZoomKey;
    const QSizeF size = designed::WindowPixels;
    const ZoomKey zoomKey = key == "in" ? ZoomKey::In : (key == "out" ? ZoomKey::Out : ZoomKey::Designed);
    const program::WindowRoom room({available, desktop == "GNOME 2" ? 2.0 : 1.0, desktop == "X"}, frame);
    QCOMPARE(key == "full" ? program::fittedZoom(size, available.size()) : program::steppedZoom(now, zoomKey, size, room.clientRoom()), expected);
    // Where a step grows the window, the place it takes; none on Wayland.
    if (placed.isValid() && expected > now) {
        const std::optional<QPoint> to = room.placed(corner, designed::windowAt(expected));
        QVERIFY(to);
        QCOMPARE(*to, placed.toPoint());
    } else if (desktop != "X") {
        QVERIFY(!room.placed(corner, designed::windowAt(expected)));
    }
}

void TestExerciseForm::startAndStopOnlySwitchTheTimer()
{
    const auto form = shownWindow();
    QVERIFY(form);

    QTest::mouseClick(form->Command1[0].widget(), Qt::LeftButton);
    QVERIFY(form->Timer1.Enabled());
    QTest::mouseClick(form->Command1[1].widget(), Qt::LeftButton);
    QVERIFY(!form->Timer1.Enabled());
    QTest::mouseClick(form->Command1[1].widget(), Qt::LeftButton);
    QVERIFY(!form->Timer1.Enabled());
    QCOMPARE(form->Picture1->Left(), 0.0f);
    QCOMPARE(form->Picture1->Top(), 2312.5f);
    QCOMPARE(form->Mode, Variant(qint16(0)));
    QCOMPARE(form->Timer1.Interval(), 200);
}

// clang-format off
void TestExerciseForm::periodEntries_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("interval");

    QTest::newRow("200") << 0 << 200;
    QTest::newRow("300") << 1 << 300;
    QTest::newRow("400") << 2 << 400;
    QTest::newRow("first 500") << 3 << 500;
    QTest::newRow("second 500") << 4 << 500;
    QTest::newRow("700") << 5 << 700;
    QTest::newRow("800") << 6 << 800;
    QTest::newRow("900") << 7 << 900;
}
// clang-format on

void TestExerciseForm::periodEntries()
{
    QFETCH(int, entry);
    QFETCH(int, interval);

    const auto form = shownWindow();
    QVERIFY(form);
    auto *view = static_cast<QListView *>(form->List1[0].widget());
    const QModelIndex item = form->List1[0].items().index(entry);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QCOMPARE(form->List1[0].ListIndex(), entry);
    QCOMPARE(form->Timer1.Interval(), interval);
    QVERIFY(!form->Timer1.Enabled());
}

void TestExerciseForm::optionsSetMode()
{
    const auto form = shownWindow();
    QVERIFY(form);
    for (qint16 i : std::initializer_list<qint16>{6, 3, 0, 5}) {
        QTest::mouseClick(form->Option1[i].widget(), Qt::LeftButton);
        QCOMPARE(form->Mode, Variant(i));
    }
    QCOMPARE(form->Picture1->Left(), 0.0f);
    QVERIFY(!form->Timer1.Enabled());
}

void TestExerciseForm::targetPassesBehindListAndOverTextBox()
{
    const auto form = shownWindow();
    QVERIFY(form);
    const QColor yellow(255, 255, 0);

    const float xs = 2957.5f;
    form->Picture1->setLeft(xs);
    form->Picture1->setTop(2312.5f);
    QImage image = form->form.surface()->grab().toImage();
    QCOMPARE(pixel(image, xs + 150, 2312.5f + 250), yellow);                                 // its left part, in the open
    QVERIFY(pixel(image, float(designed::PeriodList.left()) + 60, 2312.5f + 250) != yellow); // under the period list

    form->Picture1->setTop(4625);
    image = form->form.surface()->grab().toImage();
    QCOMPARE(pixel(image, xs + 250, 4625 + 250), yellow); // over the description
}

void TestExerciseForm::descriptionCanBeSelectedAndCopied()
{
    const auto form = shownWindow();
    QVERIFY(form);
    QWidget *editor = form->Text1[0].widget();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    QString expected = form->Text1[0].Text();
    expected.replace("\r\n", "\n");
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QTest::keyClick(editor, Qt::Key_X);
    QTest::keyClick(editor, Qt::Key_Delete);
    QCOMPARE(static_cast<QPlainTextEdit *>(editor)->toPlainText(), expected);
}

QTEST_MAIN(TestExerciseForm)
#include "tst_exerciseform.moc"
