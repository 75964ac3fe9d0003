#include "style.h"

#include "devicepixels.h"
#include "zoom.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QPolygonF>
#include <QStyleOption>
#include <QVersionNumber>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// The widget a painter paints on: an item view paints its entries on its
// viewport, not on the widget it names.
const QWidget *paintedWidget(const QPainter *painter, const QWidget *widget)
{
    if (const auto *device = dynamic_cast<const QWidget *>(painter->device()))
        return device;
    return widget;
}

// Where a scroll bar's arrow lies in its button's room, as Fusion places it:
// 14 by 8 pixels at most at the designed size, zoomed, centred.
QRectF arrowBox(const QRect &room, Qt::ArrowType type, const Zoom &zoom)
{
    const int width = zoom.pixels(14);
    const int height = zoom.pixels(8);
    const int size = std::min({width, height, room.width(), room.height()});
    QRectF box(0, 0, size, height * size / width);
    if (type == Qt::LeftArrow || type == Qt::RightArrow)
        box = box.transposed();
    box.moveTo(room.left() + (room.width() - box.width()) / 2.0, room.top() + (room.height() - box.height()) / 2.0);
    return box;
}

void drawArrow(QPainter &painter, Qt::ArrowType type, const QRectF &box, const QColor &colour)
{
    // clang-format off
    const QPolygonF triangle =
          type == Qt::UpArrow   ? QPolygonF{box.bottomLeft(), box.bottomRight(), QPointF(box.center().x(), box.top())}
        : type == Qt::DownArrow ? QPolygonF{box.topLeft(), box.topRight(), QPointF(box.center().x(), box.bottom())}
        : type == Qt::LeftArrow ? QPolygonF{box.topRight(), box.bottomRight(), QPointF(box.left(), box.center().y())}
                                : QPolygonF{box.topLeft(), box.bottomLeft(), QPointF(box.right(), box.center().y())};
    // clang-format on
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPolygon(triangle);
    painter.restore();
}

} // namespace

DesignedStyle::DesignedStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{
}

// Qt's own light colours, as it shows Fusion where no desktop theme speaks:
// black text on a light grey, white fields, the same for an inactive window
// as for an active one, so captions never turn grey on the designed colours.
// Written out here because the style's standard palette is the platform
// theme's, dark where the desktop is dark.
QPalette DesignedStyle::designedPalette()
{
    static const QPalette designed = [] {
        const QColor window(239, 239, 239);
        const QColor dark = window.darker(150);
        const QColor mid = window.darker(130);
        const QColor shadow = dark.darker(135);
        const QColor disabledText(190, 190, 190);
        QColor placeholder(Qt::black);
        placeholder.setAlpha(128);

        QPalette palette(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
        // clang-format off
        const struct { QPalette::ColorGroup group; QPalette::ColorRole role; QColor colour; } colours[]{
            {QPalette::All,      QPalette::Midlight,        mid.lighter(110)},
            {QPalette::All,      QPalette::Button,          window},
            {QPalette::All,      QPalette::Shadow,          shadow},
            {QPalette::All,      QPalette::HighlightedText, Qt::white},
            {QPalette::All,      QPalette::Highlight,       QColor(48, 140, 198)},
            {QPalette::All,      QPalette::PlaceholderText, placeholder},
            {QPalette::Disabled, QPalette::Text,            disabledText},
            {QPalette::Disabled, QPalette::WindowText,      disabledText},
            {QPalette::Disabled, QPalette::ButtonText,      disabledText},
            {QPalette::Disabled, QPalette::Base,            window},
            {QPalette::Disabled, QPalette::Dark,            QColor(209, 209, 209).darker(110)},
            {QPalette::Disabled, QPalette::Shadow,          shadow.lighter(150)},
            {QPalette::Disabled, QPalette::Highlight,       QColor(145, 145, 145)},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
            {QPalette::All,      QPalette::Accent,          QColor(48, 140, 198)},
            {QPalette::Disabled, QPalette::Accent,          QColor(145, 145, 145)},
#endif
        };
        // clang-format on
        for (const auto &[group, role, colour] : colours)
            palette.setBrush(group, role, colour);
        // Every colour counts as set, so that a window passes all of them on.
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                palette.setBrush(group, QPalette::ColorRole(role), palette.brush(group, QPalette::ColorRole(role)));
        return palette;
    }();
    return designed;
}

void DesignedStyle::polish(QPalette &palette)
{
    palette = designedPalette();
}

void DesignedStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (!widget->isWindow())
        return;
    // A platform theme gives labels, buttons, lists and text fields palettes
    // of their own, and may apply them after start-up (Qt's GTK theme does).
    // A window that sets every colour itself passes the designed ones down
    // over those; the colours the window sets for itself stay.
    QPalette palette = designedPalette();
    const QPalette own = widget->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        if (own.isBrushSet(QPalette::Active, colourRole))
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                palette.setBrush(group, colourRole, own.brush(group, colourRole));
    }
    widget->setPalette(palette);
}

void DesignedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameFocusRect && paintedWidget(painter, widget)) {
        drawFocusLine(option->rect, painter, paintedWidget(painter, widget));
        return;
    }
    if (element == PE_Frame && widget) {
        drawField(option, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void DesignedStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case CE_PushButton:
        if (widget) {
            drawButton(option, painter, widget);
            return;
        }
        break;
    // Fusion marks a focused option faintly in its highlight colour; the
    // focus line takes its place.
    case CE_RadioButton:
        if (option->state & State_HasFocus) {
            drawWithFocusLine<QStyleOptionButton>(element, option, painter, widget);
            return;
        }
        break;
    default: break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void DesignedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    // Fusion keeps a scroll bar's arrows at their designed size whatever
    // the zoom, and Qt 6.8's Fusion shapes them otherwise than Qt 6.4's.
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    static const bool fusionShapesArrowsAsDesigned = QLibraryInfo::version() < QVersionNumber(6, 8);
    const bool fusionArrowsFit = fusionShapesArrowsAsDesigned && zoomOf(widget).factor == 1;
    if (control == CC_ScrollBar && bar && !fusionArrowsFit) {
        drawScrollBarArrows(bar, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

// Fusion's scroll bar with arrows of the style's own, shaped as Fusion
// shapes them at the designed size and zoomed. Where Fusion's arrow would
// be, its button shows as it is a little above the arrow, where there is
// nothing but the button's colour: the button shades across the bar, not
// along it.
void DesignedStyle::drawScrollBarArrows(const QStyleOptionSlider *bar, QPainter *painter, const QWidget *widget) const
{
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const bool forward = bar->direction == Qt::LeftToRight;
    struct Arrow
    {
        Qt::ArrowType type;
        QRect button;
        QRect room;
        QRect fusionArrow; // a pixel wider all round, for either release's shape
    };
    std::vector<Arrow> arrows;
    const auto add = [&](SubControl control, Qt::ArrowType type, QMargins inside) {
        if (!(bar->subControls & control))
            return;
        const QRect button = subControlRect(CC_ScrollBar, bar, control, widget);
        arrows.push_back({type, button, button - inside, arrowBox(button - inside, type, Zoom()).toAlignedRect().adjusted(-1, -1, 1, 1)});
    };
    add(SC_ScrollBarSubLine, horizontal ? (forward ? Qt::LeftArrow : Qt::RightArrow) : Qt::UpArrow, horizontal ? QMargins(0, 1, 2, 1) : QMargins(1, 0, 1, 2));
    add(SC_ScrollBarAddLine, horizontal ? (forward ? Qt::RightArrow : Qt::LeftArrow) : Qt::DownArrow, QMargins(1, 1, 1, 1));

    // Fusion's bar off screen, to take the button's colours from as well.
    const qreal scale = painter->device()->devicePixelRatioF();
    QImage fusionBar((QSizeF(bar->rect.size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    fusionBar.setDevicePixelRatio(scale);
    fusionBar.fill(Qt::transparent);
    {
        QPainter offScreen(&fusionBar);
        offScreen.translate(-bar->rect.topLeft());
        QProxyStyle::drawComplexControl(CC_ScrollBar, bar, &offScreen, widget);
    }
    painter->drawImage(bar->rect.topLeft(), fusionBar);
    for (const Arrow &arrow : arrows) {
        // The line halfway between the button's edge and the arrow, over
        // the whole of Fusion's arrow.
        const QRect &box = arrow.fusionArrow;
        const QPoint clean = (horizontal ? QPoint((arrow.button.left() + box.left()) / 2, box.top()) : QPoint(box.left(), (arrow.button.top() + box.top()) / 2))
            - bar->rect.topLeft();
        const QRectF line(QPointF(clean) * scale, horizontal ? QSizeF(1, box.height() * scale) : QSizeF(box.width() * scale, 1));
        painter->drawImage(QRectF(box), fusionBar, line);
    }

    QColor colour = bar->palette.color(QPalette::WindowText);
    colour.setAlpha(160);
    for (const Arrow &arrow : arrows)
        drawArrow(*painter, arrow.type, arrowBox(arrow.room, arrow.type, zoomOf(widget)), colour);
}

QRect DesignedStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    // A button's caption has the room inside its bevel, and the focus line
    // is drawn around that room.
    if (element == SE_PushButtonContents || element == SE_PushButtonFocusRect) {
        const int bevel = zoomOf(widget).pixels(3);
        return option->rect.adjusted(bevel, bevel, -bevel, -bevel);
    }
    return QProxyStyle::subElementRect(element, option, widget);
}

int DesignedStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int designed = QProxyStyle::pixelMetric(metric, option, widget);
    // What Fusion sizes in pixels grows with the zoom, as the text does.
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_DefaultFrameWidth:
    case PM_FocusFrameHMargin:
    case PM_FocusFrameVMargin: return zoomOf(widget).pixels(designed);
    default: return designed;
    }
}

template <typename Option>
void DesignedStyle::drawWithFocusLine(ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *focused = qstyleoption_cast<const Option *>(option);
    if (!focused) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    Option unfocused = *focused;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &unfocused, painter, widget);
    drawPrimitive(PE_FrameFocusRect, option, painter, widget);
}

// A black line with a white one inside it, so one of the two stands out at
// least 3:1 against any colour of the window, from the pale yellow of the
// target to the dark red of the stop button.
void drawFocusLine(QPainter &painter, const DevicePixels &pixels, const QRect &devicePixels, int line)
{
    pixels.outline(painter, devicePixels, line, Qt::black);
    pixels.outline(painter, devicePixels.adjusted(line, line, -line, -line), line, Qt::white);
}

void DesignedStyle::drawFocusLine(const QRect &rect, QPainter *painter, const QWidget *widget) const
{
    const DevicePixels pixels(*widget);
    ui::drawFocusLine(*painter, pixels, pixels.toDevicePixels(rect), pixels.thickness(1));
}

// A classic button: its face in the button colour, two rings of bevel in
// the window's greys, raised or sunken, and the caption in the middle.
void DesignedStyle::drawButton(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    const DevicePixels pixels(*widget);
    const QPalette greys = designedPalette();
    const int line = pixels.thickness(1);
    const bool sunken = option->state & (State_Sunken | State_On);
    pixels.fill(*painter, pixels.bounds().adjusted(2 * line, 2 * line, -2 * line, -2 * line), option->palette.color(QPalette::Button));
    const DevicePixels::Ring raisedOuter{greys.color(QPalette::Light), greys.color(QPalette::Shadow)};
    const DevicePixels::Ring raisedInner{greys.color(QPalette::Button), greys.color(QPalette::Dark)};
    const DevicePixels::Ring sunkenOuter{greys.color(QPalette::Shadow), greys.color(QPalette::Light)};
    const DevicePixels::Ring sunkenInner{greys.color(QPalette::Dark), greys.color(QPalette::Button)};
    pixels.buttonBevel(*painter, pixels.bounds(), line, sunken ? sunkenOuter : raisedOuter, sunken ? sunkenInner : raisedInner);
    const QRect room = subElementRect(SE_PushButtonContents, option, widget);
    if (button)
        drawItemText(painter, sunken ? room.translated(1, 1) : room, Qt::AlignCenter | Qt::TextShowMnemonic, option->palette, option->state & State_Enabled,
            button->text, QPalette::ButtonText);
    if (option->state & State_HasFocus)
        drawFocusLine(room, painter, widget);
}

// The frame of a list or a text field, as Fusion draws it at scale 1: one
// line of the window's colour, darkened, over the field's own colour, so no
// gap opens between the frame and what it frames at any scale. A text field
// shows the focus around itself; a list shows it on its current entry.
void DesignedStyle::drawField(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const DevicePixels pixels(*widget);
    const QRect box = pixels.toDevicePixels(option->rect);
    pixels.fill(*painter, box, option->palette.color(QPalette::Base));
    pixels.outline(*painter, box, pixels.thickness(1), option->palette.color(QPalette::Window).darker(140).lighter(108));
    if (option->state & State_HasFocus && !qobject_cast<const QAbstractItemView *>(widget))
        drawFocusLine(option->rect, painter, widget);
}

void useDesignedLook()
{
    QApplication::setStyle(new DesignedStyle);
    // An empty palette sets aside one set before: the application's palette
    // is then the style's polished one.
    QApplication::setPalette(QPalette());
}

} // namespace ui
