#include "Table/SeatLayout.h"

#include "PokerEngine/Precondition.h"

namespace SeatLayout {

const std::array<Anchor, slotCount>& anchors() {
    // The top plate sits slightly above the table rectangle.
    static const std::array<Anchor, slotCount> table{{
        {QPointF(0.5, 1.0), QPointF(0.5, 0.83), DealerSide::right},
        {QPointF(0.155, 0.83), QPointF(0.24, 0.62), DealerSide::right},
        {QPointF(0.155, 0.075), QPointF(0.26, 0.2), DealerSide::right},
        {QPointF(0.5, -0.04), QPointF(0.5, 0.1), DealerSide::left},
        {QPointF(0.845, 0.075), QPointF(0.74, 0.2), DealerSide::left},
        {QPointF(0.845, 0.83), QPointF(0.76, 0.62), DealerSide::left},
    }};
    return table;
}

const Anchor& anchor(int slot) {
    CW_PRECONDITION(slot >= 0 && slot < slotCount);
    return anchors()[static_cast<std::size_t>(slot)];
}

std::vector<int> slotsForSeatCount(int seatCount) {
    switch (seatCount) {
    case 3:
        return {0, 2, 4};
    case 4:
        return {0, 1, 3, 5};
    case 5:
        return {0, 1, 2, 4, 5};
    default:
        return seatCount <= 2 ? std::vector<int>{0, 3} : std::vector<int>{0, 1, 2, 3, 4, 5};
    }
}

} // namespace SeatLayout
