#include "Style/Drawing/ChipFace.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>
#include <QRadialGradient>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Ornaments.h"
#include "Style/SatinPalette.h"

ChipFace::ChipFace(ChipDenomination denomination, double diameter, QWidget* parent)
    : FramedOrnament(parent)
    , denomination_(denomination)
    , diameter_(diameter) {
    StyleAccessibility::setHidden(this);
}

void ChipFace::setDenomination(ChipDenomination denomination) {
    denomination_ = denomination;
    update();
}

namespace {
void paintChip(QPainter& painter, QPointF topLeft, ChipDenomination denomination, double diameter) {
    const ChipFaceGeometry geometry{diameter};
    const SatinPalette::Chip colours = SatinPalette::chip(denomination);
    const QRectF disc(topLeft, QSizeF(diameter, diameter));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The shadow falls from the whole chip: the face and the edge showing below it.
    QPainterPath silhouette;
    silhouette.addEllipse(disc);
    silhouette.addEllipse(disc.translated(0, geometry.edgeDrop()));
    SoftShadow::paint(painter, silhouette.simplified(), geometry.shadowBlur(),
                      QColor::fromRgbF(0, 0, 0, 0.25f), QPointF(0, geometry.shadowOffsetY()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(colours.side));
    painter.drawEllipse(disc.translated(0, geometry.edgeDrop()));

    const auto stops = chipFaceGradient(denomination);
    const QPointF centre = ChipFaceGeometry::gradientCentre();
    QRadialGradient face(disc.left() + centre.x() * diameter, disc.top() + centre.y() * diameter,
                         geometry.gradientEndRadius());
    face.setColorAt(0, toQColor(stops[0]));
    face.setColorAt(0.5, toQColor(stops[1]));
    face.setColorAt(1, toQColor(stops[2]));
    painter.setBrush(face);
    painter.drawEllipse(disc);

    QPen inlay(toQColor(colours.inlay.withAlpha(colours.inlay.alpha * ChipFaceGeometry::inlayOpacity)),
               geometry.inlayLineWidth());
    inlay.setCapStyle(Qt::FlatCap);
    inlay.setJoinStyle(Qt::MiterJoin);
    // Qt measures dashes in line widths.
    inlay.setDashPattern(
        {geometry.inlayDash() / geometry.inlayLineWidth(), geometry.inlayGap() / geometry.inlayLineWidth()});
    painter.setPen(inlay);
    painter.setBrush(Qt::NoBrush);
    const double inset = geometry.inlayInset();
    painter.drawEllipse(disc.adjusted(inset, inset, -inset, -inset));

    QPen rim(QColor::fromRgbF(1, 1, 1, 0.3f), ChipFaceGeometry::rimLineWidth);
    rim.setCapStyle(Qt::FlatCap);
    painter.setPen(rim);
    const double rimInset = ChipFaceGeometry::rimInset;
    painter.drawEllipse(disc.adjusted(rimInset, rimInset, -rimInset, -rimInset));
    if (ChipFaceGeometry::needsOutline(colours.top)) {
        // A black chip on a dark card would vanish into it: a light hairline keeps its round edge.
        painter.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.45f), 0.75));
        painter.drawEllipse(
            disc.united(disc.translated(0, geometry.edgeDrop())).adjusted(0.4, 0.4, -0.4, -0.4));
    }
    painter.restore();
}
} // namespace

QMarginsF ChipFace::overhang(double diameter) {
    const ChipFaceGeometry geometry{diameter};
    const QRectF frame(0, 0, diameter, diameter);
    // The edge shows below the face, and the shadow falls from both.
    const QRectF chip = frame.united(frame.translated(0, geometry.edgeDrop()));
    return ArtCache::beyond(
        frame, chip.united(SoftShadow::bounds(chip, geometry.shadowBlur(), {0, geometry.shadowOffsetY()})));
}

void ChipFace::paint(QPainter& painter, QPointF topLeft, ChipDenomination denomination, double diameter) {
    QByteArray key;
    QDataStream(&key, QIODevice::WriteOnly) << static_cast<qint64>(denomination) << diameter;
    ArtCache::draw(painter, key, QRectF(topLeft, QSizeF(diameter, diameter)), overhang(diameter),
                   [&](QPainter& p, QPointF at) { paintChip(p, at, denomination, diameter); });
}

void ChipFace::paintFrame(QPainter& painter, QPointF topLeft) const {
    paint(painter, topLeft, denomination_, diameter_);
}
