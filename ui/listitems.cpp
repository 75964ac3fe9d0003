#include "listitems.h"

namespace ui {

QString ListItems::List(int i) const
{
    if (i < 0 || i >= rowCount())
        return QString();
    return index(i).data().toString();
}

} // namespace ui
