#include "listbox.h"

#include "runtimeerror.h"

#include <QListView>
#include <QScopedValueRollback>

namespace ui {

ListBox::ListBox(QWidget *parent)
    : WindowedControl(new QListView(parent))
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
    }
    if (click_)
        click_();
}

} // namespace ui
