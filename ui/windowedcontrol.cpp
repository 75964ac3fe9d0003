#include "windowedcontrol.h"

#include "runtimeerror.h"
#include "twips.h"

namespace ui {

WindowedControl::WindowedControl(QWidget *widget)
    : widget_(widget)
{
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

void WindowedControl::setWidth(float twips)
{
    if (twips < 0)
        throw RuntimeError(QStringLiteral("недопустима ширина %1").arg(twips));
    width_ = twips;
    place();
}

void WindowedControl::setHeight(float twips)
{
    if (twips < 0)
        throw RuntimeError(QStringLiteral("недопустима височина %1").arg(twips));
    height_ = twips;
    place();
}

void WindowedControl::move(float left, float top, float width, float height)
{
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
    // Both edges are rounded, so neighbouring controls meet without gaps.
    const int left = toPixels(left_);
    const int top = toPixels(top_);
    widget_->setGeometry(left, top, toPixels(left_ + width_) - left, toPixels(top_ + height_) - top);
}

} // namespace ui
