#pragma once

#include "windowedcontrol.h"

#include "listitems.h"

#include <functional>

class QListView;

namespace ui {

// A list of texts; selecting an entry, by the user or by writing ListIndex,
// raises the click event.
class ListBox : public WindowedControl
{
public:
    explicit ListBox(QWidget *parent);

    QString List(int i) const { return items_->List(i); }
    int ListCount() const { return items_->ListCount(); }

    // The selected entry, -1 for none. Writing it raises the click event at
    // once, inside the write.
    int ListIndex() const;
    void setListIndex(int index);

    // The entries themselves, for code that works on them as a sequence.
    ListItems &items() { return *items_; }
    const ListItems &items() const { return *items_; }

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

private:
    QListView *view() const;

    // A child of the view, so it lives exactly as long as the view.
    ListItems *items_;
    std::function<void()> click_;
    bool writingIndex_ = false;
};

} // namespace ui
