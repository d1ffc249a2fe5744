#pragma once

#include "PokerEngine/Suit.h"
#include "Style/Palette.h"
#include "Style/PixelFont.h"
#include "Style/TableStyleID.h"
#include "Style/TableSurface.h"
#include "Style/TextRole.h"

// What the desktop says about how things should look; see Style/Drawing/SystemAppearance.h.
struct AppearanceFlags {
    bool dark = false;
    bool increaseContrast = false;
    bool reduceMotion = false;
    bool operator==(const AppearanceFlags&) const = default;
};

// Everything a font needs, decided without a display; Style/Drawing/ThemeFonts.h makes the QFont.
struct FontSpec {
    double pixelSize = 13;
    FontWeight systemWeight = FontWeight::regular;
    // Set in the paper style: the paper typeface at this weight-axis value (or its rounded fallback).
    bool paperFace = false;
    double paperWeight = 500;
    bool monospacedDigits = false;
    bool operator==(const FontSpec&) const = default;
};

// How the pixel style sets a text role: which bitmap face, and how many points one font pixel takes.
struct PixelTextStyle {
    PixelFontFace face = PixelFontFace::label;
    double pixel = 2;
    bool operator==(const PixelTextStyle&) const = default;
};

// The look every drawing view reads. Views receive it from their owner; nothing reads it globally.
struct TableTheme {
    TableStyleID style = TableStyleID::satin;
    TableSurface surface = TableSurface::popover;
    bool dark = false;
    bool increaseContrast = false;
    bool reduceMotion = false;
    bool fourColorDeck = false;
    // Points per cell of the pixel style.
    double pixelUnit = 2;
    Palette palette;

    // The theme of a view shown outside any root: satin, popover, light, pixel unit 2.
    static TableTheme standard();

    // How the roots build a theme: a stored style that is not offered draws as satin.
    static TableTheme make(TableStyleID storedStyle, TableSurface surface, double pixelUnit,
                           AppearanceFlags appearance, bool fourColorDeck);

    // The same flags drawn in another style, whether offered or not. The gallery and previews use it
    // to show paper and pixel, which players cannot choose.
    static TableTheme drawnIn(TableStyleID style, TableSurface surface, double pixelUnit,
                              AppearanceFlags appearance, bool fourColorDeck = false);

    // The palette a style uses for an appearance.
    static Palette paletteFor(TableStyleID style, bool dark, bool increaseContrast);

    RGB color(PaletteToken token) const { return palette.color(token); }
    FontSpec font(TextRole role) const;
    // Spades and clubs black, hearts and diamonds red; the four-colour deck gives clubs and diamonds their
    // own.
    RGB suitColor(PokerEngine::Suit suit) const;
    // The bitmap face and font-pixel size of a role in the pixel style.
    PixelTextStyle pixelText(TextRole role) const;
};
