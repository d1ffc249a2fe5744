#pragma once

#include <vector>

#include "Style/ChipDenomination.h"
#include "Style/Palette.h"

// The pixel style's colours: a small fixed set of inks, felts and bevels.
struct PixelPalette {
    bool dark = false;
    bool increaseContrast = false;

    using Chip = InlaidChipColors;

    // The four colours of a bevelled pixel button.
    struct Bevel {
        RGB fill;
        RGB highlight;
        RGB shadow;
        RGB text;
        bool operator==(const Bevel&) const = default;
    };

    enum class ButtonKind { fold, call, confirm, secondary, selected, danger };

    static Palette palette(bool dark, bool increaseContrast);
    static Chip chip(ChipDenomination denomination);

    // Five felt shades, lightest first.
    std::vector<RGB> felt() const;
    // Three rail shades, lightest first.
    std::vector<RGB> rail() const;
    Bevel bevel(ButtonKind kind) const;
    // The dimmed ink, the same as the palette's ink2 for these flags.
    RGB dim() const;

    // The dark outline every pixel drawing is edged with: black when contrast is increased.
    RGB outline() const;
    // The plain dark ink of the style (43, 30, 52 light; 27, 20, 35 dark), whatever the contrast.
    RGB darkInk() const;
    // The cream of faces and light text.
    static RGB cream();
};
