#pragma once

#include <unordered_map>

#include "Style/PaletteToken.h"
#include "Style/RGB.h"

// The colours of one style for one appearance, by role.
struct Palette {
    std::unordered_map<PaletteToken, RGB> values;

    // A role the table lacks draws magenta rather than failing, so the gap shows on screen.
    RGB color(PaletteToken token) const {
        auto found = values.find(token);
        return found == values.end() ? RGB::magenta : found->second;
    }

    bool operator==(const Palette&) const = default;
};

// A chip's face, its edge and the ring inlaid in its face.
struct InlaidChipColors {
    RGB top;
    RGB side;
    RGB inlay;
    bool operator==(const InlaidChipColors&) const = default;
};

// The roles of a palette, in token order; the palette builders write their tables this way.
using PaletteRoles = std::array<RGB, paletteTokenCount>;

inline Palette paletteFromRoles(const PaletteRoles& roles) {
    Palette palette;
    for (PaletteToken token : allPaletteTokens())
        palette.values.emplace(token, roles[static_cast<std::size_t>(token)]);
    return palette;
}
