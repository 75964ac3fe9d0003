#pragma once

#include "windowedcontrol.h"

#include <QStringListModel>

#include <functional>

class QListView;

namespace ui {

// A list of texts; selecting an entry, by the user or by writing ListIndex,
// raises the click event.
class ListBox : public WindowedControl
{
public:
    explicit ListBox(QWidget *parent);

    // The text of entry i, counted from 0; empty when there is no such entry.
    QString List(int i) const;
    int ListCount() const;

    // The selected entry, -1 for none. Writing it raises the click event at
    // once, inside the write.
    int ListIndex() const;
    void setListIndex(int index);

    // Later entries move up by one.
    void RemoveItem(int index);
    // Appends at the end.
    void AddItem(const QString &text);

    // The entries themselves, for code that works on them as a sequence.
    QStringListModel &items() const { return *items_; }

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

private:
    QListView *view() const;

    // A child of the view, so it lives exactly as long as the view.
    QStringListModel *items_;
    std::function<void()> click_;
    bool writingIndex_ = false;
};

} // namespace ui
