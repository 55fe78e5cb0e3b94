#include "saved/open_entry.h"

#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <array>

namespace tessaly {

namespace {

struct EntryReceiver
{
    bool (*accepts)(int cardCount);
    void (*deliver)(const QList<int> &cards);
    bool fromListOnly = false;
};

bool mainVisible()
{
    return Windows().Form1->isVisible();
}

const std::array<EntryReceiver, 7> Receivers = {{
    // The main window takes cards 1..3, or the middle row of nine.
    {[](int) { return mainVisible(); },
     [](const QList<int> &cards) {
         TForm1 *main = Windows().Form1;
         const int first = cards.size() == 9 ? 3 : 0;
         std::array<int, 4> items{};
         for (int k = 1; k <= 3; ++k) {
             const int card = cards[first + k - 1];
             items[k] = card >= 1 && card <= CardCount ? card - 1 : -1;
             QSignalBlocker block(main->ComboBox[k]);
             main->ComboBox[k]->setCurrentIndex(items[k]);
         }
         for (int k = 1; k <= 3; ++k)
             main->ChooseSlotCard(k, items[k]);
     }},
    {[](int count) { return !mainVisible() && count == 3; },
     [](const QList<int> &cards) {
         for (int i = 1; i <= 3; ++i)
             Windows().Form4->Edit(i)->setText(QString::number(cards[i - 1]));
     }},
    {[](int count) { return !mainVisible() && count == 3 && Windows().Form3->isVisible(); },
     [](const QList<int> &cards) { Windows().Form3->TakeCrossEntry(cards); }},
    {[](int count) { return count == 5; },
     [](const QList<int> &cards) { Windows().Form2->TakeFiveEntry(cards); }},
    {[](int count) { return count == 9 && Windows().Form2->isVisible() && Shared().LineExpanded; },
     [](const QList<int> &cards) { Windows().Form2->TakeNineEntry(cards); }, true},
    {[](int count) { return count == 5 && Windows().Form3->isVisible(); },
     [](const QList<int> &cards) { Windows().Form3->TakeCrossEntry(cards); }},
    {[](int count) { return count == 9; },
     [](const QList<int> &cards) { Windows().Form3->TakeSquareEntry(cards); }},
}};

} // namespace

void DeliverEntryCards(const QList<int> &cards, OpenedFrom from)
{
    for (const EntryReceiver &receiver : Receivers)
        if (receiver.accepts(int(cards.size())) && (from == OpenedFrom::List || !receiver.fromListOnly))
            receiver.deliver(cards);
}

void ResetSpreadOrders()
{
    Windows().Form2->ResetOrder();
    Windows().Form3->ResetOrder();
}

} // namespace tessaly
