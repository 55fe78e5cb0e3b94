#pragma once

#include "catalogue/catalogue.h"

#include <array>

namespace tessaly {

// Brings any sum of cards back into 1..36: a remainder modulo 36, with 0 (and
// so every multiple of 36) giving 36.
constexpr CardNumber countOut(int v)
{
    if (v > 36)
        v %= 36;
    return v == 0 ? 36 : v;
}

// Slots 1..10 of the daily pyramid, index 0 for slot 1.
using PyramidSlots = std::array<CardNumber, 10>;

// Counts slots 4..10 from slots 1..3, each from values already final. Leaves
// the slots as they are unless all three chosen slots hold a card.
bool RecountPyramid(PyramidSlots &slots);

// The slots of the triangle of six (1, 2, 3, 5, 6, 8), index 0 for slot 1.
constexpr std::array<int, 6> TriangleSlots = {0, 1, 2, 4, 5, 7};

// countOut of the cards each slot last drew; the triangle sums only its six.
CardNumber RecountMagicCard(const PyramidSlots &drawn, bool triangle);

} // namespace tessaly
