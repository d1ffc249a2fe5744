#include "Views/Support/LookPalette.h"

#include "Style/Drawing/Colors.h"

QPalette lookPalette(const SettingsLook::Colours& look) {
    QPalette palette(toQColor(look.controlFace), toQColor(look.window));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::WindowText, toQColor(disabled ? look.disabledText : look.text));
        palette.setColor(group, QPalette::ButtonText,
                         toQColor(disabled ? look.disabledText : look.controlText));
        // A drop-down's list and a check box's box are faced as the controls are.
        palette.setColor(group, QPalette::Base, toQColor(look.controlFace));
        palette.setColor(group, QPalette::AlternateBase, toQColor(look.controlFace));
        palette.setColor(group, QPalette::Text, toQColor(disabled ? look.disabledText : look.controlText));
        palette.setColor(group, QPalette::PlaceholderText, toQColor(look.explanation));
        palette.setColor(group, QPalette::Highlight, toQColor(look.highlight));
        palette.setColor(group, QPalette::HighlightedText, toQColor(look.highlightedText));
    }
    return palette;
}
