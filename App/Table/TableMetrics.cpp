#include "Table/TableMetrics.h"

#include "Style/DealerButtonSize.h"

TableMetrics TableMetrics::pixel(double u, TableSurface surface) {
    const bool small = u < 3;
    TableMetrics m;
    m.surface = surface;
    m.boardCard = QSizeF(20 * u, 28 * u);
    m.heroCard = small ? QSizeF(26 * u, 36 * u) : QSizeF(24 * u, 34 * u);
    m.botCard = QSizeF(9 * u, 13 * u);
    m.botCardRadius = 0;
    m.boardGap = 3 * u;
    m.botCardPeek = 6 * u;
    m.plate = small ? QSizeF(56 * u, 18 * u) : QSizeF(50 * u, 15 * u);
    m.avatar = small ? 18 * u : 15 * u;
    m.dealerButton = dealerButtonDiameter(TableStyleID::pixel, surface, u);
    m.railWidth = small ? 5 * u : 6 * u;
    m.chipDiameter = 10 * u;
    m.chipPitch = 2 * u;
    m.chipColumnGap = u;
    m.chipsPerColumn = small ? 8 : 10;
    m.chipColumns = small ? 2 : 4;
    return m;
}

TableMetrics TableMetrics::satinWindow() {
    TableMetrics m;
    m.surface = TableSurface::window;
    m.boardCard = QSizeF(60, 84);
    m.heroCard = QSizeF(72, 101);
    m.botCard = QSizeF(32, 45);
    m.botCardRadius = 4;
    m.boardGap = 8;
    m.botCardPeek = 18;
    m.plate = QSizeF(150, 46);
    m.avatar = 48;
    m.dealerButton = dealerButtonDiameter(TableStyleID::satin, TableSurface::window, 1);
    m.railWidth = 14;
    m.chipDiameter = 28;
    m.chipPitch = 4;
    m.chipColumnGap = 3;
    m.chipsPerColumn = 10;
    m.chipColumns = 4;
    return m;
}

TableMetrics TableMetrics::satinPopover() {
    TableMetrics m;
    m.surface = TableSurface::popover;
    m.boardCard = QSizeF(40, 56);
    m.heroCard = QSizeF(52, 73);
    m.botCard = QSizeF(22, 31);
    m.botCardRadius = 3;
    m.boardGap = 6;
    m.botCardPeek = 12;
    m.plate = QSizeF(112, 36);
    m.avatar = 36;
    m.dealerButton = dealerButtonDiameter(TableStyleID::satin, TableSurface::popover, 1);
    m.railWidth = 10;
    m.chipDiameter = 20;
    m.chipPitch = 3;
    m.chipColumnGap = 2;
    m.chipsPerColumn = 8;
    m.chipColumns = 2;
    return m;
}
