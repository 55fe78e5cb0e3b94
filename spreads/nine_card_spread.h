#pragma once

#include "catalogue/catalogue.h"
#include "spreads/nine_card_orders.h"

#include <QDate>

#include <array>

namespace tessaly {

// Cards of the nine slots, by slot; 0 is an empty slot.
using NineCards = std::array<CardNumber, 10>;

// The counted-out card of the slots on show: all nine, or the five of the
// plus or the saltire.
CardNumber NineTotal(const NineCards &cards, bool cross, int index);

struct CountedSlot
{
    int slot;
    CardNumber card;
};
// Each corner counted from its two neighbours in the plus.
std::array<CountedSlot, 4> CountCorners(const NineCards &cards);
// Each middle counted from its two neighbouring corners.
std::array<CountedSlot, 4> CountMiddles(const NineCards &cards);

struct NineTheme
{
    QString item;    // as the list shows it
    CardNumber card; // 0 for the first item
    QString label;   // label of the centre
};
// " Thema Kaart" and the twelve themes.
extern const std::array<NineTheme, 13> NineThemes;

// How the copy text lays the cards out.
enum class NineLayout { Square, Plus, Saltire };
NineLayout LayoutOf(bool cross, int index);

// "Kopieer Tekst": names and labels (by slot) in the layout, then the total.
QString NineCopyText(NineLayout layout, const NineTexts &names, const NineTexts &labels, const QString &total,
                     const QDate &date);

} // namespace tessaly
