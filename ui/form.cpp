#include "form.h"

#include "label.h"
#include "labelaccessible.h"
#include "twips.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace ui {

class Form::Surface : public QWidget
{
public:
    Surface()
        : QWidget(nullptr,
            Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    {
        setAutoFillBackground(true);
        // The keys desktop programs close their window with.
        for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)})
            connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }

    ~Surface() override
    {
        for (QAccessible::Id id : labelAccessibles)
            QAccessible::deleteAccessibleInterface(id);
    }

    std::vector<QPointer<const Label>> labels;
    std::vector<QAccessible::Id> labelAccessibles;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        // Most repaints are the target's old place; laying out a caption's
        // text costs more than the rest of the tick.
        QPainter painter(this);
        for (const Label *label : labels)
            if (label && event->region().intersects(label->area()))
                label->paint(painter, shownHeight(label->area()));
    }

private:
    // How far down from its top an area shows before a control covers it.
    int shownHeight(const QRect &area) const
    {
        int shown = area.height();
        for (QObject *object : children())
            if (auto *control = qobject_cast<QWidget *>(object); control && !control->isHidden() && control->geometry().intersects(area))
                shown = std::min(shown, std::max(0, control->y() - area.y()));
        return shown;
    }
};

namespace {

// The window as a screen reader finds it: a frame named by its caption, with
// what a sighted user sees in it: the shown controls and the labels.
class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(Form::Surface *surface)
        : QAccessibleWidget(surface, QAccessible::Window)
    {
    }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const std::vector<QAccessibleInterface *> shown = children();
        return index >= 0 && std::size_t(index) < shown.size() ? shown[std::size_t(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<QAccessibleInterface *> shown = children();
        const auto found = std::find(shown.begin(), shown.end(), child);
        return found == shown.end() ? -1 : int(found - shown.begin());
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(t); }

private:
    std::vector<QAccessibleInterface *> children() const;
};

} // namespace

Form::Form()
    : surface_(std::make_unique<Surface>())
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
            if (auto *surface = dynamic_cast<Surface *>(object))
                return new FormAccessible(surface);
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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
    surface_->labelAccessibles.push_back(QAccessible::registerAccessibleInterface(new LabelAccessible(label, surface_.get())));
    surface_->update(label.area());
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

namespace {

std::vector<QAccessibleInterface *> FormAccessible::children() const
{
    auto *surface = static_cast<Form::Surface *>(widget());
    std::vector<QAccessibleInterface *> shown;
    for (QAccessible::Id id : surface->labelAccessibles)
        if (QAccessibleInterface *label = QAccessible::accessibleInterface(id); label && label->isValid())
            shown.push_back(label);
    // Hidden controls hold no more than the program's own bookkeeping.
    for (QObject *object : surface->children())
        if (auto *control = qobject_cast<QWidget *>(object); control && !control->isHidden() && !control->isWindow())
            if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control))
                shown.push_back(accessible);
    return shown;
}

} // namespace

} // namespace ui
