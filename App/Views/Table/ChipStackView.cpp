#include "Views/Table/ChipStackView.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/PaperPalette.h"
#include "Style/PixelPalette.h"
#include "Style/SatinPalette.h"
#include "Table/ChipStackGeometry.h"

namespace {

struct ShadowLook {
    double blur;
    QPointF offset;
};
ShadowLook shadowLook(bool lifted) {
    return lifted ? ShadowLook{4, QPointF(2, 7)} : ShadowLook{2, QPointF(0, 3)};
}

void paintCylinders(QPainter& painter, const QRectF& box, const TableTheme& theme,
                    const std::vector<ChipColumn>& columns) {
    const bool satin = theme.style == TableStyleID::satin;
    const ChipStackGeometry::Limits limit = ChipStackGeometry::limits(theme);
    const double d = limit.diameter;
    const double pitch = limit.pitch;
    const double e = d * ChipStackGeometry::faceRatio(theme.style);
    for (const auto& chip : ChipStackGeometry::cylinders(columns, theme, box.height())) {
        const double x = box.left() + chip.origin.x();
        const double y = box.top() + chip.origin.y();
        RGB top;
        RGB side;
        RGB inlay;
        if (satin) {
            const auto colours = SatinPalette::chip(chip.denomination);
            top = colours.top;
            side = colours.side;
            inlay = colours.inlay;
        } else {
            const auto colours = PaperPalette::chip(chip.denomination);
            top = colours.top;
            side = colours.side;
        }
        QPainterPath body;
        body.setFillRule(Qt::WindingFill);
        body.addRect(QRectF(x, y + e / 2, d, pitch));
        body.addEllipse(QRectF(x, y + pitch, d, e));
        painter.fillPath(body, toQColor(side));
        if (satin) {
            const double stripeWidth = 0.1 * d;
            const double stripeTop = y + e / 2 + 0.15 * pitch;
            const double stripeHeight = 0.7 * pitch + 0.25 * e;
            for (double at : {0.18, 0.5, 0.82})
                painter.fillRect(QRectF(x + at * d - stripeWidth / 2, stripeTop, stripeWidth, stripeHeight),
                                 toQColor(inlay));
        }
        QPainterPath face;
        face.addEllipse(QRectF(x, y, d, e));
        painter.fillPath(face, toQColor(top));
        if (!chip.isTop)
            continue;
        const double inset = satin ? 0.16 : 0.225;
        const QRectF ring(x + inset * d, y + inset * e, d - 2 * inset * d, e - 2 * inset * e);
        QPen pen(toQColor(satin ? inlay : side), satin ? std::max(0.06 * d, 1.0) : 1.0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (satin)
            pen.setDashPattern({0.12 * d / pen.widthF(), 0.08 * d / pen.widthF()});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ring);
    }
}

void paintPixel(QPainter& painter, const QRectF& box, const TableTheme& theme,
                const std::vector<ChipColumn>& columns) {
    const double u = theme.pixelUnit;
    const PixelKit kit(painter, u, QPointF(std::round(box.left()), std::round(box.top())));
    if (!kit.canDraw())
        return;
    const int rows = static_cast<int>(std::lround(box.height() / u));
    const PixelPalette palette{theme.dark, theme.increaseContrast};
    for (const auto& piece : ChipStackGeometry::pixelPieces(columns, rows)) {
        const auto chip = PixelPalette::chip(piece.denomination);
        switch (piece.role) {
        case ChipStackGeometry::PixelRole::shadow:
            kit.fill(piece.cells, theme.dark ? RGB::bytes(15, 42, 40) : RGB::bytes(18, 50, 47));
            break;
        case ChipStackGeometry::PixelRole::outline:
            kit.fill(piece.cells, palette.outline());
            break;
        case ChipStackGeometry::PixelRole::top:
            kit.fill(piece.cells, chip.top);
            break;
        case ChipStackGeometry::PixelRole::side:
            kit.fill(piece.cells, chip.side);
            break;
        case ChipStackGeometry::PixelRole::inlay:
            kit.fill(piece.cells, chip.inlay);
            break;
        }
    }
}

} // namespace

ChipStackView::ChipStackView(const TableTheme& theme, std::int64_t amount, bool lifted, QWidget* parent)
    : DrawnPiece(theme, size(amount, theme), parent)
    , amount_(amount)
    , lifted_(lifted) {
    StyleAccessibility::setHidden(this);
    changed();
}

void ChipStackView::setTheme(const TableTheme& theme) {
    DrawnPiece::setTheme(theme);
    setPieceSize(size(amount_, theme));
}

void ChipStackView::setAmount(std::int64_t amount) {
    if (amount == amount_)
        return;
    amount_ = amount;
    setPieceSize(size(amount_, theme()));
    update();
}

void ChipStackView::setLifted(bool lifted) {
    if (lifted == lifted_)
        return;
    lifted_ = lifted;
    changed();
}

QSizeF ChipStackView::size(std::int64_t amount, const TableTheme& theme) {
    return ChipStackGeometry::size(amount, theme);
}

QMarginsF ChipStackView::shadowMargins(const TableTheme& theme, bool lifted) {
    if (theme.style == TableStyleID::pixel)
        return {};
    const ShadowLook look = shadowLook(lifted);
    const double spread = std::ceil(1.5 * look.blur + 1);
    return QMarginsF(spread, 0, spread + look.offset.x(), spread + look.offset.y());
}

void ChipStackView::paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, std::int64_t amount,
                          bool lifted) {
    const std::vector<ChipColumn> columns = ChipStackGeometry::columns(amount, theme);
    if (columns.empty())
        return;
    const QRectF box(topLeft, ChipStackGeometry::size(columns, theme));
    painter.save();
    // Chips and their shadow are drawn once per amount and look, then copied.
    const QByteArray key = QStringLiteral("chips|%1|%2|%3|%4|%5%6|%7")
                               .arg(static_cast<int>(theme.style))
                               .arg(static_cast<int>(theme.surface))
                               .arg(amount)
                               .arg(lifted)
                               .arg(theme.dark)
                               .arg(theme.increaseContrast)
                               .arg(theme.pixelUnit)
                               .toUtf8();
    ArtCache::draw(painter, key, box, shadowMargins(theme, lifted), [&](QPainter& art, QPointF at) {
        const QRectF chips(at, box.size());
        if (theme.style == TableStyleID::pixel) {
            paintPixel(art, chips, theme, columns);
            return;
        }
        // A soft ellipse under the stack, as wide as the stack, resting on its bottom edge.
        const double d = ChipStackGeometry::limits(theme).diameter;
        const ShadowLook look = shadowLook(lifted);
        QPainterPath floor;
        floor.addEllipse(QRectF(chips.left(), chips.bottom() - 0.35 * d, chips.width(), 0.35 * d));
        SoftShadow::paint(art, floor, look.blur,
                          QColor::fromRgbF(0, 0, 0, theme.style == TableStyleID::paper ? 0.3f : 0.32f),
                          look.offset);
        paintCylinders(art, chips, theme, columns);
    });
    painter.restore();
}
