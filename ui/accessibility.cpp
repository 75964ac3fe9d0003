#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// The window as a screen reader finds it: a frame named by its caption, with
// what a sighted user sees in it, the shown controls and the labels; hidden
// controls hold no more than the program's own bookkeeping.
class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    int childCount() const override { return int(shownChildren().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const std::vector<QAccessibleInterface *> shown = shownChildren();
        return index >= 0 && std::size_t(index) < shown.size() ? shown[std::size_t(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<QAccessibleInterface *> shown = shownChildren();
        const auto found = std::find(shown.begin(), shown.end(), child);
        return found == shown.end() ? -1 : int(found - shown.begin());
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(t); }

private:
    std::vector<QAccessibleInterface *> shownChildren() const
    {
        std::vector<QAccessibleInterface *> shown;
        for (QObject *object : widget()->children())
            if (auto *control = qobject_cast<QWidget *>(object); control && !control->isHidden() && !control->isWindow())
                if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control))
                    shown.push_back(accessible);
        return shown;
    }
};

// The target is a picture, not a frame, and a hidden one is invisible.
class TargetAccessible : public QAccessibleWidget
{
public:
    explicit TargetAccessible(QWidget *target)
        : QAccessibleWidget(target, QAccessible::Graphic)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!widget()->property("shown").toBool())
            state.invisible = true;
        return state;
    }
};

// A text's viewport passes its focus on to the text box, and Qt reports both
// as focused; a screen reader must hear of one focused object.
class ViewportAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

class HeadingAccessible : public QAccessibleWidget
{
public:
    explicit HeadingAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Heading)
    {
    }

    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? static_cast<QLabel *>(widget())->text() : QAccessibleWidget::text(t); }
};

QAccessibleInterface *announcementAccessible(QObject *object)
{
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}

QAccessibleInterface *formAccessible(QObject *object)
{
    return new FormAccessible(static_cast<QWidget *>(object));
}

QAccessibleInterface *targetAccessible(QObject *object)
{
    return new TargetAccessible(static_cast<QWidget *>(object));
}

QAccessibleInterface *viewportAccessible(QObject *object)
{
    return new ViewportAccessible(static_cast<QWidget *>(object));
}

// Other labels are Qt's own: a label that names its buddy.
QAccessibleInterface *labelAccessible(QObject *object)
{
    return object->property("heading").toBool() ? new HeadingAccessible(static_cast<QLabel *>(object)) : nullptr;
}

struct Interface
{
    const char *className;
    QAccessibleInterface *(*create)(QObject *object);
};

// clang-format off
constexpr Interface interfaces[]{
    // class              the interface
    {"ui::FormWindow",    formAccessible},
    {"ui::Announcement",  announcementAccessible},
    {"ui::TargetFrame",   targetAccessible},
    {"ui::TextViewport",  viewportAccessible},
    {"ui::CaptionLabel",  labelAccessible},
};
// clang-format on

QAccessibleInterface *accessibleInterface(const QString &className, QObject *object)
{
    for (const Interface &interface : interfaces)
        if (className == QLatin1StringView(interface.className))
            return interface.create(object);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    // Qt installs a factory only once, however often it is asked to.
    QAccessible::installFactory(accessibleInterface);
}

} // namespace ui
