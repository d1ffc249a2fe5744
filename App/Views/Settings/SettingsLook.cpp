#include "Views/Settings/SettingsLook.h"

#include "Style/Contrast.h"
#include "Style/LabelColors.h"
#include "Style/SatinGlass.h"
#include "Style/SatinPalette.h"
#include "Views/Settings/SettingsRules.h"

namespace SettingsLook {

TableTheme theme(AppearanceFlags appearance) {
    return TableTheme::drawnIn(TableStyleID::satin, TableSurface::popover, 2, appearance);
}

Colours colours(const TableTheme& theme) {
    const bool dark = theme.dark;
    Colours look;
    look.window = LabelColors::window(dark);
    look.text = Contrast::over(LabelColors::primary(dark), look.window);
    look.section = look.window.mixed(look.text, 0.03);
    const double text = theme.increaseContrast ? Contrast::enhancedText : Contrast::text;
    look.explanation = SettingsRules::explanationColour(look.text, look.section, text);
    look.problem = SettingsRules::problemColour(look.text, look.section, text);
    look.controlEdge = SettingsRules::controlEdgeColour(
        look.text, look.section, theme.increaseContrast ? Contrast::text : Contrast::boundary);
    look.controlFace = SatinGlass::face(dark, look.window);
    look.controlText = Contrast::over(theme.color(PaletteToken::ink), look.controlFace);
    look.highlightedText = RGB::white;
    // The accent darkened only as far as white reads on it.
    look.highlight = Contrast::readable(SatinPalette::accent(dark), RGB::white, RGB::black);
    // Faded toward the face, but still legible: a greyed control must say what it is.
    look.disabledText =
        Contrast::readable(look.controlText.mixed(look.controlFace, 0.6), look.controlFace, look.controlText);
    return look;
}

} // namespace SettingsLook
