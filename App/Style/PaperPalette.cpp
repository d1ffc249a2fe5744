#include "Style/PaperPalette.h"

namespace {
constexpr RGB c(double r, double g, double b, double a = 1) {
    return RGB::bytes(r, g, b, a);
}

const PaletteRoles& roles(bool dark) {
    static const PaletteRoles light{
        c(239, 227, 200),       c(43, 43, 43),    c(107, 74, 52),   c(43, 43, 43),    c(251, 246, 234),
        c(251, 246, 234, 0.45), c(251, 246, 234), c(43, 43, 43),    c(107, 74, 52),   c(216, 201, 168),
        c(225, 167, 48),        c(225, 167, 48),  c(43, 43, 43),    c(251, 246, 234), c(196, 67, 46),
        c(255, 248, 236),       c(43, 43, 43),    c(251, 246, 234), c(196, 67, 46),   c(255, 248, 236),
        c(251, 246, 234),       c(43, 43, 43),    c(196, 67, 46),   c(255, 248, 236), c(251, 246, 234),
        c(216, 201, 168),       c(43, 43, 43),    c(196, 67, 46),   c(47, 111, 168),  c(47, 122, 62),
        c(42, 127, 122),        c(251, 246, 234), c(43, 43, 43),    c(107, 74, 52),
    };
    static const PaletteRoles darkRoles{
        c(30, 36, 51),          c(243, 233, 214), c(169, 160, 142), c(243, 233, 214), c(43, 51, 70),
        c(243, 233, 214, 0.45), c(43, 51, 70),    c(243, 233, 214), c(169, 160, 142), c(22, 27, 39),
        c(232, 182, 76),        c(232, 182, 76),  c(15, 19, 28),    c(243, 233, 214), c(196, 67, 46),
        c(255, 248, 236),       c(15, 19, 28),    c(243, 233, 214), c(196, 67, 46),   c(255, 248, 236),
        c(251, 246, 234),       c(43, 43, 43),    c(196, 67, 46),   c(255, 248, 236), c(251, 246, 234),
        c(185, 174, 152),       c(30, 36, 51),    c(196, 67, 46),   c(47, 111, 168),  c(47, 122, 62),
        c(58, 134, 128),        c(43, 51, 70),    c(243, 233, 214), c(169, 160, 142),
    };
    return dark ? darkRoles : light;
}
} // namespace

Palette PaperPalette::palette(bool dark, bool increaseContrast) {
    Palette palette = paletteFromRoles(roles(dark));
    if (increaseContrast) {
        palette.values[PaletteToken::feltLine] = dark ? c(243, 233, 214) : c(251, 246, 234);
        palette.values[PaletteToken::plateStroke] = dark ? c(243, 233, 214) : c(43, 43, 43);
    }
    return palette;
}

PaperPalette::Chip PaperPalette::chip(ChipDenomination denomination) {
    switch (denomination) {
    case ChipDenomination::d25000:
        return {c(127, 182, 213), c(91, 146, 176)};
    case ChipDenomination::d5000:
        return {c(233, 138, 154), c(192, 106, 121)};
    case ChipDenomination::d1000:
        return {c(225, 167, 48), c(184, 134, 42)};
    case ChipDenomination::d500:
        return {c(122, 78, 126), c(90, 58, 93)};
    case ChipDenomination::d100:
        return {c(43, 43, 43), c(17, 17, 17)};
    case ChipDenomination::d25:
        return {c(42, 127, 122), c(30, 94, 90)};
    case ChipDenomination::d5:
        return {c(224, 83, 61), c(176, 62, 43)};
    case ChipDenomination::d1:
        return {c(251, 246, 234), c(216, 201, 168)};
    }
    return {RGB::magenta, RGB::magenta};
}

std::vector<RGB> PaperPalette::laminate() const {
    if (dark)
        return {c(228, 96, 74), c(58, 67, 88), c(232, 182, 76), c(15, 19, 28)};
    return {c(224, 83, 61), c(251, 246, 234), c(225, 167, 48), c(43, 43, 43)};
}
