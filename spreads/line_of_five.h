#pragma once

#include "catalogue/catalogue.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace tessaly {

// The line window's caption tells where its cards came from.
enum class LineTitle {
    Plain,          // start; collapsed recount; extra cards hidden; back from the nine-card cross
    Counted,        // expanded recount; extra cards shown
    FromThreeCards, // opened from the main or the three-card window
    FromSquare,     // the nine-card square came back changed
    ExtrasEmptied,  // "X" of the extra cards
    OpenedNine,     // a nine-card entry opened from the list
};
QString LineTitleText(LineTitle title);

// Line cards 1..5 are entries 0..4; the extra cards likewise.
using LineFive = std::array<CardNumber, 5>;
using ExtraFour = std::array<CardNumber, 4>;

// Extra card j links line cards j and j + 1: their counted-out sum (an empty
// slot counts as 0).
ExtraFour CountExtras(const LineFive &line);
// The result of the line, with the extra cards when they are shown.
CardNumber LineResult(const LineFive &line, const ExtraFour &extras, bool expanded);

// One of the orders V1..V5: which base cards the five slots show, the order
// button's caption and hint, and the move that steps to it from the order
// before (new slot i takes the text of old slot movedFrom[i], 1-based).
struct LineOrder
{
    LineFive shows;
    QString caption;
    QString hint;
    std::array<int, 5> movedFrom;
};
// Indexed by order 1..5; entry 0 unused.
extern const std::array<LineOrder, 6> LineOrderPermutations;

// The order after index (0 = never stepped since a reset, 1..5): 0 and 1 step
// to 2, 5 wraps to 1.
int NextLineOrderIndex(int index);
// The slot texts after stepping to order (1..5).
std::array<QString, 5> MoveLineTexts(const std::array<QString, 5> &texts, int order);

// "Copy Text": dated header, titles, labels, result, closing dashes; CR as
// line break. Titles and labels are those of slots 1..5.
QString LineCopyText(const std::array<QString, 5> &titles, const std::array<QString, 5> &labels,
                     const QString &result, const QDate &date);

// The five themes of a line: love, work, money, spiritual, shadow. A slot
// without a card shows "--" and nothing after " = ".
QStringList ThemeLines(const LineFive &line);

} // namespace tessaly
