#include "form.h"

#include "twips.h"

#include <QShortcut>

namespace ui {

// A class of its own, so that a screen reader reads it as the frame of the
// shown controls.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow()
        : QWidget(nullptr,
            Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    {
        setAutoFillBackground(true);
        // The keys desktop programs close their window with.
        for (const QKeySequence::StandardKey keys : {QKeySequence::Quit, QKeySequence::Close})
            connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }
};

Form::Form()
    : surface_(std::make_unique<FormWindow>())
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

void Form::setAccessibleDescription(const QString &description)
{
    if (surface_->accessibleDescription() != description)
        surface_->setAccessibleDescription(description);
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

#include "form.moc"
