#include "listbox.h"

#include "runtimeerror.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QListView>
#include <QScopedValueRollback>

namespace ui {

// A list whose choice, once made, stays made: the user moves it but cannot
// clear it. Only the focused list marks a current entry, so a screen reader
// never hears of two focused objects at once. A class of its own, so that a
// screen reader can be told how many entries it holds.
class ListView : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event) const override
    {
        QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
        // Ctrl+Space and Ctrl+click would toggle the chosen entry off.
        if (command.testAnyFlags(QItemSelectionModel::Toggle | QItemSelectionModel::Deselect))
            return index.isValid() ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
        return command;
    }

    void focusInEvent(QFocusEvent *event) override
    {
        // A click makes its own entry current, where the list stands.
        const QModelIndexList chosen = selectionModel()->selectedRows();
        if (!chosen.isEmpty() && event->reason() != Qt::MouseFocusReason)
            selectionModel()->setCurrentIndex(chosen.first(), QItemSelectionModel::NoUpdate);
        QListView::focusInEvent(event);
        // Qt tells a screen reader of the entry's focus before the list's,
        // and the reader, left on the list, says no entry: the entry again,
        // once the list's focus is told, so it is said with the list.
        if (QAccessible::isActive())
            QMetaObject::invokeMethod(this, &ListView::tellCurrentEntry, Qt::QueuedConnection);
    }

    void tellCurrentEntry()
    {
        if (!hasFocus() || !currentIndex().isValid())
            return;
        QAccessibleEvent entry(this, QAccessible::Focus);
        entry.setChild(currentIndex().row());
        QAccessible::updateAccessibility(&entry);
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QListView::focusOutEvent(event);
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
};

ListBox::ListBox(QWidget *parent)
    : WindowedControl(new ListView(parent))
    , items_(new ListItems(widget()))
{
    QListView *list = view();
    list->setModel(items_);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    // Mouse and keyboard both select; focus alone only marks an entry as
    // current, which is no selection. A write of ListIndex raises the event
    // itself, so it is not raised twice.
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, list, [this](const QItemSelection &selected) {
        if (!writingIndex_ && !selected.isEmpty() && click_)
            runHandler(click_);
    });
}

QListView *ListBox::view() const
{
    return static_cast<QListView *>(widget());
}

int ListBox::ListIndex() const
{
    const QModelIndexList selected = view()->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= items_->rowCount())
        throw RuntimeError(QStringLiteral("недопустим номер на елемент в списъка: %1").arg(index));
    {
        const QScopedValueRollback writing(writingIndex_, true);
        const QModelIndex entry = index >= 0 ? items_->index(index) : QModelIndex();
        view()->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
        if (!view()->hasFocus())
            view()->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    if (click_)
        click_();
}

} // namespace ui

#include "listbox.moc"
