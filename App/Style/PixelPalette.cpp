#include "Style/PixelPalette.h"

namespace {
constexpr RGB c(double r, double g, double b, double a = 1) {
    return RGB::bytes(r, g, b, a);
}

const PaletteRoles& roles(bool dark) {
    static const PaletteRoles light{
        c(242, 230, 204), c(43, 30, 52),    c(107, 90, 112), c(244, 228, 193), c(43, 30, 52),
        c(86, 178, 146),  c(255, 248, 231), c(43, 30, 52),   c(107, 90, 112),  c(43, 30, 52, 0),
        c(242, 181, 68),  c(242, 181, 68),  c(43, 30, 52),   c(244, 228, 193), c(198, 53, 46),
        c(255, 248, 231), c(242, 181, 68),  c(43, 30, 52),   c(198, 53, 46),   c(255, 248, 231),
        c(255, 248, 231), c(43, 30, 52),    c(43, 30, 52),   c(242, 181, 68),  c(255, 248, 231),
        c(18, 50, 47),    c(27, 20, 35),    c(198, 53, 46),  c(44, 93, 184),   c(35, 121, 74),
        c(242, 181, 68),  c(255, 248, 231), c(43, 30, 52),   c(107, 90, 112),
    };
    static const PaletteRoles darkRoles{
        c(43, 30, 52),    c(244, 228, 193), c(180, 159, 188), c(244, 228, 193), c(27, 20, 35),
        c(70, 160, 131),  c(244, 228, 193), c(27, 20, 35),    c(107, 90, 112),  c(27, 20, 35, 0),
        c(242, 181, 68),  c(242, 181, 68),  c(27, 20, 35),    c(244, 228, 193), c(198, 53, 46),
        c(255, 248, 231), c(242, 181, 68),  c(27, 20, 35),    c(198, 53, 46),   c(255, 248, 231),
        c(255, 248, 231), c(27, 20, 35),    c(27, 20, 35),    c(242, 181, 68),  c(255, 248, 231),
        c(15, 42, 40),    c(27, 20, 35),    c(198, 53, 46),   c(44, 93, 184),   c(35, 121, 74),
        c(242, 181, 68),  c(62, 44, 74),    c(244, 228, 193), c(180, 159, 188),
    };
    return dark ? darkRoles : light;
}
} // namespace

Palette PixelPalette::palette(bool dark, bool increaseContrast) {
    Palette palette = paletteFromRoles(roles(dark));
    if (increaseContrast) {
        // The secondary ink moves 40 % of the way toward the primary ink.
        const RGB strongerDim = dark ? c(205.6, 186.6, 190) : c(81.4, 66, 88);
        palette.values[PaletteToken::ink2] = strongerDim;
        palette.values[PaletteToken::panelText2] = strongerDim;
        palette.values[PaletteToken::plateStroke] = RGB::black;
    }
    return palette;
}

PixelPalette::Chip PixelPalette::chip(ChipDenomination denomination) {
    const RGB creamInlay = cream();
    switch (denomination) {
    case ChipDenomination::d25000:
        return {c(95, 193, 224), c(58, 138, 166), creamInlay};
    case ChipDenomination::d5000:
        return {c(224, 103, 154), c(168, 69, 110), creamInlay};
    case ChipDenomination::d1000:
        return {c(242, 181, 68), c(185, 127, 31), creamInlay};
    case ChipDenomination::d500:
        return {c(138, 92, 200), c(94, 61, 146), creamInlay};
    case ChipDenomination::d100:
        return {c(58, 39, 69), c(27, 20, 35), creamInlay};
    case ChipDenomination::d25:
        return {c(47, 98, 192), c(31, 69, 144), creamInlay};
    case ChipDenomination::d5:
        return {c(217, 66, 59), c(158, 42, 36), creamInlay};
    case ChipDenomination::d1:
        return {c(255, 248, 231), c(201, 180, 138), c(47, 98, 192)};
    }
    return {RGB::magenta, RGB::magenta, RGB::magenta};
}

std::vector<RGB> PixelPalette::felt() const {
    if (dark)
        return {c(70, 160, 131), c(58, 138, 114), c(42, 111, 99), c(30, 77, 74), c(22, 59, 57)};
    return {c(86, 178, 146), c(71, 156, 128), c(53, 131, 113), c(40, 101, 92), c(30, 78, 73)};
}

std::vector<RGB> PixelPalette::rail() const {
    if (dark)
        return {c(184, 118, 74), c(138, 84, 54), c(92, 53, 36)};
    return {c(192, 128, 80), c(148, 96, 62), c(101, 59, 39)};
}

PixelPalette::Bevel PixelPalette::bevel(ButtonKind kind) const {
    switch (kind) {
    case ButtonKind::fold:
        return {c(90, 61, 92), c(122, 90, 124), c(58, 39, 69), dark ? c(244, 228, 193) : c(255, 248, 231)};
    case ButtonKind::call:
        return {c(47, 98, 192), c(92, 143, 232), c(31, 69, 144), c(255, 248, 231)};
    case ButtonKind::confirm:
    case ButtonKind::selected:
        return {c(242, 181, 68), c(255, 213, 122), c(185, 127, 31), dark ? c(27, 20, 35) : c(43, 30, 52)};
    case ButtonKind::secondary:
        if (dark)
            return {c(62, 44, 74), c(86, 64, 95), c(43, 30, 52), c(244, 228, 193)};
        return {c(255, 248, 231), c(255, 255, 255), c(217, 196, 156), c(43, 30, 52)};
    case ButtonKind::danger:
        return {c(184, 50, 43), c(224, 86, 76), c(126, 31, 26), c(255, 248, 231)};
    }
    return {RGB::magenta, RGB::magenta, RGB::magenta, RGB::magenta};
}

RGB PixelPalette::dim() const {
    return palette(dark, increaseContrast).color(PaletteToken::ink2);
}

RGB PixelPalette::outline() const {
    return increaseContrast ? RGB::black : darkInk();
}

RGB PixelPalette::darkInk() const {
    return dark ? c(27, 20, 35) : c(43, 30, 52);
}

RGB PixelPalette::cream() {
    return c(255, 248, 231);
}
