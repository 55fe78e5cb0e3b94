#include "chance_journal.h"

#include "catalogue/catalogue.h"
#include "saved/saved_list.h"

#include <algorithm>
#include <random>

using namespace tessaly;

QStringList ChanceJournal(int entries, int favoured, quint32 seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    const QStringList months = {"jan", "feb", "mrt", "apr", "mei", "jun",
                                "jul", "aug", "sep", "okt", "nov", "dec"};
    QStringList lines;
    for (int n = 0; n < entries; ++n) {
        const double shape = unit(random);
        const SpreadKind kind = shape < 0.4   ? SpreadKind::Three
                                : shape < 0.7 ? SpreadKind::Five
                                              : SpreadKind::Nine;
        const int size = CardCountOf(kind);
        std::vector<int> others;
        for (int card = 1; card <= CardCount; ++card)
            if (card != favoured)
                others.push_back(card);
        std::shuffle(others.begin(), others.end(), random);
        std::vector<int> cards;
        if (favoured && unit(random) < 2.0 * size / CardCount)
            cards.push_back(favoured);
        for (size_t i = 0; cards.size() < size_t(size); ++i)
            cards.push_back(others[i]);
        std::shuffle(cards.begin(), cards.end(), random);
        QStringList fields;
        for (const int card : cards)
            fields << QStringLiteral("%1").arg(card, 2, 10, QChar(u'0'));
        const QString date = QStringLiteral("%1.%2.%3")
                                 .arg(int(random() % 28) + 1, 2, 10, QChar(u'0'))
                                 .arg(months[int(random() % 12)])
                                 .arg(24 + int(random() % 3));
        lines << EntryLine(date, kind, QStringLiteral("vraag %1").arg(n + 1), fields);
    }
    return lines;
}
