#include "spreads/nine_card_orders.h"

#include <algorithm>

namespace tessaly {

namespace {

const QChar CR(u'\r');

struct OrderRow
{
    char letter;
    NineSlotMap square;
    const char *label;
    const char *crossLabel; // nullptr: no cross
    // The last hint line, spaced as it is shown.
    const char *squareHintLabel;
    const char *crossHintLabel;
};

constexpr std::array<OrderRow, NineOrderCount> Rows = {{
    {'A', {0, 6, 4, 7, 1, 2, 3, 8, 5, 9}, "Midden", "Midden", " Midden ", " Midden "},
    {'B', {0, 7, 2, 8, 4, 1, 5, 6, 3, 9}, "Kruis", "Kruis", "  Kruis ", "  Kruis "},
    {'C', {0, 6, 1, 9, 2, 5, 4, 7, 3, 8}, "Cros+", "Cros+", " Cros+ ", " Cros+ "},
    {'D', {0, 7, 3, 8, 2, 1, 4, 6, 5, 9}, "Algem.", "Algem.", " Algem. ", " Algem. "},
    {'E', {0, 6, 4, 8, 2, 1, 3, 9, 5, 7}, "Morvel", "Morvel", " Morvel ", " Morvel "},
    {'F', {0, 2, 6, 3, 7, 1, 8, 4, 9, 5}, "Hoeken", "Penta", " Hoeken ", " Penta "},
    {'G', {0, 1, 6, 2, 9, 5, 7, 4, 8, 3}, "Quarts", "Quarts", " Quarts  ", " Quarts  "},
    {'H', {0, 6, 2, 7, 1, 9, 3, 5, 4, 8}, "Vesdra.", nullptr, " Vesdra. ", nullptr},
    {'I', {0, 6, 1, 8, 7, 5, 3, 2, 9, 4}, "FengSui", nullptr, " FengSui ", nullptr},
    {'J', {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, "Horizon", nullptr, " Horizon", nullptr},
    {'K', {0, 1, 4, 7, 2, 5, 8, 3, 6, 9}, "Vertica", nullptr, " Vertica", nullptr},
}};

constexpr int OrderE = 5;
// In the cross, E's hidden corners hold positions 8, 7, 6, 9 (not the full
// square's 6, 8, 9, 7), so that a step on to F puts them where F's square does.
constexpr NineSlotMap CrossE = {0, 8, 4, 7, 2, 1, 3, 6, 5, 9};

// Letter line, three grid rows and the label line.
QString hint(const QString &letterLine, const NineSlotMap &map, const QString &labelLine)
{
    QString text = letterLine;
    for (int row = 0; row < 3; ++row)
        text +=
            CR +
            QStringLiteral("  %1-%2-%3 ").arg(map[row * 3 + 1]).arg(map[row * 3 + 2]).arg(map[row * 3 + 3]);
    return text + CR + labelLine;
}

QString letterLine(char letter)
{
    return QStringLiteral("     %1  ").arg(QChar::fromLatin1(letter));
}

std::array<NineCardOrder, NineOrderCount> buildOrders()
{
    std::array<NineCardOrder, NineOrderCount> orders;
    for (int i = 0; i < NineOrderCount; ++i) {
        const OrderRow &row = Rows[i];
        NineCardOrder &order = orders[i];
        order.letter = QChar::fromLatin1(row.letter);
        order.square = row.square;
        order.label = QString::fromLatin1(row.label);
        order.squareHint = hint(letterLine(row.letter), row.square, QString::fromLatin1(row.squareHintLabel));
        if (row.crossLabel) {
            NineSlotMap cross = row.square;
            for (int &position : cross)
                position = position <= 5 ? position : 0;
            order.cross = cross;
            order.crossLabel = QString::fromLatin1(row.crossLabel);
            order.crossHint = hint(letterLine(row.letter), cross, QString::fromLatin1(row.crossHintLabel));
        }
    }
    return orders;
}

} // namespace

const std::array<NineCardOrder, NineOrderCount> NineCardOrders = buildOrders();

const QString ResetHintSquare = QStringLiteral("      A  \r   6-4-7 \r   1-2-3 \r   8-5-9 \r Midden");
const QString ResetHintCross = QStringLiteral("      A  \r   0-4-0 \r   1-2-3 \r   0-5-0 \r Midden");
const QString OpenedEntryHint = QStringLiteral("   A   \r 6-4-7 \r 1-2-3 \r 8-5-9 \r Midden");

const std::array<QString, 10> FengShuiWords = {
    QString(),
    QStringLiteral("- Hulp -"),
    QStringLiteral("- Carriere -"),
    QStringLiteral("- Kennis -"),
    QStringLiteral("- Kinderen -"),
    QStringLiteral("- Energie -"),
    QStringLiteral("- Familie -"),
    QStringLiteral("- Relatie -"),
    QStringLiteral("- Succes -"),
    QStringLiteral("- Rijkdom -"),
};

const NineCardOrder &NineCardOrderAt(int index)
{
    return NineCardOrders[std::clamp(index, 1, NineOrderCount) - 1];
}

QString OrderCaption(int index)
{
    return QStringLiteral("Volgorde ") + NineCardOrderAt(index).letter;
}

int NextOrderIndex(int index, bool cross)
{
    const int next = index + 1;
    return next > (cross ? CrossOrderCount : NineOrderCount) ? 1 : next;
}

const NineSlotMap &CrossArrangement(int index)
{
    return index == OrderE ? CrossE : NineCardOrderAt(index).square;
}

const NineSlotMap &SlotPositions(int index, bool cross)
{
    return cross ? CrossArrangement(index) : NineCardOrderAt(index).square;
}

int PositionOfSlot(int index, bool cross, int slot)
{
    return SlotPositions(index, cross)[slot];
}

int SlotOfPosition(int index, bool cross, int position)
{
    const NineSlotMap &map = SlotPositions(index, cross);
    for (int slot = 1; slot <= 9; ++slot)
        if (map[slot] == position)
            return slot;
    return 0;
}

NineTexts MoveTexts(const NineTexts &texts, int from, int to, bool cross)
{
    NineTexts moved;
    for (int slot = 1; slot <= 9; ++slot)
        moved[SlotOfPosition(to, cross, PositionOfSlot(from, cross, slot))] = texts[slot];
    return moved;
}

NineOrderStep NextOrder(int index, bool cross, const NineTexts &texts)
{
    const int next = NextOrderIndex(index, cross);
    return {next, MoveTexts(texts, index, next, cross)};
}

QString StepHint(int index, bool cross)
{
    const NineCardOrder &order = NineCardOrderAt(index);
    return cross && order.cross ? order.crossHint : order.squareHint;
}

std::optional<QString> ToggleHint(int index, bool cross)
{
    const NineCardOrder &order = NineCardOrderAt(index);
    if (!cross)
        return order.squareHint;
    if (!order.cross)
        return std::nullopt;
    const QChar letter = order.letter;
    if (letter == u'A' || letter == u'B' || letter == u'D' || letter == u'E')
        return QStringLiteral("    %1   ").arg(letter) + order.crossHint.mid(letterLine('A').size());
    return order.crossHint;
}

NineSlotFlags VisibleSlots(bool cross, int index)
{
    NineSlotFlags visible{};
    for (int slot = 1; slot <= 9; ++slot) {
        const bool corner = slot % 2 == 1 && slot != 5;
        const bool middle = slot % 2 == 0;
        visible[slot] = !cross || slot == 5 || (IsSaltireOrder(index) ? corner : middle);
    }
    return visible;
}

int NextVisibleSlot(int slot, int step, bool cross, int index)
{
    const NineSlotFlags visible = VisibleSlots(cross, index);
    int next = slot;
    do
        next = (next - 1 + step + 9) % 9 + 1;
    while (!visible[next]);
    return next;
}

} // namespace tessaly
