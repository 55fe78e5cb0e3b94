#pragma once

#include <QString>

#include <array>
#include <optional>

namespace tessaly {

// Slots of the nine-card square are numbered 1..9 in reading order (5 the
// centre); arrays below are indexed by slot, entry 0 unused.
// The position (1..9) that lies in each slot; 0 marks a hidden slot.
using NineSlotMap = std::array<int, 10>;
// The nine entry texts, by slot.
using NineTexts = std::array<QString, 10>;
using NineSlotFlags = std::array<bool, 10>;

// Orders A..K are indexes 1..11; the cross offers only A..G.
constexpr int NineOrderCount = 11;
constexpr int CrossOrderCount = 7;
constexpr int OrderF = 6;
constexpr int OrderG = 7;
constexpr int OrderI = 9;

struct NineCardOrder
{
    QChar letter;
    NineSlotMap square;
    QString label;
    // Only A..G: the five positions of the cross, 0 in the hidden slots.
    std::optional<NineSlotMap> cross;
    QString crossLabel;
    // The hints a step to this order sets, five lines joined by CR.
    QString squareHint;
    QString crossHint;
};

// Entry i - 1 is order i.
extern const std::array<NineCardOrder, NineOrderCount> NineCardOrders;
const NineCardOrder &NineCardOrderAt(int index);

// "Volgorde A" .. "Volgorde K".
QString OrderCaption(int index);

// F and G show the cross as a saltire (the corners and the centre).
constexpr bool IsSaltireOrder(int index)
{
    return index == OrderF || index == OrderG;
}

// The index after a step: the square runs A..K, the cross A..G, both back to A.
int NextOrderIndex(int index, bool cross);

// The slot-to-position map of the cross: the square's map, except that order
// E keeps its four hidden corner cards as positions 8, 7, 6, 9.
const NineSlotMap &CrossArrangement(int index);
// The map the cards move by: CrossArrangement with the cross on, else the square.
const NineSlotMap &SlotPositions(int index, bool cross);
int PositionOfSlot(int index, bool cross, int slot);
int SlotOfPosition(int index, bool cross, int position);

// Moves the texts so every card keeps its position from order `from` in order
// `to`; empty and hidden slots move like the others.
NineTexts MoveTexts(const NineTexts &texts, int from, int to, bool cross);

struct NineOrderStep
{
    int index;
    NineTexts texts;
};
// One press of "Volgorde": the next order and the texts moved into it.
NineOrderStep NextOrder(int index, bool cross, const NineTexts &texts);

// The hint a step into `index` sets (the cross hints for A..G with the cross on).
QString StepHint(int index, bool cross);
// The hint shown when the cross is toggled; nullopt where it stays as it is
// (the cross in H..K).
std::optional<QString> ToggleHint(int index, bool cross);

// Hints of the resets to A: clear, window show, and an opened list entry.
extern const QString ResetHintSquare;
extern const QString ResetHintCross;
extern const QString OpenedEntryHint;

// Order I's titles: one word per slot.
extern const std::array<QString, 10> FengShuiWords;

// Slots shown: all nine, the plus (2, 4, 5, 6, 8) or the saltire (1, 3, 5, 7, 9).
NineSlotFlags VisibleSlots(bool cross, int index);
// The visible slot after `slot` (step +1) or before it (step -1), round 9..1.
int NextVisibleSlot(int slot, int step, bool cross, int index);

} // namespace tessaly
