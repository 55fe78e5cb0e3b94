#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/random_source.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace tessaly {

constexpr int TableauPositions = 36;
// A layout that was never saved carries this date; the writer never does.
inline const QString UnsavedTableauDate = QStringLiteral("00.000.00");
// Fields start after "dd.mmm.yy : ".
constexpr int TableauFieldStart = 12;

// Indexed by position 1..36; entry 0 unused.
using TableauTextArray = std::array<QString, TableauPositions + 1>;

// A whole number as the placing box and the line reader take it: blanks in
// front, a sign, then digits and nothing else. Too many digits still count as
// a number, one that is no card.
std::optional<long long> ReadWholeNumber(const QString &text);

// "08.dec.26 : 05,,12,..." from the positions' texts: a one-character text
// gets a leading "0", an empty one stays empty, each is followed by ",".
QString TableauLineText(const QDate &date, const TableauTextArray &texts);

// What the reader found for one position.
struct TableauField
{
    enum class Kind {
        Unchanged, // not a number there: the position keeps what it had
        Card,      // 1..36
        Zero,      // "00": no card, and the "00" is kept for the next save
        NoCard,    // a number that is no card: the position becomes empty
    };
    Kind kind = Kind::Unchanged;
    CardNumber card = 0;
    // The field as the next save writes it.
    QString text;
};

struct TableauRead
{
    std::array<TableauField, TableauPositions + 1> fields;
    // At least one field held a number that is no card.
    bool badNumber = false;
};

// Reads the 36 fields from character 13 on. A field that reads as a number
// costs three characters, anything else one; every step is one position.
TableauRead ReadTableauLine(const QString &line);

// The 36 cards in a uniformly random order.
std::array<CardNumber, TableauPositions> RandomTableauOrder(RandomSource &random);
// The unsaved line of a random layout.
QString RandomTableauLine(RandomSource &random);

enum class HintForm { Placed, FromLine };

// The hint of position p with card c on it (0 = none). A card placed by hand
// and one read from a line give slightly different wording.
QString PositionHint(int p, CardNumber c, HintForm form);

} // namespace tessaly
