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

    // Moves the head, the very entry read at the start of the tick, to the
    // end; the others move up by one. One move rather than a removal and an
    // addition: the list's view then has one change to follow, not three.
    void rotate() { entries_->moveRows(QModelIndex(), 0, 1, QModelIndex(), entries_->rowCount()); }

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
