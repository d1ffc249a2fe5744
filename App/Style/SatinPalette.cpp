#include "Style/SatinPalette.h"

namespace {
constexpr RGB c(double r, double g, double b, double a = 1) {
    return RGB::bytes(r, g, b, a);
}

const PaletteRoles& roles(bool dark) {
    static const PaletteRoles light{
        c(236, 236, 236),   c(29, 29, 31),          c(94, 94, 99),    c(255, 255, 255, 0.92),
        c(55, 112, 95),     c(255, 255, 255, 0.14), c(255, 255, 255), c(29, 29, 31),
        c(110, 110, 115),   c(0, 0, 0, 0.06),       c(242, 193, 78),  c(242, 193, 78),
        c(29, 29, 31, 0.7), c(255, 255, 255),       c(200, 69, 47),   c(255, 255, 255),
        c(242, 193, 78),    c(92, 66, 0),           c(200, 69, 47),   c(255, 255, 255),
        c(255, 255, 255),   c(29, 29, 31),          c(226, 236, 232), c(29, 29, 31),
        c(255, 255, 255),   c(191, 192, 198),       c(29, 29, 31),    c(200, 16, 46),
        c(31, 95, 209),     c(30, 122, 67),         c(47, 125, 109),  c(236, 236, 236),
        c(29, 29, 31),      c(94, 94, 99),
    };
    static const PaletteRoles darkRoles{
        c(30, 30, 30),    c(245, 245, 247),       c(174, 174, 178), c(255, 255, 255, 0.92),
        c(47, 99, 87),    c(255, 255, 255, 0.14), c(36, 41, 43),    c(245, 245, 247),
        c(174, 174, 178), c(255, 255, 255, 0.08), c(242, 193, 78),  c(242, 193, 78),
        c(0, 0, 0, 0.55), c(255, 255, 255),       c(200, 69, 47),   c(255, 255, 255),
        c(242, 193, 78),  c(92, 66, 0),           c(200, 69, 47),   c(255, 255, 255),
        c(245, 245, 247), c(29, 29, 31),          c(28, 53, 48),    c(245, 245, 247),
        c(242, 242, 244), c(156, 157, 163),       c(29, 29, 31),    c(200, 16, 46),
        c(31, 95, 209),   c(30, 122, 67),         c(79, 168, 147),  c(30, 30, 30),
        c(245, 245, 247), c(174, 174, 178),
    };
    return dark ? darkRoles : light;
}
} // namespace

Palette SatinPalette::palette(bool dark, bool increaseContrast) {
    Palette palette = paletteFromRoles(roles(dark));
    if (increaseContrast) {
        palette.values[PaletteToken::feltLine] = c(255, 255, 255, 0.3);
        palette.values[PaletteToken::plateStroke] = dark ? c(245, 245, 247, 0.4) : c(29, 29, 31, 0.4);
    }
    return palette;
}

SatinPalette::Chip SatinPalette::chip(ChipDenomination denomination) {
    const RGB lightInlay = c(247, 245, 239);
    switch (denomination) {
    case ChipDenomination::d25000:
        return {c(88, 183, 224), c(63, 132, 161), lightInlay};
    case ChipDenomination::d5000:
        return {c(201, 76, 138), c(145, 55, 99), lightInlay};
    case ChipDenomination::d1000:
        return {c(227, 168, 59), c(164, 121, 42), lightInlay};
    case ChipDenomination::d500:
        return {c(123, 91, 214), c(88, 65, 154), lightInlay};
    case ChipDenomination::d100:
        return {c(45, 45, 51), c(32, 32, 37), lightInlay};
    case ChipDenomination::d25:
        return {c(58, 111, 208), c(42, 80, 150), lightInlay};
    case ChipDenomination::d5:
        return {c(210, 70, 63), c(151, 50, 45), lightInlay};
    case ChipDenomination::d1:
        return {c(242, 239, 232), c(207, 200, 184), c(58, 111, 208)};
    }
    return {RGB::magenta, RGB::magenta, RGB::magenta};
}

RGB SatinPalette::plateStroke() const {
    return palette(dark, increaseContrast).color(PaletteToken::plateStroke);
}

RGB SatinPalette::accent(bool dark) {
    return dark ? RGB::bytes(10, 132, 255) : RGB::bytes(0, 122, 255);
}
