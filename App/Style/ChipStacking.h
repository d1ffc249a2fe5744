#pragma once

#include "Style/ChipDenomination.h"

#include <cstdint>
#include <vector>

// One column of chips of one denomination in a drawn stack.
struct ChipColumn {
    ChipDenomination denomination = ChipDenomination::d1;
    // At least 1.
    int count = 1;
    bool operator==(const ChipColumn&) const = default;
};

// A single chip to draw, of a denomination and a diameter in points. The painted chip itself is the
// ChipFace widget of the shared controls.
struct DrawnChip {
    ChipDenomination denomination = ChipDenomination::d1;
    double diameter = 0;
    bool operator==(const DrawnChip&) const = default;
};

namespace ChipStacking {

// An amount as columns of chips, largest denominations first, each column at most `perColumn` high and
// at most `maxColumns` columns (the smallest chips are the ones left out). Nothing for an amount below
// 1. `perColumn` and `maxColumns` below 1 stop the program.
std::vector<ChipColumn> columns(std::int64_t amount, int perColumn, int maxColumns);

} // namespace ChipStacking
