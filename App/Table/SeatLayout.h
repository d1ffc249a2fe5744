#pragma once

#include <QPointF>

#include <array>
#include <vector>

// The six places round the table. Slot 0 is the player, bottom centre; the others go clockwise round
// the screen: 1 lower left, 2 upper left, 3 top centre, 4 upper right, 5 lower right.
namespace SeatLayout {

enum class DealerSide { left, right };

// Where a slot's plate and street bet sit, as fractions of the table rectangle, and on which side of
// the plate the dealer button goes.
struct Anchor {
    QPointF plate;
    QPointF bet;
    DealerSide dealerSide = DealerSide::right;
};

inline constexpr int slotCount = 6;
// The top centre slot, whose plate stands over the board's middle.
inline constexpr int topSlot = 3;

const std::array<Anchor, slotCount>& anchors();
// The anchor of a slot; a slot outside 0...5 stops the program.
const Anchor& anchor(int slot);

// The slots a table of `seatCount` seats uses, in seat order from the player (2 or fewer use the
// heads-up pair, 6 or more all six).
std::vector<int> slotsForSeatCount(int seatCount);

} // namespace SeatLayout
