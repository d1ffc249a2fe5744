#pragma once

#include "Style/TableStyleID.h"
#include "Style/TableSurface.h"

#include <QSizeF>

// The drawing sizes of one surface and style: cards, plates, avatars, dealer button, rail and chips.
struct TableMetrics {
    TableSurface surface = TableSurface::popover;
    QSizeF boardCard;
    QSizeF heroCard;
    QSizeF botCard;
    double botCardRadius = 0;
    double boardGap = 0;
    // How far a bot's face-down card sticks out above its plate.
    double botCardPeek = 0;
    QSizeF plate;
    double avatar = 0;
    double dealerButton = 0;
    double railWidth = 0;
    double chipDiameter = 0;
    double chipPitch = 0;
    double chipColumnGap = 0;
    int chipsPerColumn = 0;
    int chipColumns = 0;

    bool operator==(const TableMetrics&) const = default;

    // The pixel style: every size a whole number of pixels of side `unit` (2 in the popover, 2 or 3
    // in the window).
    static TableMetrics pixel(double unit, TableSurface surface);
    // Satin and paper in the table window.
    static TableMetrics satinWindow();
    // Satin and paper in the popover.
    static TableMetrics satinPopover();
};
