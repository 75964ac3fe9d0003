#include "picturebox.h"

#include "devicepixels.h"
#include "style.h"

#include <QAccessible>
#include <QFrame>
#include <QPainter>

#include <algorithm>

namespace ui {

class TargetFrame : public QFrame
{
    Q_OBJECT
    // Whether the box shows; a screen reader hears a hidden one as invisible.
    Q_PROPERTY(bool shown READ shown)

public:
    explicit TargetFrame(QWidget *parent)
        : QFrame(parent)
    {
        setObjectName(QStringLiteral("PictureBox"));
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        setFocusPolicy(Qt::TabFocus);
    }

    bool shown() const { return shown_; }

    void setShown(bool shown)
    {
        if (shown == shown_)
            return;
        shown_ = shown;
        setAttribute(Qt::WA_OpaquePaintEvent, coversItself());
        setAttribute(Qt::WA_TransparentForMouseEvents, !shown);
        update();
        if (QAccessible::isActive()) {
            QAccessible::State changed;
            changed.invisible = true;
            QAccessibleStateChangeEvent stateEvent(this, changed);
            QAccessible::updateAccessibility(&stateEvent);
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const DevicePixels pixels(*this);
        // The scale is known for sure only once the widget is on a screen.
        if (testAttribute(Qt::WA_OpaquePaintEvent) != coversItself()) {
            setAttribute(Qt::WA_OpaquePaintEvent, coversItself());
            update();
        }
        QPainter painter(this);
        const QRect box = pixels.bounds();
        // The smallest perspective box keeps some colour inside its bevel.
        const int line = std::max(1, std::min(pixels.thickness(1), (std::min(box.width(), box.height()) - 1) / 4));
        const QRect inside = box.adjusted(2 * line, 2 * line, -2 * line, -2 * line);
        if (shown_) {
            pixels.fill(painter, inside, palette().color(QPalette::Window));
            pixels.sunkenPanel(painter, box, 2, line, palette().color(QPalette::Dark), palette().color(QPalette::Light));
        }
        if (!hasFocus())
            return;
        // Inside the bevel while the target shows, on its place while it is
        // hidden. In a box too small to keep half its colour inside the focus
        // line, the line takes the bevel's place.
        const int focusLine = pixels.thickness(1);
        const QSize uncovered = inside.size().shrunkBy(QMargins(2 * focusLine, 2 * focusLine, 2 * focusLine, 2 * focusLine)).expandedTo(QSize(0, 0));
        if (!shown_)
            drawFocusLine(painter, pixels, box, focusLine);
        else if (2 * uncovered.width() * uncovered.height() >= inside.width() * inside.height())
            drawFocusLine(painter, pixels, inside, focusLine);
        else
            drawFocusLine(painter, pixels, box, line);
    }

private:
    // Where the box covers every pixel of its widget, Qt need not paint what
    // lies behind it, and moves it by shifting its pixels.
    bool coversItself() const { return shown_ && DevicePixels(*this).exact(); }

    bool shown_ = true;
};

namespace {

TargetFrame *frameOf(QWidget *widget)
{
    return static_cast<TargetFrame *>(widget);
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : WindowedControl(new TargetFrame(parent))
{
}

bool PictureBox::Visible() const
{
    return WindowedControl::Visible() && frameOf(widget())->shown();
}

void PictureBox::setVisible(bool visible)
{
    WindowedControl::setVisible(true);
    frameOf(widget())->setShown(visible);
}

void PictureBox::showBackColor(const QColor &colour)
{
    // Most steps write the colour the box already has.
    if (widget()->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = widget()->palette();
    palette.setColor(QPalette::Window, colour);
    widget()->setPalette(palette);
}

} // namespace ui

#include "picturebox.moc"
