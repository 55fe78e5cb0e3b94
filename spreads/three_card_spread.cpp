#include "spreads/three_card_spread.h"

#include "app/copy_texts.h"
#include "catalogue/card_slots.h"
#include "saved/saved_list.h"

namespace tessaly {

OuterCards DrawOuterCards(CardNumber middle, RandomSource &random)
{
    // Ends for every middle card 0..36: at most three of the 36 draws fail.
    for (;;) {
        const CardNumber b = random.below(CardCount) + 1;
        const CardNumber c = middle > b ? middle - b : middle - b + CardCount;
        if (b != middle && c != b && c != middle)
            return {b, c};
    }
}

QString ThreeCardCopyText(const ThreeSlots &cards, const ThreeTexts &labels, const QString &result,
                          const QDate &date)
{
    const QChar CR(u'\r');
    const QString dash = QStringLiteral(" - ");
    return QStringLiteral("Mijn Dagkaartjes voor %1-%2-%3: ")
               .arg(date.day())
               .arg(date.month())
               .arg(date.year()) +
           CR + CR + CardTitle(cards[0]) + dash + CardTitle(cards[1]) + dash + CardTitle(cards[2]) + CR +
           labels[0] + dash + labels[1] + dash + labels[2] + CR + CR + QStringLiteral("Uitgeteld: ") +
           result + CR + Dashes + CR;
}

ThreeCardSave ThreeCardSaveValues(const ThreeTexts &slotTexts)
{
    ThreeCardSave save;
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        names.append(CardName(ReadCardEntryText(slotTexts[i]).card));
        save.cards[i] = CardField(slotTexts[i]);
    }
    save.remark = names.join(QStringLiteral(", "));
    return save;
}

} // namespace tessaly
