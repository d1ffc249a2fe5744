#pragma once

#include <QFont>

#include "Style/TableTheme.h"

// Fonts from the style's rules. Sizes are pixels: a size in points is drawn as that many logical pixels.
namespace ThemeFonts {

// The family every system-font text uses: Lato, which has the five weights the roles ask for (regular,
// medium, semibold, bold, heavy) and digits of one width, so amounts do not jiggle.
QString systemFamily();
// Where a character is missing from it (the card suits ♠♥♦♣ among them), or the family itself is
// missing, text falls back to DejaVu Sans, glyph by glyph.
QString fallbackFamily();
// The system font at a pixel size and weight.
QFont system(double pixelSize, FontWeight weight);
// The system family alone, for the desktop's own controls the game shows (the window's toolbar): their
// text is the game's, in the size and weight the desktop gives them, which this font leaves unset.
QFont typeface();
// The font of a text role in the theme's style and surface: the paper typeface (or its fallback) in
// paper, the system font otherwise.
QFont font(const TableTheme& theme, TextRole role);
QFont font(const FontSpec& face);
QFont::Weight qtWeight(FontWeight weight);

} // namespace ThemeFonts
