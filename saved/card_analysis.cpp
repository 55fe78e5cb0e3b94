#include "saved/card_analysis.h"

#include "saved/saved_list.h"

#include <algorithm>
#include <bit>

namespace tessaly {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

quint64 HeldCards(const QString &line)
{
    const qsizetype at = line.indexOf(QLatin1String(") /"));
    if (at < 0)
        return 0;
    const QStringView part = QStringView(line).sliced(at + 3);
    // Every " nn" in the part, each card once however often it stands.
    quint64 held = 0;
    for (qsizetype i = 0; i + 2 < part.size(); ++i) {
        if (part[i] != u' ' || !isDigit(part[i + 1]) || !isDigit(part[i + 2]))
            continue;
        const int card = (part[i + 1].unicode() - u'0') * 10 + (part[i + 2].unicode() - u'0');
        if (card >= 1 && card <= CardCount)
            held |= quint64(1) << card;
    }
    return held;
}

CardCounts CountCards(const QStringList &lines, const QString &year)
{
    CardCounts counts;
    for (const QString &line : lines) {
        if (!year.isEmpty() && EntryYearView(line) != year)
            continue;
        ++counts.entries;
        for (quint64 held = HeldCards(line); held; held &= held - 1)
            ++counts.perCard[std::countr_zero(held)];
    }
    return counts;
}

QList<AnalysisRow> AnalysisRows(const CardCounts &counts, AnalysisView view)
{
    const int largest = *std::max_element(counts.perCard.begin() + 1, counts.perCard.end());
    const int width = std::max(3, int(QString::number(largest).size()));
    QList<AnalysisRow> rows;
    for (int card = 1; card <= CardCount; ++card) {
        const QString count = QString::number(counts.perCard[card]).rightJustified(width);
        QString text;
        switch (view) {
        case AnalysisView::Standard:
            text = count + QStringLiteral(" x ") + CardNames[card];
            break;
        case AnalysisView::Numbered:
            text = count + QStringLiteral(" x ") + CardTitles[card];
            break;
        case AnalysisView::ByNumber:
            text = CardTitles[card] + QStringLiteral(" x ") + count;
            break;
        }
        rows.append({card, text});
    }
    if (view == AnalysisView::ByNumber)
        return rows;
    std::stable_sort(rows.begin(), rows.end(), [&](const AnalysisRow &a, const AnalysisRow &b) {
        const int countA = counts.perCard[a.card];
        const int countB = counts.perCard[b.card];
        if (countA != countB)
            return countA < countB;
        if (view == AnalysisView::Standard)
            return CardNames[a.card].compare(CardNames[b.card], Qt::CaseInsensitive) < 0;
        return a.card < b.card;
    });
    return rows;
}

std::optional<SelectedCard> SelectedCardOfRow(AnalysisView view, const QString &row, int position)
{
    int card = 0;
    if (view == AnalysisView::ByNumber) {
        card = position + 1;
        if (card < 1 || card > CardCount)
            return std::nullopt;
        return SelectedCard{TwoDigitNumbers[card], CardTitles[card]};
    }
    // The name follows the first "x" (or ")") and the blank after it.
    const qsizetype mark = row.indexOf(view == AnalysisView::Standard ? u'x' : u')');
    if (mark < 0)
        return std::nullopt;
    const QString name = row.mid(mark + 2);
    const auto found = std::find(CardNames.begin() + 1, CardNames.end(), name);
    if (found == CardNames.end())
        return std::nullopt;
    card = int(found - CardNames.begin());
    return SelectedCard{TwoDigitNumbers[card], QString::number(card) + QStringLiteral(") ") + name};
}

QString YearFromInput(const QString &typed)
{
    // Blanks around the year are a slip of the keyboard, not part of it.
    return typed.trimmed().right(2);
}

std::optional<QString> StepYear(const QString &year, int step)
{
    if (year.isEmpty() || year.size() > 2 || !std::all_of(year.begin(), year.end(), isDigit))
        return std::nullopt;
    const int stepped = year.toInt() + step;
    if (stepped < 0 || stepped > 99)
        return std::nullopt;
    return QStringLiteral("%1").arg(stepped, 2, 10, QLatin1Char('0'));
}

QStringList SelectEntries(const QStringList &lines, const QString &cardNumber, const QString &year)
{
    QStringList listed;
    for (const QString &line : lines) {
        if (!year.isEmpty() && EntryYear(line) != year)
            continue;
        const std::optional<QString> part = CardPart(line);
        if (part && QStringView(*part).mid(1).contains(cardNumber))
            listed.append(line);
    }
    return listed;
}

QString SelectionLabel(const QString &year, const QString &cardText)
{
    if (year.isEmpty())
        return QStringLiteral("Selectie kaart: ") + cardText;
    return QStringLiteral("Selectie 20") + year + QStringLiteral(" kaart: ") + cardText;
}

} // namespace tessaly
