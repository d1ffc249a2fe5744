#pragma once

#include "Style/ChipDenomination.h"
#include "Style/Palette.h"

// The satin style's colours: the style in use.
struct SatinPalette {
    bool dark = false;
    bool increaseContrast = false;

    using Chip = InlaidChipColors;

    static Palette palette(bool dark, bool increaseContrast);
    // Chip colours do not change with the appearance.
    static Chip chip(ChipDenomination denomination);
    // The nameplate outline, the same as the palette's plateStroke for these flags.
    RGB plateStroke() const;
    // The desktop's accent blue: prominent glass buttons and the border of a chosen satin panel.
    static RGB accent(bool dark);
};
