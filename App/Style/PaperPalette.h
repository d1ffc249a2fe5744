#pragma once

#include <vector>

#include "Style/ChipDenomination.h"
#include "Style/Palette.h"

// The paper style's colours: card stock, ink and laminate.
struct PaperPalette {
    bool dark = false;
    bool increaseContrast = false;

    struct Chip {
        RGB top;
        RGB side;
        bool operator==(const Chip&) const = default;
    };

    static Palette palette(bool dark, bool increaseContrast);
    static Chip chip(ChipDenomination denomination);
    // The four laminate colours of the paper felt.
    std::vector<RGB> laminate() const;
};
