#include "Style/Drawing/FocusRingPainter.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"

namespace FocusRingPainter {

void paint(QPainter& painter, const QRectF& around, const TableTheme& theme, Outline outline,
           double cornerRadius) {
    const FocusRing::Look look = FocusRing::look(theme);
    const QRectF ring = around.adjusted(-look.outset, -look.outset, look.outset, look.outset);
    if (look.dotted) {
        const double u = theme.pixelUnit;
        PixelKit(painter, u, ring.topLeft())
            .focusRing(wholeCells(ring.width(), u), wholeCells(ring.height(), u), look.color);
        return;
    }
    QPainterPath path;
    switch (outline) {
    case Outline::capsule:
        path = Pill{}.path(ring);
        break;
    case Outline::circle:
        path.addEllipse(ring);
        break;
    case Outline::rounded: {
        const double radius = cornerRadius > 0 ? cornerRadius + look.outset : 0;
        path.addRoundedRect(ring, radius, radius);
        break;
    }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(toQColor(look.color), look.width));
    painter.restore();
}

void paintInside(QPainter& painter, const QRectF& frame, const TableTheme& theme, Outline outline,
                 double cornerRadius) {
    const FocusRing::Look look = FocusRing::look(theme);
    const double edge = look.dotted ? look.outset : look.outset + look.width / 2;
    const double radius = std::max(0.0, cornerRadius - edge);
    paint(painter, frame.adjusted(edge, edge, -edge, -edge), theme, outline, radius);
}

TableTheme desktopTheme(bool dark) {
    return TableTheme::drawnIn(TableStyleID::satin, TableSurface::popover, 2,
                               AppearanceFlags{dark, false, false});
}

} // namespace FocusRingPainter
