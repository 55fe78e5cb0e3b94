#pragma once

#include "catalogue/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <map>

namespace tessaly {

// Whether the cards of the journal come up as often as chance alone would
// have them. Under chance an entry holding k different cards holds any one
// card with probability k / 36, the entries independent of each other.

// The entries of one year (or of all), counted as the analysis counts them.
struct YearTally
{
    // Lines of that year, those without cards included.
    int lines = 0;
    // Entries holding card n, once per entry.
    std::array<int, CardCount + 1> perCard{};
    // Entries holding k different cards, k = 0..36.
    std::array<int, CardCount + 1> bySize{};

    void add(const YearTally &other);
    // Entries holding at least one card: the ones chance is judged on.
    int entries() const;
    // Sum of k over the entries: the cards that chance spreads over 36.
    int cardsDrawn() const;
};

// The journal read once: a tally per year as EntryYear gives it, so that a
// change of year only adds up tallies.
struct JournalTally
{
    std::map<QString, YearTally> years;

    // An empty year gives all years together.
    YearTally of(const QString &year) const;
};
JournalTally TallyJournal(const QStringList &lines);

enum class ChanceVerdict { None, More, Fewer };

struct CardChance
{
    int observed = 0;
    // The card's own p-value, and after Holm's adjustment for 36 cards.
    double p = 1;
    double adjustedP = 1;
    ChanceVerdict verdict = ChanceVerdict::None;
};

// Fewer entries than this are too few to say anything about chance.
constexpr int MinimumJudgedEntries = 30;
// Up to this many entries the test is exact; above, the normal approximation.
constexpr int ExactTestLimit = 5000;
// A card is marked below this adjusted p-value.
constexpr double MarkingLevel = 0.05;

struct ChanceReport
{
    int lines = 0;
    int entries = 0;
    // Enough entries to judge; without, no card is marked.
    bool judged = false;
    bool exact = false;
    // Mean and variance under chance, the same for every card.
    double expected = 0;
    double variance = 0;
    // The central 95 % of the counts chance gives one card.
    int bandLow = 0;
    int bandHigh = 0;
    std::array<CardChance, CardCount + 1> cards{};
    // Goodness of fit of all 36 counts together.
    double chiSquare = 0;
    int degrees = CardCount - 1;
    double chiSquareP = 1;

    QList<int> marked() const;
};

ChanceReport JudgeChance(const YearTally &tally);

// Counts of one card per year, oldest first, for the years whose EntryYear is
// two digits.
struct YearCount
{
    QString year;  // "26"
    QString label; // "2026"
    int observed = 0;
    double expected = 0;
};
QList<YearCount> CardPerYear(const JournalTally &tally, int card);

// Dutch number texts: "0,003", "< 0,001"; "25" or, below 10, "2,5".
QString FormatP(double p);
// What follows "p" in a sentence: "= 0,003", "< 0,001".
QString FormatPClause(double p);
QString FormatExpected(double expected);
// "Boom komt vaker voor dan toeval: 41 keer, verwacht 25; p = 0,003"; empty
// for a card that is not marked.
QString VerdictSentence(const ChanceReport &report, int card);
// "vaker dan toeval", "minder vaak dan toeval" or "".
QString VerdictText(ChanceVerdict verdict);
// The line on all cards together, or why nothing is judged.
QString FitSentence(const ChanceReport &report);
// "Kaart\tgeteld\tverwacht\tp\toordeel", then one line per card, each ended
// by CR LF: the table a spreadsheet takes.
QString ChanceTable(const ChanceReport &report);

} // namespace tessaly
