#include "windowedcontrol.h"

#include "runtimeerror.h"
#include "twips.h"

namespace ui {

WindowedControl::WindowedControl(QWidget *widget)
    : widget_(widget)
{
    QObject::connect(&Zoom::instance(), &Zoom::changed, widget, [this] { place(); });
}

WindowedControl::~WindowedControl()
{
    delete widget_.data();
}

void WindowedControl::setLeft(float twips)
{
    left_ = twips;
    place();
}

void WindowedControl::setTop(float twips)
{
    top_ = twips;
    place();
}

namespace {

void checkWidth(float twips)
{
    if (twips < 0)
        throw RuntimeError(QStringLiteral("недопустима ширина %1").arg(twips));
}

void checkHeight(float twips)
{
    if (twips < 0)
        throw RuntimeError(QStringLiteral("недопустима височина %1").arg(twips));
}

} // namespace

void WindowedControl::setWidth(float twips)
{
    checkWidth(twips);
    width_ = twips;
    place();
}

void WindowedControl::setHeight(float twips)
{
    checkHeight(twips);
    height_ = twips;
    place();
}

void WindowedControl::move(float left, float top, float width, float height)
{
    checkWidth(width);
    checkHeight(height);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    place();
}

bool WindowedControl::Visible() const
{
    return !widget_->isHidden();
}

void WindowedControl::setVisible(bool visible)
{
    widget_->setHidden(!visible);
}

void WindowedControl::setBackColor(Colour colour)
{
    backColor_ = colour;
    showBackColor(toQColor(colour));
}

void WindowedControl::showBackColor(const QColor &colour)
{
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void WindowedControl::place()
{
    // Place and size are rounded each on its own, so a control keeps its
    // size in pixels wherever it moves, and Qt can shift its pixels instead
    // of painting it anew.
    const QRect pixels(Zoom::origin() + QPoint(toPixels(left_), toPixels(top_)), QSize(toPixels(width_), toPixels(height_)));
    // Qt recomputes the window's opaque regions on every geometry write, even
    // one that changes nothing, and the tick writes the same size each time.
    if (pixels != widget_->geometry())
        widget_->setGeometry(pixels);
}

} // namespace ui
