#pragma once

#include "tableau/tableau_line.h"

#include <QList>
#include <QString>

#include <array>

namespace tessaly {

// The card on each position 1..36 (0 = none); entry 0 unused.
using TableauLayout = std::array<CardNumber, TableauPositions + 1>;

// Positions 1..32 form a grid of four rows of eight, row 0 at the top and
// column 0 at the left; 33..36, the outcome, lie outside it.
constexpr int GridRows = 4;
constexpr int GridColumns = 8;
constexpr int GridPositionCount = GridRows * GridColumns;
constexpr std::array<int, 4> OutcomePositions = {33, 34, 35, 36};

bool IsGridPosition(int p);
int GridRow(int p);
int GridColumn(int p);
// The position at row, column; 0 outside the grid.
int GridPosition(int row, int column);
// max(|row difference|, |column difference|) of two grid positions.
int GridDistance(int p, int q);

enum class Direction { Above, Below, Left, Right, UpLeft, UpRight, DownLeft, DownRight };
// The grid positions in a direction from s, from s outward; none when s lies
// outside the grid.
QList<int> Ray(int s, Direction direction);
// The knight's jumps from s, ascending.
QList<int> KnightJumps(int s);

enum class MirrorKind { Horizontal, Vertical, Centre };
struct MirrorPlace
{
    MirrorKind kind;
    int position;
    bool operator==(const MirrorPlace &) const = default;
};
// Horizontal (r, 7 - c), vertical (3 - r, c) and through the centre
// (3 - r, 7 - c), in that order; a mirror on s itself is left out.
QList<MirrorPlace> Mirrors(int s);

// The first position holding card; 0 when no position does.
int PositionOf(const TableauLayout &layout, CardNumber card);
// Every position holds a card.
bool IsFull(const TableauLayout &layout);

// One link of the house chain: card lies on position house, the house of the
// card with that number.
struct ChainStep
{
    CardNumber card;
    int house;
    bool operator==(const ChainStep &) const = default;
};
struct HouseChain
{
    // From the significator on, each next card being the owner of the house
    // the previous one lies in, until a card would repeat.
    QList<ChainStep> steps;
    // The card the chain stopped at because it is not on the tableau; 0 when
    // the chain closed.
    CardNumber missing = 0;
};
HouseChain HouseChainOf(const TableauLayout &layout, CardNumber significator);

// The colours on the tableau; Lines are the four straight directions.
enum class Technique { Significator, Near, Lines, Diagonals, Knight, Mirrors, Chain, Outcome };
constexpr int TechniqueCount = 8;
using TechniqueMask = unsigned;
constexpr TechniqueMask MaskOf(Technique technique)
{
    return 1u << int(technique);
}
// The techniques each position takes part in: the grid techniques from the
// significator's position (empty places too, so the pattern shows whole),
// the chain where its cards lie, and the outcome.
std::array<TechniqueMask, TableauPositions + 1> TechniqueFrames(const TableauLayout &layout,
                                                                CardNumber significator);

struct ReadingLine
{
    QString text;
    // The card read with the significator; 0 for a note or the significator
    // itself.
    CardNumber card = 0;
    // Where the line's card lies; 0 for a note.
    int position = 0;
};

struct ReadingSection
{
    QString heading;
    Technique technique;
    QList<ReadingLine> lines;
};

struct TechniquesReading
{
    QString header;
    QList<ReadingSection> sections;
};

// Every technique read for the significator; date is the layout's saved date,
// empty when it was never saved.
TechniquesReading ReadTechniques(const TableauLayout &layout, CardNumber significator, const QString &date);
// The header, then each heading and its lines, joined by CR LF.
QString ReadingText(const TechniquesReading &reading);

// The date of a saved line that holds exactly this layout; empty for another
// layout or a line that was never saved.
QString SavedLayoutDate(const QString &line, const TableauLayout &layout);

} // namespace tessaly
