#include "form.h"

#include "twips.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>

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

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
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
#endif

Form::Form()
    : surface_(std::make_unique<FormWindow>())
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    , announcement_(new Announcement(surface_.get()))
#endif
{
    // The keys browsers and editors zoom with.
    const struct
    {
        QKeySequence keys;
        int steps;
    } zoomKeys[]{
        {QKeySequence::ZoomIn, 1},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
        {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)), 1},
        {QKeySequence::ZoomOut, -1},
        {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus)), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_0), 0},
    };
    for (const auto &[keys, steps] : zoomKeys)
        QObject::connect(new QShortcut(keys, surface_.get()), &QShortcut::activated, surface_.get(), [this, steps = steps] { zoomBy(steps); });
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F11), surface_.get()), &QShortcut::activated, surface_.get(), [this] { toggleFullScreen(); });
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), surface_.get()), &QShortcut::activated, surface_.get(), [this] {
        if (surface_->isFullScreen())
            toggleFullScreen();
    });
}

// The zoom belongs to the window and goes with it: a window made after it
// starts at the designed size.
Form::~Form()
{
    Zoom::instance().set(1);
}

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
    designedFont_ = font;
    surface_->setFont(zoomedFont(Zoom::factor()));
}

QFont Form::zoomedFont(qreal factor) const
{
    QFont zoomed = designedFont_;
    zoomed.setPointSizeF(designedFont_.pointSizeF() * factor);
    return zoomed;
}

void Form::setIcon(const QIcon &icon)
{
    surface_->setWindowIcon(icon);
}

void Form::setClientSize(float width, float height)
{
    clientWidth_ = width;
    clientHeight_ = height;
    surface_->setFixedSize(toPixels(width), toPixels(height));
}

void Form::setZoom(qreal factor)
{
    zoomTo(factor, QPoint(0, 0));
    setClientSize(clientWidth_, clientHeight_);
}

void Form::toggleFullScreen()
{
    const QScreen *screen = surface_->screen();
    if (surface_->isFullScreen()) {
        surface_->showNormal();
        setZoom(zoomBeforeFullScreen_);
    } else if (screen) {
        zoomBeforeFullScreen_ = Zoom::factor();
        const QSize whole = screen->geometry().size();
        const qreal fitted = std::min(whole.width() / designedSize().width(), whole.height() / designedSize().height());
        const QSize drawn = (designedSize() * fitted).toSize();
        surface_->setMinimumSize(0, 0);
        surface_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        zoomTo(fitted, QPoint((whole.width() - drawn.width()) / 2, (whole.height() - drawn.height()) / 2));
        surface_->showFullScreen();
    } else {
        return;
    }
    announceZoom();
}

QSizeF Form::designedSize() const
{
    return QSizeF(clientWidth_, clientHeight_) / TwipsPerPixel;
}

void Form::announceZoom()
{
    announce(QStringLiteral("Мащаб %1 %").arg(qRound(Zoom::factor() * 100)));
}

void Form::zoomTo(qreal factor, QPoint origin)
{
    if (factor == Zoom::factor() && origin == Zoom::origin())
        return;
    // The font first, then the places: a caption is fitted to its room
    // again as the room changes, and by then it inherits the new font.
    surface_->setFont(zoomedFont(factor));
    Zoom::instance().set(factor, origin);
    // Frames, scroll bars and indicators take their zoomed sizes.
    for (QWidget *widget : surface_->findChildren<QWidget *>()) {
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &styleChange);
    }
}

namespace {

// The zooms the keys step through, in parts of the designed size.
constexpr qreal ZoomSteps[]{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

} // namespace

// 0 steps: the designed size.
void Form::zoomBy(int steps)
{
    const auto nearer = [](qreal a, qreal b) { return std::abs(a - Zoom::factor()) < std::abs(b - Zoom::factor()); };
    const auto current = std::min_element(std::begin(ZoomSteps), std::end(ZoomSteps), nearer) - std::begin(ZoomSteps);
    const auto next = steps == 0 ? 0 : current + steps;
    if (surface_->isFullScreen() || next < 0 || next >= std::ssize(ZoomSteps))
        return;
    const qreal factor = ZoomSteps[next];
    if (factor == Zoom::factor() || (steps > 0 && !fitsTheScreen(factor)))
        return;
    setZoom(factor);
    announceZoom();
}

// The window, its frame included, within the screen's room for windows.
bool Form::fitsTheScreen(qreal factor) const
{
    const QScreen *screen = surface_->screen();
    if (!screen)
        return true;
    const QSize frame = surface_->frameGeometry().size() - surface_->size();
    const QSize needed = (designedSize() * factor).toSize() + frame;
    const QSize room = screen->availableGeometry().size();
    return needed.width() <= room.width() && needed.height() <= room.height();
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
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(surface_.get(), text);
    QAccessible::updateAccessibility(&event);
#else
    // A screen reader speaks a notification as it comes to show.
    announcement_->hide();
    announcement_->setAccessibleName(text);
    announcement_->show();
#endif
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
