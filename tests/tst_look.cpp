// The window as it is drawn, at the scale and the zoom the test runs at
// (CTest runs it at several), under a dark colour scheme that the program
// must set aside, set before it starts, while it runs, or by a platform
// theme (CTest runs it under Qt's GTK theme too): the target square with an
// even border wherever it goes and whatever its size, no gap between a
// frame and what it frames, bevels that grow with the scale and the zoom,
// and captions that can be read and are not cut off; and at scales 1 and 2,
// the window as the README shows it, pixel for pixel.

#include "contrast.h"
#include "design.h"
#include "imagedifference.h"
#include "program.h"
#include "shownwindow.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QVersionNumber>

#include <algorithm>
#include <cmath>

using namespace ui;

namespace {

using designed::Lavender;
const QColor Orange(255, 192, 128);

// A dark desktop, as a platform theme or a style of its own would set it.
QPalette darkDesktop()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
    palette.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
    palette.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEC));
    palette.setColor(QPalette::Button, QColor(0x45, 0x45, 0x45));
    palette.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEC));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0x92, 0x95, 0x95));
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(0x92, 0x95, 0x95));
    return palette;
}

// The part of the image a widget covers, in device pixels, leaving out the
// pixels its edges only partly cover.
QRect devicePixels(const QWidget *widget, qreal scale)
{
    const QRectF exact(QPointF(widget->mapTo(widget->window(), QPoint(0, 0))) * scale, QSizeF(widget->size()) * scale);
    const int left = int(std::ceil(exact.left())), top = int(std::ceil(exact.top()));
    return QRect(QPoint(left, top), QPoint(int(std::floor(exact.right())) - 1, int(std::floor(exact.bottom())) - 1));
}

// The README's screenshot of the window as started, at the scale the test
// runs at; none for a zoom, another scale or other fonts. Qt 6.8 spaces the
// description's lines and draws scroll bars a little differently, so its
// screenshots are its own.
QString screenshot(qreal scale, qreal zoom)
{
    if (zoom != 1 || (scale != 1 && scale != 2) || qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
        return {};
    const QString release = QLibraryInfo::version() >= QVersionNumber(6, 8) ? QStringLiteral("-qt6.8") : QString();
    return QStringLiteral(EYETRAINER_DOCS "/screenshot%1%2.png").arg(scale == 2 ? QStringLiteral("-2x") : QString(), release);
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void targetIsSquareWithAnEvenBorder_data();
    void targetIsSquareWithAnEvenBorder();
    void framesHaveNoGaps();
    void bevelsAndArrowsGrowWithTheScale();
    void captionsReadableAndWhole_data();
    void captionsReadableAndWhole();
    void matchesTheScreenshot_data() { captionsReadableAndWhole_data(); }
    void matchesTheScreenshot();

private:
    // The window after start-up, shown, with the exercise run for some ticks.
    std::unique_ptr<ExerciseForm> window(qint16 mode = 0, int ticks = 0);
    QImage capture(ExerciseForm &form) const;
    // The window while another has the focus, which a desktop may draw grey;
    // darkened, after the desktop has switched to a dark palette.
    QImage inactiveCapture(ExerciseForm &form, bool darkened) const;
    qreal scale = 1; // device pixels per pixel
    // The user's zoom the test runs at (CTest runs it at several), and the
    // device pixels a designed pixel's line takes at it.
    qreal zoom = qEnvironmentVariable("EYETRAINER_ZOOM", QStringLiteral("1")).toDouble();
    qreal lines = 1;
};

void TestLook::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(darkDesktop());
    program::prepareApplication();
    const auto probe = shownWindow();
    QVERIFY(probe);
    scale = probe->form.surface()->devicePixelRatioF();
    lines = scale * zoom;
    qInfo("device pixels per pixel: %g, zoom %g", scale, zoom);
}

