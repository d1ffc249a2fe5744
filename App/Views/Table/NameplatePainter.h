#pragma once

#include "Style/TableTheme.h"
#include "Table/Screen/NameplateModel.h"
#include "Table/SeatModel.h"

#include <QPointF>

class QPainter;

// How far a plate's changes have come: the ring's and the "Your turn" tag's opacity (0 to 1), the
// opacity of the avatar and words, and a stack rolling from `rolledFrom` (`roll` 1 once it has).
struct NameplateFades {
    double ring = 0;
    double turnTag = 0;
    double content = 1;
    std::int64_t rolledFrom = 0;
    double roll = 1;
};

// Paints one seat's plate, centred on `center`, in the theme's style: the plate, its ring, the avatar,
// the name and stack, and the tags hung off its edges.
void paintNameplate(QPainter& painter, QPointF center, const NameplateModel& plate, const SeatModel& seat,
                    const TableTheme& theme, const NameplateFades& fades);
