#pragma once

#include "Style/TableTheme.h"
#include "Table/Screen/NameplateModel.h"
#include "Table/SeatModel.h"

#include <QPointF>

class QPainter;

// Paints one seat's plate, centred on `center`, in the theme's style: the plate, its ring, the avatar,
// the name and stack, and the tags hung off its edges. `ring` is the ring's opacity (0 to 1).
void paintNameplate(QPainter& painter, QPointF center, const NameplateModel& plate, const SeatModel& seat,
                    const TableTheme& theme, double ring);
