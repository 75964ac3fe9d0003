#pragma once

#include "listitems.h"

namespace engine {

// A hidden list used as a circular sequence of texts. Each tick reads the
// head and then moves it to the end, so the next tick sees the next entry;
// after a whole turn the list is back in its first order. The entries stay
// in the list itself: there is no second copy to drift apart from it.
class Ring
{
public:
    explicit Ring(ui::ListItems &entries)
        : entries_(&entries)
    {
    }

    QString head() const { return entries_->List(0); }
    QString entry(int position) const { return entries_->List(position); }

    // Removes the head and appends the text read as the head at the start of
    // the tick.
    void rotate(const QString &head)
    {
        entries_->RemoveItem(0);
        entries_->AddItem(head);
    }

private:
    ui::ListItems *entries_;
};

// The three rings a tick reads, in the order it reads and rotates them.
struct Rings
{
    Ring toggle; // "0", "1", "0", "1": which side, hidden or shown
    Ring shade;  // "0" .. "5": the candle colour; its third entry, the perspective size
    Ring corner; // "0" .. "3": which of four places when circling
};

} // namespace engine
