#include "saved/entry_check.h"

#include "catalogue/catalogue.h"
#include "saved/saved_list.h"

#include <QRegularExpression>

#include <algorithm>

namespace tessaly {

std::optional<QList<int>> EntryCards(const QString &line)
{
    const int count = EntryCardCount(line);
    if (count == 0)
        return std::nullopt;
    const QString part = *CardPart(line);
    QList<int> cards;
    for (int i = 1; i <= count; ++i) {
        const std::optional<int> card = CardAt(part, i);
        if (!card)
            return std::nullopt;
        cards.append(*card);
    }
    return cards;
}

bool FollowsLineGrammar(const QString &line)
{
    static const QRegularExpression form(QStringLiteral(
        "^[0-9]{2}\\.\\p{L}{3}\\.[0-9]{2}( |\\ \\*|\\ #)\\([^*#/]*\\) / ([0-9]{2}(?: [0-9]{2})*)$"));
    const QRegularExpressionMatch match = form.match(line);
    if (!match.hasMatch())
        return false;
    const QString marker = match.captured(1);
    const SpreadKind kind = marker == QLatin1String(" #")   ? SpreadKind::Nine
                            : marker == QLatin1String(" *") ? SpreadKind::Five
                                                            : SpreadKind::Three;
    const std::optional<QList<int>> cards = EntryCards(line);
    if (!cards || cards->size() != CardCountOf(kind))
        return false;
    return std::all_of(cards->begin(), cards->end(), [](int card) { return card <= CardCount; });
}

} // namespace tessaly
