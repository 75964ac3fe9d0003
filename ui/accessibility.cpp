#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QScopeGuard>

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
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return widget()->windowTitle();
        case QAccessible::Description: return widget()->property("description").toString();
        default: return QAccessibleWidget::text(t);
        }
    }

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

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Qt's own list with one thing added: how many entries it holds. Orca 48
// counts only the entries scrolled into view unless the list says so in its
// "setsize" attribute, which Qt's list does not; and Qt's list interface is
// not public, so this one hands everything else on to it.
class ListAccessible : public QAccessibleInterface, public QAccessibleAttributesInterface
{
public:
    explicit ListAccessible(QAccessibleInterface *qt)
        : qt_(qt)
    {
    }

    bool isValid() const override { return qt_->isValid(); }
    QObject *object() const override { return qt_->object(); }
    QWindow *window() const override { return qt_->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override { return qt_->relations(match); }
    QAccessibleInterface *focusChild() const override { return qt_->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return qt_->childAt(x, y); }
    QAccessibleInterface *parent() const override { return qt_->parent(); }
    QAccessibleInterface *child(int index) const override { return qt_->child(index); }
    int childCount() const override { return qt_->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override { return qt_->indexOfChild(child); }
    QString text(QAccessible::Text t) const override { return qt_->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { qt_->setText(t, text); }
    QRect rect() const override { return qt_->rect(); }
    QAccessible::Role role() const override { return qt_->role(); }
    QAccessible::State state() const override { return qt_->state(); }
    QColor foregroundColor() const override { return qt_->foregroundColor(); }
    QColor backgroundColor() const override { return qt_->backgroundColor(); }
    void virtual_hook(int id, void *data) override { qt_->virtual_hook(id, data); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::AttributesInterface ? static_cast<QAccessibleAttributesInterface *>(this) : qt_->interface_cast(type);
    }

    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override
    {
        if (key != QAccessible::Attribute::Custom)
            return {};
        return QVariant::fromValue(QHash<QString, QString>{{QStringLiteral("setsize"), QString::number(qt_->childCount())}});
    }

private:
    // Qt's cache holds it under the same list and deletes it with the list.
    QAccessibleInterface *qt_;
};

QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

// Qt's list interface is not public: only Qt's own query makes it, asked
// here with this factory stepped aside. The query keeps it in Qt's cache, so
// the list has two interfaces there, Qt's and the one made here; asked for
// the list, the cache answers with the newer, this one, every time.
QAccessibleInterface *listAccessible(QObject *object)
{
    QAccessible::removeFactory(accessibleInterface);
    const auto steppedBack = qScopeGuard([] { QAccessible::installFactory(accessibleInterface); });
    QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(object);
    return qt ? new ListAccessible(qt) : nullptr;
}
#endif

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
    {"ui::TargetFrame",   targetAccessible},
    {"ui::TextViewport",  viewportAccessible},
    {"ui::CaptionLabel",  labelAccessible},
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    {"ui::ListView",      listAccessible},
#endif
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
