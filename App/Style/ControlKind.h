#pragma once

#include <functional>

#include "Style/PixelFont.h"
#include "Style/PixelPalette.h"
#include "Style/TableTheme.h"

// What a text button does, which sets its colours: a raise preset carries whether it is the chosen one.
class ControlKind {
  public:
    enum class Case { fold, call, confirm, secondary, danger, preset };

    static ControlKind fold() { return ControlKind(Case::fold); }
    static ControlKind call() { return ControlKind(Case::call); }
    static ControlKind confirm() { return ControlKind(Case::confirm); }
    static ControlKind secondary() { return ControlKind(Case::secondary); }
    static ControlKind danger() { return ControlKind(Case::danger); }
    static ControlKind preset(bool selected) { return ControlKind(Case::preset, selected); }

    Case kind() const { return case_; }
    bool isPreset() const { return case_ == Case::preset; }
    bool isSelectedPreset() const { return case_ == Case::preset && selected_; }

    bool operator==(const ControlKind&) const = default;

  private:
    explicit ControlKind(Case kind, bool selected = false)
        : case_(kind)
        , selected_(selected) {}
    Case case_;
    bool selected_;
};

template <> struct std::hash<ControlKind> {
    std::size_t operator()(const ControlKind& kind) const noexcept {
        return static_cast<std::size_t>(kind.kind()) * 2 + (kind.isSelectedPreset() ? 1 : 0);
    }
};

// The full-height button and the compact one.
enum class ControlSize { main, small };

// The glyph a text button may show before its title.
enum class ControlIcon { lock, options };

namespace ControlStyle {

// Height of a text button of this size; the action bar and the showdown banner size their rows with it.
double buttonHeight(ControlSize size, const TableTheme& theme);

// The card-stock colours of a paper button.
struct PaperColors {
    RGB face;
    RGB side;
    RGB text;
    bool operator==(const PaperColors&) const = default;
};
PaperColors paperColors(ControlKind kind, bool dark);

// The pixel bevel a kind is drawn with; a chosen preset shines like confirm.
PixelPalette::ButtonKind pixelButtonKind(ControlKind kind);

// Whether a satin button of this kind is glass filled with the accent colour.
bool isProminentInSatin(ControlKind kind);

// The colour of a button's title and icon in the theme's style. A danger button's red reads on its glass
// at 4.5:1, and at 7:1 with increased contrast, on every ground a satin button stands on.
RGB textColor(ControlKind kind, const TableTheme& theme);

// The system symbol drawn for the icon in satin and paper, and its five-by-five pixel glyph.
const char* symbolName(ControlIcon icon);
const PixelGlyph& pixelGlyph(ControlIcon icon);

// How deep a paper button's card stock is, and how far it sinks when pressed.
int paperDepth(ControlSize size);

} // namespace ControlStyle
