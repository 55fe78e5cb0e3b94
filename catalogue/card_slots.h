#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/random_source.h"

#include <array>

namespace tessaly {

// The keyword each card currently shows, indexed by CardNumber (entry 0 empty).
using KeywordChoice = std::array<QString, 37>;

// Gives all 36 cards a fresh keyword, each uniform among its thirteen.
void RedrawKeywords(KeywordChoice &current, RandomSource &random);

struct CardEntry
{
    CardNumber card = 0;
    bool clearField = false; // a number above 36 empties the field
};

// Reads a digits-only entry field of at most two characters.
CardEntry ReadCardEntryText(const QString &text);

// What a slot's label and picture hint say.
struct SlotTexts
{
    QString label;
    QString hint;
};

// A slot's title ("--" for no card) and keyword (empty for no card).
QString SlotTitle(CardNumber card);
QString SlotKeyword(CardNumber card, const KeywordChoice &current);

// Label modes of the main window: 0 none, 1 titles, 2 keywords.
enum class MainLabelMode { None = 0, Titles = 1, Keywords = 2 };
SlotTexts MainSlotTexts(MainLabelMode mode, const QString &title, const QString &keyword);
// Whether main-window slot (1..10) shows its label.
bool MainLabelVisible(MainLabelMode mode, int slot, bool triangle);

// Label modes of the other spread windows: 0 titles, 1 keywords.
enum class LabelMode { Titles = 0, Keywords = 1 };
SlotTexts SpreadSlotTexts(LabelMode mode, const QString &title, const QString &keyword);

} // namespace tessaly
