#include "literal_duplicates.h"

#include "saved/saved_list.h"

#include <random>

using namespace tessaly;

QStringList LiteralDuplicateTriples(const QStringList &lines)
{
    QStringList found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype p = lines[i].indexOf(u'/');
        if (p < 0)
            continue;
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            for (int k = 1; k <= 7; ++k) {
                const QString t = lines[i].mid(p + 2 + 3 * (k - 1), 8);
                if (t.size() == 8 && lines[j].contains(t) && lines[j].left(9) != lines[i].left(9)) {
                    found.append(t + QStringLiteral(" - ") + lines[i]);
                    found.append(t + QStringLiteral(" - ") + lines[j]);
                }
            }
        }
    }
    return SortedUniqueIgnoringCase(found);
}

QStringList GeneratedJournal(int entries, quint32 seed)
{
    std::mt19937 random(seed);
    auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    // Few cards and few dates, so sequences repeat and dates collide.
    auto card = [&] { return QStringLiteral("%1").arg(below(8) + 1, 2, 10, QChar(u'0')); };
    const QStringList months = {QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mrt")};
    QStringList lines;
    for (int n = 0; n < entries; ++n) {
        const QString date = QStringLiteral("%1.%2.%3")
                                 .arg(below(4) + 1, 2, 10, QChar(u'0'))
                                 .arg(months[below(3)])
                                 .arg(below(2) + 25);
        const int shape = below(20);
        const SpreadKind kind = shape < 8    ? SpreadKind::Three
                                : shape < 14 ? SpreadKind::Five
                                             : SpreadKind::Nine;
        QStringList cards;
        for (int c = 0; c < CardCountOf(kind); ++c)
            cards.append(card());
        QString remark = shape == 15 ? cards.mid(0, 3).join(u' ') : QStringLiteral("vraag %1").arg(below(5));
        if (shape == 16)
            remark = QStringLiteral("Vraag %1").arg(below(5)); // differs from another only in case
        QString line = EntryLine(date, kind, remark, cards);
        if (shape == 17)
            line = QStringLiteral("hand edited 01 02 03 line");
        if (shape == 18)
            line = line.left(below(int(line.size())));
        if (shape == 19)
            line.replace(line.size() - 2, 2, QStringLiteral("xy"));
        lines.append(line);
    }
    return lines;
}
