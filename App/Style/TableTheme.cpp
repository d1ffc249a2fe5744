#include "Style/TableTheme.h"

#include "Style/PaperPalette.h"
#include "Style/PixelPalette.h"
#include "Style/SatinPalette.h"

TableTheme TableTheme::standard() {
    return drawnIn(TableStyleID::satin, TableSurface::popover, 2, AppearanceFlags{}, false);
}

TableTheme TableTheme::make(TableStyleID storedStyle, TableSurface surface, double pixelUnit,
                            AppearanceFlags appearance, bool fourColorDeck) {
    return drawnIn(offeredOrSatin(storedStyle), surface, pixelUnit, appearance, fourColorDeck);
}

TableTheme TableTheme::drawnIn(TableStyleID style, TableSurface surface, double pixelUnit,
                               AppearanceFlags appearance, bool fourColorDeck) {
    TableTheme theme;
    theme.style = style;
    theme.surface = surface;
    theme.dark = appearance.dark;
    theme.increaseContrast = appearance.increaseContrast;
    theme.reduceMotion = appearance.reduceMotion;
    theme.fourColorDeck = fourColorDeck;
    theme.pixelUnit = pixelUnit;
    theme.palette = paletteFor(style, appearance.dark, appearance.increaseContrast);
    return theme;
}

Palette TableTheme::paletteFor(TableStyleID style, bool dark, bool increaseContrast) {
    switch (style) {
    case TableStyleID::satin:
        return SatinPalette::palette(dark, increaseContrast);
    case TableStyleID::paper:
        return PaperPalette::palette(dark, increaseContrast);
    case TableStyleID::pixel:
        return PixelPalette::palette(dark, increaseContrast);
    }
    return SatinPalette::palette(dark, increaseContrast);
}

FontSpec TableTheme::font(TextRole role) const {
    FontSpec face;
    face.pixelSize = textSize(role, surface);
    face.systemWeight = systemWeight(role);
    face.paperFace = style == TableStyleID::paper;
    face.paperWeight = paperWeight(role);
    face.monospacedDigits = usesMonospacedDigits(role);
    return face;
}

RGB TableTheme::suitColor(PokerEngine::Suit suit) const {
    using PokerEngine::Suit;
    switch (suit) {
    case Suit::clubs:
        return color(fourColorDeck ? PaletteToken::suitClubFour : PaletteToken::suitBlack);
    case Suit::diamonds:
        return color(fourColorDeck ? PaletteToken::suitDiamondFour : PaletteToken::suitRed);
    case Suit::hearts:
        return color(PaletteToken::suitRed);
    case Suit::spades:
        return color(PaletteToken::suitBlack);
    }
    return RGB::magenta;
}

PixelTextStyle TableTheme::pixelText(TextRole role) const {
    switch (role) {
    case TextRole::log:
    case TextRole::showdownAward:
    case TextRole::body:
    case TextRole::caption:
        return {PixelFontFace::text, surface == TableSurface::window ? 2.0 : 1.0};
    case TextRole::pot:
    case TextRole::showdownHand:
    case TextRole::title:
        return {PixelFontFace::label, 2 * pixelUnit};
    case TextRole::display:
        return {PixelFontFace::label, 3 * pixelUnit};
    default:
        return {PixelFontFace::label, pixelUnit};
    }
}