QImage TestLook::inactiveCapture(ExerciseForm &form, bool darkened) const
{
    if (darkened) {
        QApplication::setPalette(darkDesktop());
        QCoreApplication::processEvents();
    }
    QWidget other;
    other.show();
    return activate(&other) ? capture(form) : QImage();
}

// Pixel for pixel the screenshot in docs/, where there is one for the
// scale, the zoom and the fonts it runs at.
void TestLook::matchesTheScreenshot()
{
    QFETCH(bool, darkenedWhileShown);

    const QString reference = screenshot(scale, zoom);
    if (reference.isEmpty())
        QSKIP("no screenshot for this scale, zoom or set of fonts");
    const auto form = window();
    QVERIFY(form);
    const QString difference = differenceFrom(inactiveCapture(*form, darkenedWhileShown), QImage(reference), reference);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

std::unique_ptr<ExerciseForm> TestLook::window(qint16 mode, int ticks)
{
    auto form = shownWindow();
    if (!form)
        return nullptr;
    form->form.setZoom(zoom);
    form->Option1[mode].setValue(true);
    for (int i = 0; i < ticks; ++i)
        form->Timer1_Timer();
    return form;
}

QImage TestLook::capture(ExerciseForm &form) const
{
    QImage image = form.form.surface()->grab().toImage();
    image.setDevicePixelRatio(1);
    if (qEnvironmentVariableIsSet("EYETRAINER_LOOK_CAPTURE"))
        image.save(qEnvironmentVariable("EYETRAINER_LOOK_CAPTURE") + QLatin1Char('-')
            + QLatin1String(QTest::currentDataTag() ? QTest::currentDataTag() : QTest::currentTestFunction()) + QStringLiteral(".png"));
    return image;
}

// clang-format off
void TestLook::targetIsSquareWithAnEvenBorder_data()
{
    QTest::addColumn<qint16>("mode");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("focused");

    QTest::newRow("at rest") << qint16(0) << 0 << false;
    QTest::newRow("at rest, focused") << qint16(0) << 0 << true;
    QTest::newRow("left") << qint16(0) << 1 << false;
    QTest::newRow("right") << qint16(0) << 2 << false;
    QTest::newRow("top") << qint16(1) << 1 << false;
    QTest::newRow("bottom") << qint16(1) << 2 << false;
    QTest::newRow("middle, candle") << qint16(3) << 4 << false;
    // perspective, at the middle: 500/3, 125, 100, 500/6, 500, 250 twips
    for (int tick = 1; tick <= 6; ++tick)
        QTest::addRow("perspective, tick %d", tick) << qint16(4) << tick << false;
    QTest::newRow("perspective, smallest, focused") << qint16(4) << 4 << true;
}
// clang-format on

void TestLook::targetIsSquareWithAnEvenBorder()
{
    QFETCH(qint16, mode);
    QFETCH(int, ticks);
    QFETCH(bool, focused);

    const auto form = window(mode, ticks);
    QVERIFY(form);
    // What lies behind the target is not under test here: only the window.
    form->Text1[0].setVisible(false);
    QWidget *target = form->Picture1->widget();
    if (focused)
        target->setFocus();
    const QColor fill = target->palette().color(QPalette::Window);
    const QImage image = capture(*form);
    QRect open = devicePixels(target, scale).adjusted(-4, -4, 4, 4);
    // The period list stands in front of the full-size target at the middle.
    const QRect list = devicePixels(form->List1[0].widget(), scale).adjusted(-1, -1, 1, 1);
    if (open.intersects(list))
        open.setRight(list.left() - 1);

    const QRect outer = designed::areaWhere(image, open, [](QColor c) { return c != Lavender; });
    const QRect inner = designed::areaWhere(image, open, [&](QColor c) { return c == fill; });
    QVERIFY2(!inner.isEmpty(), "the target does not show");
    const int left = inner.left() - outer.left(), top = inner.top() - outer.top();
    const int right = outer.right() - inner.right(), bottom = outer.bottom() - inner.bottom();
    const QString found = QString::asprintf("outer %dx%d, fill %dx%d, border left %d top %d right %d bottom %d", outer.width(), outer.height(), inner.width(),
        inner.height(), left, top, right, bottom);
    QVERIFY2(left == top && (outer.right() >= open.right() || right == left) && bottom == top, qPrintable(found));
    if (outer.right() < open.right())
        QVERIFY2(outer.width() == outer.height() && inner.width() == inner.height(), qPrintable(found));
    // The bevel grows with the scale and the zoom; only a box too small for
    // it and some colour inside takes two thinner lines.
    const int bevel = int(std::floor(2 * lines)), fullBevel = 2 * int(std::round(lines));
    QVERIFY2(left >= bevel || (left >= 2 && outer.width() <= 2 * fullBevel), qPrintable(found));
    // The focus line, two lines as thick as the bevel's, starts where the
    // bevel ends, in device pixels; on a box too small for it, it shows,
    // and keeps at least half of what lies inside the bevel in colour.
    if (focused && mode != 4) {
        QCOMPARE(left, 2 * fullBevel);
        QCOMPARE(image.pixelColor(outer.left() + fullBevel, inner.center().y()), QColor(Qt::black));
        QVERIFY(image.pixelColor(outer.left() + fullBevel - 1, inner.center().y()) != QColor(Qt::black));
    } else if (focused) {
        target->clearFocus();
        const QRect insideBevel = designed::areaWhere(capture(*form), open, [&](QColor c) { return c == fill; });
        QVERIFY2(2 * inner.width() * inner.height() >= insideBevel.width() * insideBevel.height(), qPrintable(found));
        QVERIFY(!designed::areaOf(image.copy(outer), Qt::black).isEmpty());
    }
    // Nothing but the fill inside the bevel, and no fill outside it.
    QCOMPARE(designed::areaWhere(image, inner, [&](QColor c) { return c != fill; }), QRect());
}

void TestLook::framesHaveNoGaps()
{
    const auto form = window();
    QVERIFY(form);
    const QImage image = capture(*form);
    for (QWidget *framed : {form->List1[0].widget(), form->Text1[0].widget()}) {
        const QRect inside = devicePixels(framed, scale);
        const QRect gaps = designed::areaWhere(image, inside, [](QColor c) { return c == Lavender || c == Orange; });
        const QString where = QString::asprintf("%d,%d %dx%d", gaps.x(), gaps.y(), gaps.width(), gaps.height());
        QVERIFY2(gaps.isEmpty(), qPrintable(framed->accessibleName() + QStringLiteral(": what lies behind shows at ") + where));
    }
}

void TestLook::bevelsAndArrowsGrowWithTheScale()
{
    const auto form = window();
    QVERIFY(form);
    const QImage image = capture(*form);
    for (qint16 index : std::initializer_list<qint16>{0, 1}) {
        QWidget *button = form->Command1[index].widget();
        const QColor face = index == 0 ? QColor(0, 255, 0) : QColor(255, 0, 0);
        const QRect inside = devicePixels(button, scale);
        const int row = inside.center().y();
        int bevel = 0;
        while (bevel < inside.width() / 2 && image.pixelColor(inside.left() + bevel, row) != face)
            ++bevel;
        QVERIFY2(bevel >= int(std::round(2 * lines)) - 1, qPrintable(QStringLiteral("bevel %1 device pixels at %2 a line").arg(bevel).arg(lines)));
    }
    // The scroll bar's up arrow, 8 pixels wide at the designed size.
    const QWidget *bar = static_cast<QAbstractScrollArea *>(form->List1[0].widget())->verticalScrollBar();
    QRect button = devicePixels(bar, scale);
    button.setHeight(button.height() / 2);
    int widest = 0;
    for (int y = button.top(); y <= button.bottom(); ++y) {
        int dark = 0;
        for (int x = button.left(); x <= button.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
        widest = std::max(widest, dark);
    }
    QVERIFY2(widest >= int(8 * lines) - 3, qPrintable(QStringLiteral("arrow %1 device pixels wide at %2 a line").arg(widest).arg(lines)));
}

namespace {

// The width in device pixels of the ink of a text drawn with nothing to cut
// it off.
int inkWidth(const QString &text, const QFont &font, qreal scale, QColor background)
{
    QImage image(QSize(1200, 200) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(100, 100), text);
    }
    image.setDevicePixelRatio(1);
    return designed::areaWhere(image, image.rect(), [&](QColor c) { return c != background; }).width();
}

} // namespace

void TestLook::captionsReadableAndWhole_data()
{
    QTest::addColumn<bool>("darkenedWhileShown");

    QTest::newRow("as started") << false;
    // As a desktop that switches to a dark scheme while the program runs.
    QTest::newRow("dark palette while shown") << true;
}

// Each caption's darkest pixel against its background, and all of its ink.
void TestLook::captionsReadableAndWhole()
{
    QFETCH(bool, darkenedWhileShown);

    const auto form = window();
    QVERIFY(form);
    const QImage image = inactiveCapture(*form, darkenedWhileShown);
    QVERIFY(!image.isNull());
    struct Caption
    {
        QString text;
        QRect box;
        QColor background;
        const QWidget *drawnBy; // whose font it is drawn in; none for a label
    };
    std::vector<Caption> captions;
    for (qint16 i = 0; i <= 6; ++i) {
        const QWidget *option = form->Option1[i].widget();
        // The text, right of the round indicator, where the style puts it.
        QStyleOptionButton style;
        style.initFrom(option);
        const int indicator = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).left();
        captions.push_back({form->Option1[i].Caption(), devicePixels(option, scale).adjusted(int(std::ceil(indicator * scale)), 0, 0, 0), Orange, option});
    }
    for (qint16 i : std::initializer_list<qint16>{0, 1}) {
        const QWidget *button = form->Command1[i].widget();
        const int bevel = int(std::ceil(2 * lines));
        captions.push_back({static_cast<const QAbstractButton *>(button)->text(), devicePixels(button, scale).adjusted(bevel, bevel, -bevel, -bevel),
            i == 0 ? QColor(0, 255, 0) : QColor(255, 0, 0), button});
    }
    for (qint16 i : std::initializer_list<qint16>{0, 1}) {
        const Label &label = form->Label1[i];
        QRect box = devicePixels(label.widget(), scale).adjusted(1, 1, -1, -1);
        // "Период" shows down to the list in front of it.
        const QRect list = devicePixels(form->List1[0].widget(), scale).adjusted(-1, -1, 1, 1);
        if (box.intersects(list))
            box.setBottom(list.top() - 1);
        captions.push_back({label.Caption(), box, Orange, nullptr});
    }

    for (const Caption &caption : captions) {
        double best = 1;
        const QRect ink = designed::areaWhere(image, caption.box, [&](QColor c) { return c != caption.background; });
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x)
                best = std::max(best, contrast(image.pixelColor(x, y), caption.background));
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: contrast %2").arg(caption.text).arg(best)));
        if (caption.drawnBy) {
            const int whole = inkWidth(caption.text, caption.drawnBy->font(), scale, caption.background);
            QVERIFY2(ink.width() >= whole - 1, qPrintable(QStringLiteral("%1: %2 of its %3 device pixels show").arg(caption.text).arg(ink.width()).arg(whole)));
        } else {
            // Centred, a label cut off would reach both edges of its box.
            QVERIFY2(
                ink.left() > caption.box.left() && ink.right() < caption.box.right(), qPrintable(QStringLiteral("%1: cut off at its edges").arg(caption.text)));
        }
    }
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
