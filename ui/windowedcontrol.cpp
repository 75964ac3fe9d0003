#include "windowedcontrol.h"

#include "runtimeerror.h"
#include "twips.h"
#include "zoom.h"

#include <QFrame>

namespace ui {

WindowedControl::WindowedControl(QWidget *widget)
    : widget_(widget)
{
    followZoom(widget, [this] { zoomChanged(); });
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

void WindowedControl::zoomChanged()
{
    // A frame takes its width from the style when its shape is set, and at
    // another zoom the style gives another width.
    if (auto *frame = qobject_cast<QFrame *>(widget_.data()))
        frame->setFrameStyle(frame->frameStyle());
    place();
}

void WindowedControl::place()
{
    // Place and size are rounded each on its own, so a control keeps its
    // size in pixels wherever it moves, and Qt can shift its pixels instead
    // of painting it anew.
    const Zoom zoom = zoomOf(widget_);
    const QRect pixels(zoom.origin + QPoint(toPixels(left_, zoom.factor), toPixels(top_, zoom.factor)),
        QSize(toPixels(width_, zoom.factor), toPixels(height_, zoom.factor)));
    // Qt recomputes the window's opaque regions on every geometry write, even
    // one that changes nothing, and the tick writes the same size each time.
    if (pixels != widget_->geometry())
        widget_->setGeometry(pixels);
}

} // namespace ui
