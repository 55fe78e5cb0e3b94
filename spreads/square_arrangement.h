#pragma once

#include <array>

namespace tessaly {

// The line of five with its four extra cards forms a 3 x 3 square: line slot
// i (1..9) stands at square position SquarePositionOfLineSlot[i] (positions
// numbered in reading order, 5 the centre). Cards 1..3 run across the middle
// row, cards 4 and 5 stand above and below the centre, and the four extra
// cards (slots 6..9) take the corners.
// The save, both hand-overs between the line and the nine-card window and an
// opened nine-card entry all use this one table.
inline constexpr std::array<int, 10> SquarePositionOfLineSlot = {0, 4, 5, 6, 2, 8, 1, 3, 7, 9};

// The inverse: the line slot shown at square position p.
inline constexpr std::array<int, 10> LineSlotAtSquarePosition = [] {
    std::array<int, 10> inverse{};
    for (int slot = 1; slot <= 9; ++slot)
        inverse[SquarePositionOfLineSlot[slot]] = slot;
    return inverse;
}();

} // namespace tessaly
