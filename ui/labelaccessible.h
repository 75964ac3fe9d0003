#pragma once

#include <QAccessibleInterface>
#include <QPointer>

namespace ui {

class Label;

// A label as a screen reader finds it: text that is painted on the window,
// not a widget of its own, so Qt offers no interface for it.
class LabelAccessible : public QAccessibleInterface
{
public:
    LabelAccessible(const Label &label, QWidget *surface);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<const Label> label_;
    QPointer<QWidget> surface_;
};

} // namespace ui
