#include "catalogue/card_slots.h"

namespace tessaly {

void RedrawKeywords(KeywordChoice &current, RandomSource &random)
{
    for (int card = 1; card <= CardCount; ++card)
        current[card] = CardKeyword(card, random.below(KeywordsPerCard) + 1);
}

CardEntry ReadCardEntryText(const QString &text)
{
    if (text.isEmpty())
        return {};
    bool ok = false;
    const int value = text.toInt(&ok);
    // Anything that is not a card behaves like an empty field.
    if (!ok || value < 0 || value > CardCount)
        return {0, true};
    return {value, false};
}

QString SlotTitle(CardNumber card)
{
    return CardTitle(card);
}

QString SlotKeyword(CardNumber card, const KeywordChoice &current)
{
    return card >= 1 && card <= CardCount ? current[card] : QString();
}

SlotTexts MainSlotTexts(MainLabelMode mode, const QString &title, const QString &keyword)
{
    if (mode == MainLabelMode::Titles)
        return {title, keyword};
    return {keyword, title};
}

bool MainLabelVisible(MainLabelMode mode, int slot, bool triangle)
{
    if (mode == MainLabelMode::None)
        return false;
    const bool hiddenByTriangle = slot == 4 || slot == 7 || slot == 9 || slot == 10;
    return !(triangle && hiddenByTriangle);
}

SlotTexts SpreadSlotTexts(LabelMode mode, const QString &title, const QString &keyword)
{
    if (mode == LabelMode::Titles)
        return {title, keyword};
    return {keyword, title};
}

} // namespace tessaly
