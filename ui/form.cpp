#include "form.h"

#include "twips.h"

#include <QAccessible>
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

// A notification with no size of its own: it is heard, not seen. A class
// of its own, so that a screen reader learns that it is a notification.
class Announcement : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *window)
        : QWidget(window)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

Form::Form()
    : surface_(std::make_unique<FormWindow>())
    , announcement_(new Announcement(surface_.get()))
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

void Form::announce(const QString &text)
{
    if (!QAccessible::isActive())
        return;
    // A screen reader speaks a notification as it comes to show.
    announcement_->hide();
    announcement_->setAccessibleName(text);
    announcement_->show();
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
