#include "form.h"

#include "platform.h"
#include "twips.h"
#include "zoom.h"

#include <QWindow>

namespace ui {

// A class of its own, so that a screen reader reads it as the frame of the
// shown controls; it holds the window's zoom, which its controls, the
// device pixels and the style read.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow()
        : QWidget(nullptr,
            Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    {
        setAutoFillBackground(true);
    }

    Zoom zoom() const { return zoom_; }
    // The font at the designed size, which the zoom scales.
    void setDesignedFont(const QFont &font)
    {
        designedFont_ = font;
        setFont(zoomedFont());
    }
    void setZoom(Zoom zoom)
    {
        if (zoom == zoom_)
            return;
        zoom_ = zoom;
        // The font first, then the places: a caption is fitted to its room
        // again as the room changes, and by then it inherits the new font.
        setFont(zoomedFont());
        emit zoomChanged();
    }

signals:
    void zoomChanged();

protected:
    // Out of full screen, Qt on Wayland paints the window into the buffer
    // that the compositor's answer brings, but not the controls that cover
    // their own background; and which exposure brings it, Qt does not say.
    // So there every exposure paints the controls too; elsewhere that would
    // only paint the window twice as it first shows.
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        if (onWayland())
            windowHandle()->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose)
            for (QWidget *control : findChildren<QWidget *>())
                control->update();
        return QWidget::eventFilter(watched, event);
    }

private:
    QFont zoomedFont() const
    {
        QFont zoomed = designedFont_;
        zoomed.setPointSizeF(designedFont_.pointSizeF() * zoom_.factor);
        return zoomed;
    }

    Zoom zoom_;
    QFont designedFont_;
};

Zoom zoomOf(const QWidget *widget)
{
    const auto *window = widget ? qobject_cast<const FormWindow *>(widget->window()) : nullptr;
    return window ? window->zoom() : Zoom();
}

void followZoom(QWidget *widget, std::function<void()> follow)
{
    auto *window = qobject_cast<FormWindow *>(widget->window());
    if (!window)
        qFatal("%s follows the zoom of a window it is not in", widget->metaObject()->className());
    QObject::connect(window, &FormWindow::zoomChanged, widget, std::move(follow));
}

Form::Form()
    : surface_(std::make_unique<FormWindow>())
    , announcer_(surface_.get())
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
    surface_->setDesignedFont(font);
}

void Form::setIcon(const QIcon &icon)
{
    surface_->setWindowIcon(icon);
}

void Form::setClientSize(float width, float height)
{
    clientWidth_ = width;
    clientHeight_ = height;
    const QSize size = zoomedSize(designedSize(), zoom());
    // At a fractional scale, Qt gives the window manager a resize step of a
    // pixel in whole device pixels (two at 150 %), and before Qt 6.8 a base
    // of nothing to count the steps from: a window manager then made an odd
    // device size a pixel short. Counted from the size itself, it is a step.
    surface_->setBaseSize(size);
    surface_->setFixedSize(size);
}

qreal Form::zoom() const
{
    return surface_->zoom().factor;
}

QSizeF Form::designedSize() const
{
    return QSizeF(clientWidth_, clientHeight_) / TwipsPerPixel;
}

bool Form::isFullScreen() const
{
    return surface_->isFullScreen();
}

void Form::setZoom(qreal factor)
{
    surface_->setZoom({factor, QPoint(0, 0)});
    setClientSize(clientWidth_, clientHeight_);
}

void Form::requestFullScreen()
{
    // A desktop refuses full screen to a window as small as it is large.
    unfix();
    surface_->showFullScreen();
}

void Form::requestNormal()
{
    surface_->showNormal();
}

void Form::fillWindow(qreal factor)
{
    unfix();
    const QSize drawn = zoomedSize(designedSize(), factor);
    const QSize whole = surface_->size();
    surface_->setZoom({factor, QPoint((whole.width() - drawn.width()) / 2, (whole.height() - drawn.height()) / 2)});
}

void Form::unfix()
{
    surface_->setMinimumSize(0, 0);
    surface_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void Form::placeAnew()
{
    surface_->hide();
    // Shown again on the same native window, Qt on Wayland at times never
    // takes it as active again, and the keys that follow are lost.
    surface_->windowHandle()->destroy();
    surface_->show();
    // The user's key brought it here: it keeps the keyboard.
    surface_->activateWindow();
}

// The client area as designed, whatever the zoom, and the frame and caption
// bar as the platform draws them. Before a window is first shown, X11 and
// the offscreen platform know no frame yet: the outer size then equals the
// client size, and the program works with that.
float Form::Width() const
{
    return clientWidth_ + float(surface_->frameGeometry().width() - surface_->width()) * TwipsPerPixel;
}

float Form::Height() const
{
    return clientHeight_ + float(surface_->frameGeometry().height() - surface_->height()) * TwipsPerPixel;
}

// Read, not said: a screen reader reads it with the window, and what it
// says of the changes that matter comes from announce(). From Qt 6.8 on, a
// change sent as an event would be said as well, so the window keeps it
// where its accessible interface finds it, and sends nothing.
void Form::setAccessibleDescription(const QString &description)
{
    surface_->setProperty("description", description);
}

void Form::announce(const QString &text)
{
    announcer_.announce(text);
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
