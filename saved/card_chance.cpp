#include "saved/card_chance.h"

#include "saved/card_analysis.h"
#include "saved/chance_statistics.h"
#include "saved/saved_list.h"

#include <bit>
#include <cmath>
#include <vector>

namespace tessaly {

namespace {

QString decimal(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

bool twoDigits(const QString &year)
{
    return year.size() == 2 && year[0].isDigit() && year[1].isDigit();
}

} // namespace

void YearTally::add(const YearTally &other)
{
    lines += other.lines;
    for (int n = 0; n <= CardCount; ++n) {
        perCard[n] += other.perCard[n];
        bySize[n] += other.bySize[n];
    }
}

int YearTally::entries() const
{
    return lines - bySize[0];
}

int YearTally::cardsDrawn() const
{
    int drawn = 0;
    for (int k = 1; k <= CardCount; ++k)
        drawn += k * bySize[k];
    return drawn;
}

YearTally JournalTally::of(const QString &year) const
{
    if (!year.isEmpty()) {
        const auto found = years.find(year);
        return found == years.end() ? YearTally() : found->second;
    }
    YearTally all;
    for (const auto &[key, tally] : years)
        all.add(tally);
    return all;
}

JournalTally TallyJournal(const QStringList &lines)
{
    JournalTally journal;
    // Lines of one year mostly stand together: look the year up only when it
    // changes.
    QString lastYear;
    YearTally *current = nullptr;
    for (const QString &line : lines) {
        const QStringView year = EntryYearView(line);
        if (!current || year != lastYear) {
            lastYear = year.toString();
            current = &journal.years[lastYear];
        }
        ++current->lines;
        const quint64 held = HeldCards(line);
        ++current->bySize[std::popcount(held)];
        for (quint64 rest = held; rest; rest &= rest - 1)
            ++current->perCard[std::countr_zero(rest)];
    }
    return journal;
}

QList<int> ChanceReport::marked() const
{
    QList<int> cards;
    for (int card = 1; card <= CardCount; ++card)
        if (this->cards[card].verdict != ChanceVerdict::None)
            cards.append(card);
    return cards;
}

ChanceReport JudgeChance(const YearTally &tally)
{
    ChanceReport report;
    report.lines = tally.lines;
    report.entries = tally.entries();
    report.judged = report.entries >= MinimumJudgedEntries;
    report.exact = report.entries <= ExactTestLimit;
    for (int card = 1; card <= CardCount; ++card)
        report.cards[card].observed = tally.perCard[card];
    if (report.entries == 0)
        return report;

    std::vector<TrialGroup> groups;
    double spread = 0; // sum of k (36 - k) / 35 over the entries
    for (int k = 1; k <= CardCount; ++k) {
        const int entries = tally.bySize[k];
        if (entries == 0)
            continue;
        const double p = double(k) / CardCount;
        groups.push_back({entries, p});
        report.variance += entries * p * (1 - p);
        spread += entries * double(k) * (CardCount - k) / (CardCount - 1);
    }
    const int drawn = tally.cardsDrawn();
    report.expected = double(drawn) / CardCount;

    std::vector<double> pValues;
    if (report.exact) {
        // Chance treats every card alike, so one distribution serves all 36.
        const std::vector<double> distribution = SuccessDistribution(groups);
        report.bandLow = DistributionQuantile(distribution, 0.025);
        report.bandHigh = DistributionQuantile(distribution, 0.975);
        for (int card = 1; card <= CardCount; ++card)
            pValues.push_back(TwoSidedP(distribution, tally.perCard[card]));
    } else {
        report.bandLow = NormalQuantile(report.expected, report.variance, 0.025);
        report.bandHigh = NormalQuantile(report.expected, report.variance, 0.975);
        for (int card = 1; card <= CardCount; ++card)
            pValues.push_back(NormalTwoSidedP(tally.perCard[card], report.expected, report.variance));
    }
    const std::vector<double> adjusted = HolmAdjusted(pValues);
    for (int card = 1; card <= CardCount; ++card) {
        CardChance &chance = report.cards[card];
        chance.p = pValues[size_t(card - 1)];
        chance.adjustedP = adjusted[size_t(card - 1)];
        if (report.judged && chance.adjustedP < MarkingLevel)
            chance.verdict = chance.observed > report.expected ? ChanceVerdict::More : ChanceVerdict::Fewer;
    }

    // Pearson's statistic assumes every card drawn on its own; an entry draws
    // its k cards without putting one back, which narrows each count's spread
    // by the factor below (k = 1 leaves it as it is). Divided by it, the
    // statistic follows chi-square with 35 degrees of freedom again, where
    // the plain one would hide a real deviation in nine-card journals.
    double pearson = 0;
    for (int card = 1; card <= CardCount; ++card) {
        const double difference = tally.perCard[card] - report.expected;
        pearson += difference * difference / report.expected;
    }
    const double narrowing = spread / drawn;
    if (narrowing > 0) {
        report.chiSquare = pearson / narrowing;
        report.chiSquareP = ChiSquareSurvival(report.chiSquare, report.degrees);
    }
    return report;
}

QList<YearCount> CardPerYear(const JournalTally &tally, int card)
{
    QList<YearCount> counts;
    if (card < 1 || card > CardCount)
        return counts;
    for (const auto &[year, yearTally] : tally.years) {
        if (!twoDigits(year))
            continue;
        counts.append({year, QStringLiteral("20") + year, yearTally.perCard[card],
                       double(yearTally.cardsDrawn()) / CardCount});
    }
    return counts;
}

QString FormatP(double p)
{
    if (p < 0.001)
        return QStringLiteral("< 0,001");
    // Cut, not rounded: 0,0496 reads 0,049, so a marked card never shows 0,050.
    return decimal(std::floor(p * 1000 + 1e-9) / 1000, 3);
}

QString FormatPClause(double p)
{
    const QString text = FormatP(p);
    return text.startsWith(u'<') ? text : QStringLiteral("= ") + text;
}

QString FormatExpected(double expected)
{
    return expected < 10 ? decimal(expected, 1) : QString::number(std::lround(expected));
}

QString VerdictText(ChanceVerdict verdict)
{
    switch (verdict) {
    case ChanceVerdict::More:
        return QStringLiteral("vaker dan toeval");
    case ChanceVerdict::Fewer:
        return QStringLiteral("minder vaak dan toeval");
    case ChanceVerdict::None:
        break;
    }
    return {};
}

QString VerdictSentence(const ChanceReport &report, int card)
{
    const CardChance &chance = report.cards[card];
    if (chance.verdict == ChanceVerdict::None)
        return {};
    return QStringLiteral("%1 komt %2 voor dan toeval: %3 keer, verwacht %4; p %5")
        .arg(CardNames[card],
             chance.verdict == ChanceVerdict::More ? QStringLiteral("vaker") : QStringLiteral("minder vaak"),
             QString::number(chance.observed), FormatExpected(report.expected),
             FormatPClause(chance.adjustedP));
}

QString FitSentence(const ChanceReport &report)
{
    if (report.entries == 0)
        return QStringLiteral("Er zijn geen leggingen met kaarten om te tellen.");
    if (!report.judged)
        return QStringLiteral("Te weinig leggingen om iets over toeval te zeggen: %1, en er zijn er "
                              "minstens %2 nodig.")
            .arg(report.entries)
            .arg(MinimumJudgedEntries);
    return QStringLiteral("Alle kaarten samen: χ² = %1 bij %2 vrijheidsgraden, p %3: %4")
        .arg(decimal(report.chiSquare, 1), QString::number(report.degrees), FormatPClause(report.chiSquareP),
             report.chiSquareP < MarkingLevel ? QStringLiteral("de verdeling wijkt af van toeval.")
                                              : QStringLiteral("de verdeling past bij toeval."));
}

QString ChanceTable(const ChanceReport &report)
{
    const QString end = QStringLiteral("\r\n");
    QString table = QStringLiteral("Kaart\tgeteld\tverwacht\tp\toordeel") + end;
    for (int card = 1; card <= CardCount; ++card) {
        const CardChance &chance = report.cards[card];
        table += CardTitles[card] + u'\t' + QString::number(chance.observed) + u'\t' +
                 decimal(report.expected, 1) + u'\t' +
                 (report.judged ? FormatP(chance.adjustedP) : QString()) + u'\t' +
                 VerdictText(chance.verdict) + end;
    }
    return table;
}

} // namespace tessaly
