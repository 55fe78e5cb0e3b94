#include "tableau/tableau_techniques.h"

#include <algorithm>
#include <cstdlib>

namespace tessaly {

namespace {

const QString Dash = QStringLiteral(" — ");

struct Step
{
    int rows;
    int columns;
};

Step stepOf(Direction direction)
{
    switch (direction) {
    case Direction::Above:
        return {-1, 0};
    case Direction::Below:
        return {1, 0};
    case Direction::Left:
        return {0, -1};
    case Direction::Right:
        return {0, 1};
    case Direction::UpLeft:
        return {-1, -1};
    case Direction::UpRight:
        return {-1, 1};
    case Direction::DownLeft:
        return {1, -1};
    case Direction::DownRight:
        return {1, 1};
    }
    return {0, 0};
}

QString number(int n)
{
    return QString::number(n);
}

// "12) Vogels op 3, linksboven — 29+12: ..." or, for the significator itself,
// "29) Vrouw op 34 — de significator".
ReadingLine relation(CardNumber significator, CardNumber card, int position, const QString &where,
                     const QString &detail = {})
{
    ReadingLine line;
    line.position = position;
    const QString head = CardTitle(card) + u' ' + where + u' ' + number(position) + detail + Dash;
    if (card == significator) {
        line.text = head + QStringLiteral("de significator");
        return line;
    }
    line.card = card;
    const QString key = TwoDigitNumber(significator) + u'+' + TwoDigitNumber(card);
    const std::optional<int> pair = PairIndex(key);
    line.text = head + key + QStringLiteral(": ") + (pair ? PairBareText(*pair) : QString());
    return line;
}

ReadingLine note(const QString &text)
{
    return {text, 0, 0};
}

QString distanceDetail(int distance)
{
    QString detail = QStringLiteral(", afstand ") + number(distance);
    if (distance == 1)
        detail += QStringLiteral(" (dichtbij)");
    else if (distance >= 3)
        detail += QStringLiteral(" (veraf)");
    return detail;
}

QString diagonalName(Direction direction)
{
    switch (direction) {
    case Direction::UpLeft:
        return QStringLiteral("linksboven");
    case Direction::UpRight:
        return QStringLiteral("rechtsboven");
    case Direction::DownLeft:
        return QStringLiteral("linksonder");
    default:
        return QStringLiteral("rechtsonder");
    }
}

QString mirrorName(MirrorKind kind)
{
    switch (kind) {
    case MirrorKind::Horizontal:
        return QStringLiteral("horizontaal");
    case MirrorKind::Vertical:
        return QStringLiteral("verticaal");
    case MirrorKind::Centre:
        return QStringLiteral("door het midden");
    }
    return {};
}

// What a grid section can say about the significator's place before its
// lines; s is 0 when the significator is not on the tableau.
class GridReader
{
public:
    GridReader(const TableauLayout &layout, CardNumber significator, int s)
        : m_layout(layout)
        , m_significator(significator)
        , m_s(s)
    {
    }

    // The opening note; false when the section can list nothing at all.
    bool open(ReadingSection &section) const
    {
        if (m_s == 0) {
            section.lines.append(
                note(CardTitle(m_significator) + QStringLiteral(" ligt niet op het tableau.")));
            return false;
        }
        if (!IsGridPosition(m_s)) {
            section.lines.append(
                note(QStringLiteral("De significator ligt in de uitkomst, buiten de vier rijen.")));
            return false;
        }
        if (!IsFull(m_layout))
            section.lines.append(note(QStringLiteral("Het tableau is niet vol: lege plaatsen ontbreken.")));
        return true;
    }

    // Adds the card on p, if any; true when it did.
    bool add(ReadingSection &section, int p, const QString &detail = {}) const
    {
        const CardNumber card = m_layout[p];
        if (card < 1 || card > CardCount)
            return false;
        section.lines.append(relation(m_significator, card, p, QStringLiteral("op"), detail));
        return true;
    }

    ReadingSection straight(const QString &heading, Direction direction) const
    {
        ReadingSection section{heading, Technique::Lines, {}};
        if (!open(section))
            return section;
        bool any = false;
        for (int p : Ray(m_s, direction))
            any = add(section, p) || any;
        closeEmpty(section, any);
        return section;
    }

    static void closeEmpty(ReadingSection &section, bool any)
    {
        if (!any)
            section.lines.append(note(QStringLiteral("Geen kaarten.")));
    }

