#include "Views/TrayIconArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace TrayIconArt {

QImage image(int size, bool badge) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 18.0, size / 18.0);

    const QPointF centre(9, 9);
    const QColor body(30, 122, 112);
    const QColor edge(244, 239, 226);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, 8.5, 8.5);
    // Six inserts around the rim, the way a real chip is striped.
    painter.setBrush(edge);
    for (int i = 0; i < 6; ++i) {
        const double angle = i * std::numbers::pi / 3;
        QPainterPath insert;
        insert.moveTo(centre + QPointF(std::cos(angle - 0.2) * 8.5, std::sin(angle - 0.2) * 8.5));
        insert.arcTo(QRectF(0.5, 0.5, 17, 17), -(angle - 0.2) * 180 / std::numbers::pi,
                     -0.4 * 180 / std::numbers::pi);
        insert.lineTo(centre + QPointF(std::cos(angle + 0.2) * 6, std::sin(angle + 0.2) * 6));
        insert.lineTo(centre + QPointF(std::cos(angle - 0.2) * 6, std::sin(angle - 0.2) * 6));
        insert.closeSubpath();
        painter.drawPath(insert);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, 1.1, Qt::DashLine));
    painter.drawEllipse(centre, 4.6, 4.6);
    if (badge) {
        painter.setPen(QPen(QColor(255, 255, 255), 1.2));
        painter.setBrush(QColor(232, 84, 52));
        painter.drawEllipse(QPointF(14, 4), 3.6, 3.6);
    }
    return image;
}

QIcon icon(bool badge) {
    QIcon icon;
    for (const int size : {16, 18, 22, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(image(size, badge)));
    }
    return icon;
}

} // namespace TrayIconArt
