#include "Style/Drawing/LitChip.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/SatinPalette.h"

#include <QDataStream>
#include <QIODevice>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace LitChip {

double thickness(double radius) {
    return std::max(0.24 * radius, 2.0);
}

QSizeF frame(double radius, double squash) {
    return {2 * radius + 4, 2 * radius * squash + thickness(radius) + 4};
}

namespace {

QColor withOpacity(const RGB& colour, double opacity) {
    QColor color = toQColor(colour);
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}

void paintChip(QPainter& painter, const QPointF& topLeft, ChipDenomination denomination, double radius,
               double squash) {
    const auto colors = SatinPalette::chip(denomination);
    const QSizeF size = frame(radius, squash);
    const double r = radius;
    const double ry = r * squash;
    const double thick = thickness(r);
    const double cx = topLeft.x() + size.width() / 2;
    const double bottom = topLeft.y() + size.height() - ry - 2;
    const double top = bottom - thick;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // The rim: down the left side, round the front half of the bottom ellipse, up the right side.
    QPainterPath rim;
    rim.moveTo(cx - r, top);
    rim.lineTo(cx - r, bottom);
    for (int j = 1; j <= 24; ++j) {
        const double angle = j * M_PI / 24;
        rim.lineTo(cx - r * std::cos(angle), bottom + ry * std::sin(angle));
    }
    rim.lineTo(cx + r, top);
    rim.closeSubpath();
    QLinearGradient rimLight(cx - r, 0, cx + r, 0);
    rimLight.setColorAt(0, toQColor(colors.side.mixed(RGB::black, 0.35)));
    rimLight.setColorAt(0.3, toQColor(colors.top.mixed(RGB::white, 0.1)));
    rimLight.setColorAt(0.55, toQColor(colors.side));
    rimLight.setColorAt(1, toQColor(colors.side.mixed(RGB::black, 0.5)));
    painter.fillPath(rim, rimLight);

    // Edge marks on the front of the rim, left to right.
    const QColor mark = withOpacity(colors.inlay, colors.inlay.alpha * 0.9);
    for (double a : std::array<double, 3>{-0.9, 0, 0.9}) {
        const double width = 0.2 * r * std::cos(a);
        painter.fillRect(QRectF(cx + r * std::sin(a) - width / 2, top + ry * std::cos(a) + 0.12 * thick,
                                width, 0.76 * thick),
                         mark);
    }

    // The face, lit from above left.
    const QRectF face(cx - r, top - ry, 2 * r, 2 * ry);
    QRadialGradient faceLight(face.left() + 0.4 * face.width(), face.top() + 0.25 * face.height(), 1.2 * r);
    faceLight.setColorAt(0, toQColor(colors.top.mixed(RGB::white, 0.3)));
    faceLight.setColorAt(0.6, toQColor(colors.top));
    faceLight.setColorAt(1, toQColor(colors.top.mixed(RGB::black, 0.12)));
    painter.setBrush(faceLight);
    painter.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.28f), 0.6));
    painter.drawEllipse(face);

    // The inlay ring, dashed.
    QPen inlay(withOpacity(colors.inlay, colors.inlay.alpha * 0.85), 0.08 * r);
    const double penWidth = inlay.widthF();
    inlay.setDashPattern({0.35 * r / penWidth, 0.25 * r / penWidth});
    painter.setPen(inlay);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(face.adjusted(0.34 * r, 0.34 * ry, -0.34 * r, -0.34 * ry));
    painter.restore();
}

QByteArray keyFor(ChipDenomination denomination, double radius, double squash) {
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    stream << "lit chip" << static_cast<qint64>(denomination) << radius << squash;
    return key;
}

} // namespace

// A stack repeats the same chip many times over, each with a radial and a linear gradient, so an
// upright chip is drawn once and kept.
void paint(QPainter& painter, const QPointF& topLeft, ChipDenomination denomination, double radius,
           double squash) {
    ArtCache::draw(painter, keyFor(denomination, radius, squash), QRectF(topLeft, frame(radius, squash)), {},
                   [&](QPainter& art, QPointF at) { paintChip(art, at, denomination, radius, squash); });
}

void paintMoving(QPainter& painter, const QPointF& topLeft, ChipDenomination denomination, double radius,
                 double squash, ArtCache::Turns turns) {
    ArtCache::drawMoving(
        painter, keyFor(denomination, radius, squash), QRectF(topLeft, frame(radius, squash)), {},
        [&](QPainter& art, QPointF at) { paintChip(art, at, denomination, radius, squash); }, turns);
}

} // namespace LitChip