    int s() const { return m_s; }

private:
    const TableauLayout &m_layout;
    CardNumber m_significator;
    int m_s;
};

} // namespace

bool IsGridPosition(int p)
{
    return p >= 1 && p <= GridPositionCount;
}

int GridRow(int p)
{
    return (p - 1) / GridColumns;
}

int GridColumn(int p)
{
    return (p - 1) % GridColumns;
}

int GridPosition(int row, int column)
{
    if (row < 0 || row >= GridRows || column < 0 || column >= GridColumns)
        return 0;
    return row * GridColumns + column + 1;
}

int GridDistance(int p, int q)
{
    return std::max(std::abs(GridRow(p) - GridRow(q)), std::abs(GridColumn(p) - GridColumn(q)));
}

QList<int> Ray(int s, Direction direction)
{
    QList<int> positions;
    if (!IsGridPosition(s))
        return positions;
    const Step step = stepOf(direction);
    int row = GridRow(s) + step.rows;
    int column = GridColumn(s) + step.columns;
    while (const int p = GridPosition(row, column)) {
        positions.append(p);
        row += step.rows;
        column += step.columns;
    }
    return positions;
}

QList<int> KnightJumps(int s)
{
    QList<int> jumps;
    if (!IsGridPosition(s))
        return jumps;
    static constexpr Step Jumps[] = {{-1, -2}, {-1, 2}, {1, -2}, {1, 2}, {-2, -1}, {-2, 1}, {2, -1}, {2, 1}};
    for (const Step &jump : Jumps)
        if (const int p = GridPosition(GridRow(s) + jump.rows, GridColumn(s) + jump.columns))
            jumps.append(p);
    std::sort(jumps.begin(), jumps.end());
    return jumps;
}

QList<MirrorPlace> Mirrors(int s)
{
    QList<MirrorPlace> mirrors;
    if (!IsGridPosition(s))
        return mirrors;
    const int r = GridRow(s);
    const int c = GridColumn(s);
    const int lastRow = GridRows - 1;
    const int lastColumn = GridColumns - 1;
    const MirrorPlace all[] = {{MirrorKind::Horizontal, GridPosition(r, lastColumn - c)},
                               {MirrorKind::Vertical, GridPosition(lastRow - r, c)},
                               {MirrorKind::Centre, GridPosition(lastRow - r, lastColumn - c)}};
    for (const MirrorPlace &mirror : all)
        if (mirror.position != s)
            mirrors.append(mirror);
    return mirrors;
}

int PositionOf(const TableauLayout &layout, CardNumber card)
{
    if (card < 1 || card > CardCount)
        return 0;
    for (int p = 1; p <= TableauPositions; ++p)
        if (layout[p] == card)
            return p;
    return 0;
}

bool IsFull(const TableauLayout &layout)
{
    return std::all_of(layout.begin() + 1, layout.end(),
                       [](CardNumber card) { return card >= 1 && card <= CardCount; });
}

HouseChain HouseChainOf(const TableauLayout &layout, CardNumber significator)
{
    HouseChain chain;
    std::array<bool, CardCount + 1> seen{};
    CardNumber card = significator;
    while (card >= 1 && card <= CardCount && !seen[card]) {
        seen[card] = true;
        const int house = PositionOf(layout, card);
        if (house == 0) {
            chain.missing = card;
            break;
        }
        chain.steps.append({card, house});
        card = house;
    }
    return chain;
}

std::array<TechniqueMask, TableauPositions + 1> TechniqueFrames(const TableauLayout &layout,
                                                                CardNumber significator)
{
    std::array<TechniqueMask, TableauPositions + 1> frames{};
    for (int p : OutcomePositions)
        frames[p] |= MaskOf(Technique::Outcome);
    const int s = PositionOf(layout, significator);
    if (s == 0)
        return frames;
    frames[s] |= MaskOf(Technique::Significator);
    for (const ChainStep &step : HouseChainOf(layout, significator).steps)
        if (step.house != s)
            frames[step.house] |= MaskOf(Technique::Chain);
    if (!IsGridPosition(s))
        return frames;
    for (int p = 1; p <= GridPositionCount; ++p)
        if (p != s && GridDistance(s, p) == 1)
            frames[p] |= MaskOf(Technique::Near);
    for (Direction direction : {Direction::Above, Direction::Below, Direction::Left, Direction::Right})
        for (int p : Ray(s, direction))
            frames[p] |= MaskOf(Technique::Lines);
    for (Direction direction :
         {Direction::UpLeft, Direction::UpRight, Direction::DownLeft, Direction::DownRight})
        for (int p : Ray(s, direction))
            frames[p] |= MaskOf(Technique::Diagonals);
    for (int p : KnightJumps(s))
        frames[p] |= MaskOf(Technique::Knight);
    for (const MirrorPlace &mirror : Mirrors(s))
        frames[mirror.position] |= MaskOf(Technique::Mirrors);
    return frames;
}

TechniquesReading ReadTechniques(const TableauLayout &layout, CardNumber significator, const QString &date)
{
    TechniquesReading reading;
    const int s = PositionOf(layout, significator);
    reading.header =
        QStringLiteral("Grand Tableau ") + (date.isEmpty() ? QStringLiteral("niet bewaard") : date) +
        QStringLiteral(" — significator ") + CardTitle(significator) +
        (s ? QStringLiteral(" op positie ") + number(s) : QStringLiteral(", niet op het tableau"));
    const GridReader grid(layout, significator, s);

    ReadingSection distance{QStringLiteral("Afstand"), Technique::Near, {}};
    if (grid.open(distance)) {
        bool any = false;
        for (int d = 1; d < GridColumns; ++d)
            for (int p = 1; p <= GridPositionCount; ++p)
                if (p != s && GridDistance(s, p) == d)
                    any = grid.add(distance, p, distanceDetail(d)) || any;
        GridReader::closeEmpty(distance, any);
    }
    reading.sections.append(distance);
    reading.sections.append(grid.straight(QStringLiteral("Boven"), Direction::Above));
    reading.sections.append(grid.straight(QStringLiteral("Onder"), Direction::Below));
    reading.sections.append(grid.straight(QStringLiteral("Links"), Direction::Left));
    reading.sections.append(grid.straight(QStringLiteral("Rechts"), Direction::Right));

    ReadingSection diagonals{QStringLiteral("Diagonalen"), Technique::Diagonals, {}};
    if (grid.open(diagonals)) {
        bool any = false;
        for (Direction direction :
             {Direction::UpLeft, Direction::UpRight, Direction::DownLeft, Direction::DownRight})
            for (int p : Ray(s, direction))
                any = grid.add(diagonals, p, QStringLiteral(", ") + diagonalName(direction)) || any;
        GridReader::closeEmpty(diagonals, any);
    }
    reading.sections.append(diagonals);

    ReadingSection knight{QStringLiteral("Paardensprong"), Technique::Knight, {}};
    if (grid.open(knight)) {
        bool any = false;
        for (int p : KnightJumps(s))
            any = grid.add(knight, p) || any;
        GridReader::closeEmpty(knight, any);
    }
    reading.sections.append(knight);

    ReadingSection mirrors{QStringLiteral("Spiegels"), Technique::Mirrors, {}};
    if (grid.open(mirrors)) {
        bool any = false;
        for (const MirrorPlace &mirror : Mirrors(s))
            any = grid.add(mirrors, mirror.position, QStringLiteral(", ") + mirrorName(mirror.kind)) || any;
        GridReader::closeEmpty(mirrors, any);
    }
    reading.sections.append(mirrors);

    ReadingSection chain{QStringLiteral("Huizenketen"), Technique::Chain, {}};
    const HouseChain links = HouseChainOf(layout, significator);
    for (const ChainStep &step : links.steps)
        chain.lines.append(relation(significator, step.card, step.house, QStringLiteral("in huis")));
    if (links.missing)
        chain.lines.append(note(CardTitle(links.missing) + (links.missing == significator
                                                                ? QStringLiteral(" ligt niet op het tableau.")
                                                                : QStringLiteral(" ligt niet op het tableau; "
                                                                                 "de keten stopt hier."))));
    reading.sections.append(chain);

    ReadingSection outcome{QStringLiteral("Uitkomst"), Technique::Outcome, {}};
    bool any = false;
    for (int p : OutcomePositions)
        any = grid.add(outcome, p) || any;
    GridReader::closeEmpty(outcome, any);
    reading.sections.append(outcome);
    return reading;
}

QString ReadingText(const TechniquesReading &reading)
{
    QStringList lines{reading.header};
    for (const ReadingSection &section : reading.sections) {
        lines.append(section.heading);
        for (const ReadingLine &line : section.lines)
            lines.append(line.text);
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString SavedLayoutDate(const QString &line, const TableauLayout &layout)
{
    const QString date = line.left(UnsavedTableauDate.size());
    if (date.size() < UnsavedTableauDate.size() || date == UnsavedTableauDate)
        return {};
    const TableauRead read = ReadTableauLine(line);
    for (int p = 1; p <= TableauPositions; ++p) {
        const TableauField &field = read.fields[p];
        const CardNumber card = field.kind == TableauField::Kind::Card ? field.card : 0;
        if (card != layout[p])
            return {};
    }
    return date;
}

} // namespace tessaly
