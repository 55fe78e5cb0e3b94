#pragma once

#include "catalogue/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessaly {

// How often each card stands in the journal's entries, and the selection of
// the entries that hold one card.

struct CardCounts
{
    // Lines looked at: all of them, or those of the year asked for.
    int entries = 0;
    // Entries holding card n (1..36); a card counts once per entry.
    std::array<int, CardCount + 1> perCard{};
};

// The cards a line holds, bit n for card n: every " nn" in the part from the
// blank after the first ") /", so the date and the remark never count.
quint64 HeldCards(const QString &line);

// One pass over the lines. A card counts when " nn" stands in the part from
// the blank after the first ") /", so the date and the remark never count.
// An empty year counts every line, else only lines whose EntryYear is year.
CardCounts CountCards(const QStringList &lines, const QString &year = {});

// The three presentations of the counts.
enum class AnalysisView { Standard, Numbered, ByNumber };

struct AnalysisRow
{
    int card = 0;
    QString text;
};

// The 36 rows in the view's order: Standard "  5 x Ruiter" by count then
// name, Numbered "  5 x 01) Ruiter" by count then number, ByNumber
// "01) Ruiter x   5" by number. Counts are right-aligned in three characters,
// or as many as the largest count needs, so the column stays straight.
QList<AnalysisRow> AnalysisRows(const CardCounts &counts, AnalysisView view);

// The card a row names, as the selection needs it: the number in two digits
// and the label text ("1) Ruiter" from the count-first views, "01) Ruiter"
// from the number order, where the row's position gives the card).
struct SelectedCard
{
    QString number;
    QString text;
};
std::optional<SelectedCard> SelectedCardOfRow(AnalysisView view, const QString &row, int position);

// The year typed at the prompt: its last two characters ("2021" gives "21").
QString YearFromInput(const QString &typed);
// The year one earlier or later, in two digits ("10" - 1 gives "09"); nullopt
// when year is not a number or the step leaves 00..99.
std::optional<QString> StepYear(const QString &year, int step);

// Lines whose text after the first "/" and the blank that follows holds
// cardNumber (two digits), in file order; with a year only those of that year.
QStringList SelectEntries(const QStringList &lines, const QString &cardNumber, const QString &year);
// "Selectie kaart: 1) Ruiter", or "Selectie 2021 kaart: 1) Ruiter" with a year.
QString SelectionLabel(const QString &year, const QString &cardText);

} // namespace tessaly
