#pragma once

#include <optional>
#include <vector>

#include <QMarginsF>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include "PokerEngine/Card.h"
#include "Style/PixelGeometry.h"
#include "Style/TableStyleID.h"

// The measures of a drawn card and of an empty card place, all derived from the card's size, so the
// card view only paints what these say. 36 points wide is the step from small to large cards.
namespace CardGeometry {

// Cards at least this wide get the centre pip, the deeper edge and the coarser back pattern.
inline constexpr double largeWidth = 36;
bool isLarge(double width);

// Corner radius of satin and paper cards (and of the satin empty place's outline).
double cornerRadius(double width);

// The corner index's font sizes in pixels: shares of the card's width, but never below what reads on a
// small card (the action log's, a ranking's), where the shares alone give a rank 4 pixels high.
double rankFontSize(double width);
double suitFontSize(double width);

// How a card stands off the felt. A satin card shows its edge `satinEdgeDrop` below its face, and the
// two cast one soft shadow; paper's card stock shows its depth and casts a harder shadow, deeper while
// the card is lifted in motion; pixel cards draw their shadow in cells inside their own rectangle.
inline constexpr double satinShadowBlur = 3;
inline constexpr QPointF satinShadowOffset{0.6, 4};
double satinEdgeDrop(double width);
struct PaperDepth {
    double thickness = 0;
    double shadowY = 0;
    double shadowBlur = 0;
};
PaperDepth paperDepth(double width, bool lifted);
// How far a card's drawing (its edge and its shadow) reaches past the card's rectangle on each side.
QMarginsF drawnReach(TableStyleID style, double width, bool lifted);

// The index text: "10" for a ten, else the rank letter.
QString rankText(PokerEngine::Rank rank);
// The black suit character with the text-presentation selector, so no font shows it as an emoji.
QString suitText(PokerEngine::Suit suit);
// What a screen reader says: the card's name, or that it lies face down.
QString spokenName(const std::optional<PokerEngine::Card>& card);

// The dotted diagonal lattice on a satin back's inset panel of `panel` size.
struct BackDots {
    double diameter = 0;
    double pitch = 0;
    std::vector<QPointF> centres;
};
BackDots satinBackDots(QSizeF panel, double cardWidth);
// How far the satin back's panel is inset from the card's edge.
double satinBackInset(double cardWidth);

// The three face layouts of a pixel card by the body's width in cells.
enum class PixelLayout { mini, medium, large };
PixelLayout pixelLayout(int bodyColumns);

// A pixel card as cell rectangles on its grid of `unit`-point cells, each list filled in one colour.
struct PixelCard {
    int columns = 0;
    int rows = 0;
    std::vector<CellRect> shadow;
    std::vector<CellRect> edge;
    std::vector<CellRect> inner;
    // Face down: the darker squares of the back's checkerboard.
    std::vector<CellRect> checkers;
    // Face up: the rank label and every suit glyph, all in the suit colour.
    std::vector<CellRect> ink;
};
// Nothing when the unit is below one point or the size is not finite.
PixelCard pixelCard(QSizeF size, double unit, const std::optional<PokerEngine::Card>& card);

// The dotted one-cell outline of an empty pixel card place.
std::vector<CellRect> pixelSlot(QSizeF size, double unit);

} // namespace CardGeometry
