#pragma once

#include <QList>

namespace tessaly {

// Gives an opened entry's cards (3, 5 or 9, as read from the list) to every
// spread window that takes them, tested in a fixed order; one entry may go to
// several windows. Used by the list window and the selection window; an
// entry from the selection leaves the expanded line of five alone.
enum class OpenedFrom { List, Selection };
void DeliverEntryCards(const QList<int> &cards, OpenedFrom from = OpenedFrom::List);

// After an entry was opened from the list: the line of five and the nine-card
// window go back to their first order.
void ResetSpreadOrders();

} // namespace tessaly
