#pragma once

#include <QList>
#include <QString>

#include <string>
#include <vector>

// A bitmap glyph: rows top first, "#" a lit pixel and "." an unlit one, all rows one width.
using PixelGlyph = std::vector<std::string>;

// The two faces of the pixel style's bitmap font: capitals-only labels five rows high, and a
// mixed-case text face with descenders.
enum class PixelFontFace { label, text };

namespace PixelFont {

// The glyph drawn for a character; characters the face lacks draw as "?". Label lookups are upper-cased.
const PixelGlyph& glyph(PixelFontFace face, char32_t character);
// How many glyphs the face holds.
std::size_t glyphCount(PixelFontFace face);
// Rows a line of the face takes.
int lineHeight(PixelFontFace face);
// What the face actually draws for a string: labels upper-case it and spell out the halves and quarters.
QString displayed(PixelFontFace face, const QString& string);
// Width in font pixels: each glyph plus a one-pixel gap, a space 3, no gap after the last.
int width(PixelFontFace face, const QString& string);
// The string shortened with a trailing full stop until it fits `maxWidth` font pixels.
QString fitting(PixelFontFace face, const QString& string, int maxWidth);

} // namespace PixelFont

// Suit symbols in three sizes, by suit letter: "s", "h", "d"; anything else is clubs.
namespace PixelSuits {
const PixelGlyph& small(char32_t suitLetter);
const PixelGlyph& large(char32_t suitLetter);
const PixelGlyph& mini(char32_t suitLetter);
} // namespace PixelSuits
