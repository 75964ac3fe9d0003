#include "labelaccessible.h"

#include "label.h"

#include <QWidget>

namespace ui {

LabelAccessible::LabelAccessible(const Label &label, QWidget *surface)
    : label_(&label)
    , surface_(surface)
{
}

bool LabelAccessible::isValid() const
{
    return !surface_.isNull() && !label_.isNull();
}

QWindow *LabelAccessible::window() const
{
    return surface_ ? surface_->window()->windowHandle() : nullptr;
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>> LabelAccessible::relations(QAccessible::Relation match) const
{
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> found;
    if (label_ && label_->buddy() && match.testFlag(QAccessible::Labelled))
        if (QAccessibleInterface *buddy = QAccessible::queryAccessibleInterface(label_->buddy()))
            found.append({buddy, QAccessible::Labelled}); // the buddy is labelled by this
    return found;
}

QAccessibleInterface *LabelAccessible::parent() const
{
    return surface_ ? QAccessible::queryAccessibleInterface(surface_.data()) : nullptr;
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name && label_ ? label_->Caption() : QString();
}

QRect LabelAccessible::rect() const
{
    if (!surface_ || !label_)
        return QRect();
    const QRect area = label_->area();
    return QRect(surface_->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::Role LabelAccessible::role() const
{
    return label_ && label_->isHeading() ? QAccessible::Heading : QAccessible::StaticText;
}

QAccessible::State LabelAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    if (!surface_ || !label_ || !surface_->isVisible())
        state.invisible = true;
    return state;
}

} // namespace ui
