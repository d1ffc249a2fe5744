#include "Views/TrayIconArt.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace TrayIconArt {

namespace {

// A stroke at least one pixel wide, of whole pixels.
double strokeWidth(double width) {
    return std::max(1.0, std::round(width));
}

// The radius nearest `radius` at which a circle's outer edge falls on a pixel boundary around a
// centre that lies on one, so its top, bottom and sides are not smeared over two pixels.
double edgeOnPixel(double radius) {
    return std::max(1.0, std::round(radius));
}

} // namespace

QImage image(int size, bool badge) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The art is designed on an 18-unit grid; lengths are scaled to pixels, then snapped.
    const double unit = size / 18.0;
    const QPointF centre(size / 2.0, size / 2.0);
    const QColor body(30, 122, 112);
    const QColor edge(244, 239, 226);

    const double outer = edgeOnPixel(8.5 * unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, outer, outer);

    // Six inserts around the rim, the way a real chip is striped.
    const double inner = outer * 6 / 8.5;
    const QRectF rim(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    painter.setBrush(edge);
    for (int i = 0; i < 6; ++i) {
        const double angle = i * std::numbers::pi / 3;
        QPainterPath insert;
        insert.moveTo(centre + QPointF(std::cos(angle - 0.2) * outer, std::sin(angle - 0.2) * outer));
        insert.arcTo(rim, -(angle - 0.2) * 180 / std::numbers::pi, -0.4 * 180 / std::numbers::pi);
        insert.lineTo(centre + QPointF(std::cos(angle + 0.2) * inner, std::sin(angle + 0.2) * inner));
        insert.lineTo(centre + QPointF(std::cos(angle - 0.2) * inner, std::sin(angle - 0.2) * inner));
        insert.closeSubpath();
        painter.drawPath(insert);
    }

    const double ringWidth = strokeWidth(1.1 * unit);
    const double ring = edgeOnPixel(4.6 * unit + ringWidth / 2) - ringWidth / 2;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, ringWidth, Qt::DashLine));
    painter.drawEllipse(centre, ring, ring);

    if (badge) {
        const double badgeStroke = strokeWidth(1.2 * unit);
        const double badgeRadius = edgeOnPixel(3.6 * unit + badgeStroke / 2) - badgeStroke / 2;
        const QPointF badgeCentre(std::round(14 * unit), std::round(4 * unit));
        painter.setPen(QPen(QColor(255, 255, 255), badgeStroke));
        painter.setBrush(QColor(232, 84, 52));
        painter.drawEllipse(badgeCentre, badgeRadius, badgeRadius);
    }
    return image;
}

QIcon icon(bool badge) {
    QIcon icon;
    for (const int size : traySizes) {
        icon.addPixmap(QPixmap::fromImage(image(size, badge)));
    }
    return icon;
}

} // namespace TrayIconArt
