#include "form.h"

#include "label.h"
#include "twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {

class Form::Surface : public QWidget
{
public:
    Surface()
        : QWidget(nullptr,
            Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    {
        setAutoFillBackground(true);
    }

    std::vector<const Label *> labels;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        // Most repaints are the target's old place; laying out a caption's
        // text costs more than the rest of the tick.
        QPainter painter(this);
        for (const Label *label : labels)
            if (event->region().intersects(label->area()))
                label->paint(painter);
    }
};

Form::Form()
    : surface_(std::make_unique<Surface>())
{
}

Form::~Form() = default;

void Form::setCaption(const QString &caption)
{
    surface_->setWindowTitle(caption);
}

void Form::setBackColor(Colour colour)
{
    QPalette palette = surface_->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    surface_->setPalette(palette);
}

void Form::setFont(const QFont &font)
{
    surface_->setFont(font);
}

void Form::setIcon(const QIcon &icon)
{
    surface_->setWindowIcon(icon);
}

void Form::setClientSize(float width, float height)
{
    surface_->setFixedSize(toPixels(width), toPixels(height));
}

// Before a window is first shown, X11 and the offscreen platform know no
// frame yet: the frame geometry is the client geometry. The outer size then
// equals the client size, and the program works with that.
float Form::Width() const
{
    return toTwips(surface_->frameGeometry().width());
}

float Form::Height() const
{
    return toTwips(surface_->frameGeometry().height());
}

void Form::addLabel(const Label &label)
{
    surface_->labels.push_back(&label);
    surface_->update(label.area());
}

QWidget *Form::surface() const
{
    return surface_.get();
}

void Form::show()
{
    surface_->show();
}

} // namespace ui
