#pragma once

#include <QStringListModel>

namespace ui {

// The entries of a list box, without the box: what code reads and changes
// when it works on a list as a sequence of texts.
class ListItems : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;

    // The text of entry i, counted from 0; empty when there is no such entry.
    QString List(int i) const;
    int ListCount() const { return rowCount(); }
};

} // namespace ui
