#include "Views/Table/PausedTableOverlay.h"

#include <QPainter>

#include <cmath>

#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Table/FeltGeometry.h"

PausedTableOverlay::PausedTableOverlay(const TableTheme& theme, QSizeF size, QWidget* parent)
    : DrawnPiece(theme, size, parent) {
    StyleAccessibility::setHidden(this);
    changed();
}

void PausedTableOverlay::paint(QPainter& painter, const QRectF& table, const TableTheme& theme) {
    if (theme.style == TableStyleID::pixel) {
        // The same dark cells in light and dark: the table shows through every other cell.
        PixelKit(painter, theme.pixelUnit, QPointF(std::round(table.left()), std::round(table.top())))
            .fill(FeltGeometry::pausedCheckerboard(table.size(), theme.pixelUnit),
                  RGB::bytes(20, 12, 26, 0.55));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(Pill{}.path(table), QColor::fromRgbF(0, 0, 0, 0.15f));
    painter.restore();
}
