#include "Style/ControlKind.h"

#include "Style/Contrast.h"
#include "Style/LabelColors.h"
#include "Style/Ornaments.h"
#include "Style/SatinGlass.h"

namespace ControlStyle {

double buttonHeight(ControlSize size, const TableTheme& theme) {
    const bool window = theme.surface == TableSurface::window;
    if (theme.style == TableStyleID::pixel) {
        const double cells = size == ControlSize::main ? (window ? 14 : 18) : (window ? 10 : 12);
        return cells * theme.pixelUnit;
    }
    if (size == ControlSize::main)
        return window ? 38 : 32;
    return window ? 26 : 22;
}

PaperColors paperColors(ControlKind kind, bool dark) {
    const auto c = [](double r, double g, double b) { return RGB::bytes(r, g, b); };
    switch (kind.kind()) {
    case ControlKind::Case::preset:
        if (kind.isSelectedPreset())
            return dark ? PaperColors{c(232, 182, 76), c(185, 142, 54), c(43, 43, 43)}
                        : PaperColors{c(225, 167, 48), c(184, 134, 42), c(43, 43, 43)};
        [[fallthrough]];
    case ControlKind::Case::secondary:
        return dark ? PaperColors{c(43, 51, 70), c(22, 27, 39), c(243, 233, 214)}
                    : PaperColors{c(251, 246, 234), c(216, 201, 168), c(43, 43, 43)};
    case ControlKind::Case::fold:
        return dark ? PaperColors{c(15, 19, 28), c(0, 0, 0), c(243, 233, 214)}
                    : PaperColors{c(43, 43, 43), c(17, 17, 17), c(251, 246, 234)};
    case ControlKind::Case::call:
        return dark ? PaperColors{c(42, 113, 109), c(27, 78, 75), c(255, 248, 236)}
                    : PaperColors{c(38, 117, 112), c(27, 85, 82), c(255, 248, 236)};
    case ControlKind::Case::confirm:
    case ControlKind::Case::danger:
        return dark ? PaperColors{c(196, 67, 46), c(142, 48, 32), c(255, 248, 236)}
                    : PaperColors{c(196, 67, 46), c(150, 51, 34), c(255, 248, 236)};
    }
    return {RGB::magenta, RGB::magenta, RGB::magenta};
}

PixelPalette::ButtonKind pixelButtonKind(ControlKind kind) {
    using B = PixelPalette::ButtonKind;
    switch (kind.kind()) {
    case ControlKind::Case::fold:
        return B::fold;
    case ControlKind::Case::call:
        return B::call;
    case ControlKind::Case::confirm:
        return B::confirm;
    case ControlKind::Case::secondary:
        return B::secondary;
    case ControlKind::Case::danger:
        return B::danger;
    case ControlKind::Case::preset:
        return kind.isSelectedPreset() ? B::selected : B::secondary;
    }
    return B::secondary;
}

bool isProminentInSatin(ControlKind kind) {
    return kind.kind() == ControlKind::Case::confirm || kind.isSelectedPreset();
}

namespace {

// The desktop's red for a destructive action, deepened (light) or lifted (dark) only as far as it takes
// to read on both ends of the glass's gradient laid on the window and on a panel, the two grounds a
// satin button stands on.
RGB satinDanger(const TableTheme& theme) {
    const bool dark = theme.dark;
    const double wanted = theme.increaseContrast ? Contrast::enhancedText : Contrast::text;
    RGB red = dark ? RGB::bytes(255, 69, 58) : RGB::bytes(255, 59, 48);
    for (const RGB& ground : {LabelColors::window(dark), SatinPanelColors::fill(dark)})
        for (const RGB& glass : {SatinGlass::top(dark), SatinGlass::bottom(dark)})
            red = Contrast::readable(red, Contrast::over(glass, ground), dark ? RGB::white : RGB::black,
                                     wanted);
    return red;
}

} // namespace

RGB textColor(ControlKind kind, const TableTheme& theme) {
    if (theme.style == TableStyleID::satin) {
        if (isProminentInSatin(kind))
            return RGB::white;
        if (kind.kind() == ControlKind::Case::danger)
            return satinDanger(theme);
        return theme.color(PaletteToken::ink);
    }
    if (theme.style == TableStyleID::pixel)
        return PixelPalette{theme.dark, theme.increaseContrast}.bevel(pixelButtonKind(kind)).text;
    return paperColors(kind, theme.dark).text;
}

const char* symbolName(ControlIcon icon) {
    return icon == ControlIcon::lock ? "lock.fill" : "slider.horizontal.3";
}

const PixelGlyph& pixelGlyph(ControlIcon icon) {
    static const PixelGlyph lock{".###.", ".#.#.", "#####", "##.##", "#####"};
    static const PixelGlyph options{"#.###", ".....", "###.#", ".....", "#.###"};
    return icon == ControlIcon::lock ? lock : options;
}

int paperDepth(ControlSize size) {
    return size == ControlSize::main ? 4 : 3;
}

} // namespace ControlStyle
