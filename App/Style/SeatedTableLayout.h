#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

#include "BotKit/BotProfile.h"
#include "Style/AvatarModel.h"
#include "Style/TableStyleID.h"

// Where a miniature table puts its felt, its five opponents and the player, decided without a display.
namespace SeatedTableLayout {

// The felt's proportions as fractions of the picture: its width, the most of the height it may take,
// and its top edge.
struct Shape {
    double width = 0.46;
    double height = 0.36;
    double top = 0.34;
    bool operator==(const Shape&) const = default;
};

inline constexpr int seats = 5;
// Opponent i sits at slot order[i]: the far centre first, then the far left, far right, left end, right end.
inline constexpr std::array<int, seats> order{2, 1, 3, 0, 4};

// The felt, centred across and never taller than a third of its width; whole pixel units in pixel.
QRectF tableRect(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit);
// The centre of seat `index` (0 to 4, in seating order) around `table`.
QPointF seatCentre(int index, const QRectF& table);
// A seat above the felt (the far side) has its name over the disc; the ends have it beside.
bool isAboveFelt(int index);
// A far seat sits behind the felt only where its disc, `diameter` across, stands clear of it; on a felt
// too flat for that it sits in front, so every disc shows whole.
bool isBehindFelt(int index, const QRectF& table, double diameter);
// The player's disc centre: just below the felt's near edge, never closer than 4 to the bottom.
QPointF heroCentre(QSizeF size, const QRectF& table, double diameter);
// The new-game sheet's preview: a felt a third as high as wide, or, on the popover's short picture,
// a flatter one set higher, so the far seats' names keep apart and the end seats clear the stepper in
// the corner below them.
Shape sheetPreviewShape(QSizeF picture);
// Where each seat's name is written, at most the longest cast name wide: over the far seats' discs,
// beside the end seats'.
std::vector<QRectF> nameAreas(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit,
                              double diameter);
// What the miniature covers in a picture of `size` with discs `diameter` across: the felt, each seat's
// disc and name, and the player's disc.
std::vector<QRectF> covered(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit,
                            double diameter);
// The width to leave free at the picture's leading edge, the miniature laid out in the rest, so that
// nothing it covers comes within `gap` of `control` (a control laid over the picture): 0 when the
// miniature is clear of it already, and never more than half the picture.
double leadingRoom(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit, double diameter,
                   const QRectF& control, double gap = 4);
// "At the table: Biscuit, Goldie and you", or "Table preview" without opponents.
QString accessibleName(const std::vector<BotKit::BotProfile>& players);
// A bot's disc: its initial on the cast colour, grey for a slug the cast has no colour for.
AvatarModel avatar(const BotKit::BotProfile& profile);

} // namespace SeatedTableLayout
