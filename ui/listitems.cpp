#include "listitems.h"

#include "runtimeerror.h"

namespace ui {

QString ListItems::List(int i) const
{
    if (i < 0 || i >= rowCount())
        return QString();
    return index(i).data().toString();
}

void ListItems::RemoveItem(int i)
{
    if (i < 0 || i >= rowCount())
        throw RuntimeError(QStringLiteral("недопустим номер на елемент в списъка: %1").arg(i));
    removeRows(i, 1);
}

void ListItems::AddItem(const QString &text)
{
    const int row = rowCount();
    insertRows(row, 1);
    setData(index(row), text);
}

} // namespace ui
