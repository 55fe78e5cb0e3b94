#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/random_source.h"

#include <QDate>
#include <QString>

#include <array>

namespace tessaly {

// The three slots, index 0 for slot 1.
using ThreeSlots = std::array<CardNumber, 3>;
using ThreeTexts = std::array<QString, 3>;

// "Rnd k1+k3": cards 1 and 3 such that middle (0..36) is their counted-out
// sum; the three differ and card 3 lies in 1..35.
struct OuterCards
{
    CardNumber first = 0;
    CardNumber third = 0;
};
OuterCards DrawOuterCards(CardNumber middle, RandomSource &random);

// The spread as text for a diary or a message, CR as line break: titles,
// the labels as shown, and the counted-out card.
QString ThreeCardCopyText(const ThreeSlots &cards, const ThreeTexts &labels, const QString &result,
                          const QDate &date);

// What "Bewaar" hands to the save: the plain card names as the remark
// ("--" for an empty slot) and each slot text as a two-character field.
struct ThreeCardSave
{
    QString remark;
    ThreeTexts cards;
};
ThreeCardSave ThreeCardSaveValues(const ThreeTexts &slotTexts);

} // namespace tessaly
