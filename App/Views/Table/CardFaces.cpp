#include "Views/Table/CardFaces.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PaperFont.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/PixelPalette.h"
#include "Table/CardGeometry.h"

namespace {

using CardGeometry::cornerRadius;
using CardGeometry::isLarge;

QPainterPath rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void drawText(QPainter& painter, const QFont& font, const QString& text, const QRectF& box,
              const QColor& colour) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
}

// The corner index (rank over suit, the suit tucked under the rank) and, on large cards, the centre
// pip in the bottom-right corner.
struct IndexStyle {
    QFont rank;
    double spacing; // between rank and suit, a share of the width (negative: they overlap)
    double top;     // padding above the rank, a share of the width
};

void paintIndexAndPip(QPainter& painter, const QRectF& card, const TableTheme& theme, PokerEngine::Card face,
                      const IndexStyle& style) {
    const double w = card.width();
    const QColor colour = toQColor(theme.suitColor(face.suit));
    const QString rank = CardGeometry::rankText(face.rank);
    const QString suit = CardGeometry::suitText(face.suit);
    QFont rankFont = style.rank;
    if (rank.size() == 2)
        rankFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    const QFont suitFont = ThemeFonts::system(CardGeometry::suitFontSize(w), FontWeight::regular);
    const QFontMetricsF rankMetrics(rankFont);
    const QFontMetricsF suitMetrics(suitFont);
    const QSizeF rankSize(rankMetrics.horizontalAdvance(rank), rankMetrics.height());
    const QSizeF suitSize(suitMetrics.horizontalAdvance(suit), suitMetrics.height());
    const double stackWidth = std::max(rankSize.width(), suitSize.width());
    const double left = card.left() + 0.08 * w;
    const double top = card.top() + style.top * w;
    painter.save();
    drawText(painter, rankFont, rank,
             QRectF(left + (stackWidth - rankSize.width()) / 2, top, rankSize.width(), rankSize.height()),
             colour);
    drawText(painter, suitFont, suit,
             QRectF(left + (stackWidth - suitSize.width()) / 2, top + rankSize.height() + style.spacing * w,
                    suitSize.width(), suitSize.height()),
             colour);
    if (isLarge(w)) {
        const QFont pipFont = ThemeFonts::system(0.52 * w, FontWeight::regular);
        const QFontMetricsF pipMetrics(pipFont);
        const QSizeF pip(pipMetrics.horizontalAdvance(suit), pipMetrics.height());
        drawText(painter, pipFont, suit,
                 QRectF(card.right() - 0.08 * w - pip.width(), card.bottom() - 0.04 * w - pip.height(),
                        pip.width(), pip.height()),
                 colour);
    }
    painter.restore();
}

void paintSatinBack(QPainter& painter, const QRectF& card, const TableTheme& theme) {
    const double w = card.width();
    painter.fillRect(card, toQColor(theme.dark ? RGB::bytes(242, 242, 244) : RGB::white));
    const double inset = CardGeometry::satinBackInset(w);
    const QRectF panel = card.adjusted(inset, inset, -inset, -inset);
    if (panel.isEmpty())
        return;
    const QPainterPath panelPath = rounded(panel, std::max(cornerRadius(w) - 0.5 * inset, 1.0));
    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0, toQColor(RGB::bytes(46, 74, 122)));
    fill.setColorAt(1, toQColor(RGB::bytes(36, 60, 102)));
    painter.fillPath(panelPath, fill);
    const CardGeometry::BackDots dots = CardGeometry::satinBackDots(panel.size(), w);
    QPainterPath lattice;
    const double radius = dots.diameter / 2;
    for (const QPointF& centre : dots.centres)
        lattice.addEllipse(panel.topLeft() + centre, radius, radius);
    painter.save();
    painter.setClipPath(panelPath, Qt::IntersectClip);
    painter.fillPath(lattice, QColor::fromRgbF(1, 1, 1, 0.55f));
    painter.restore();
}

void paintSatinFace(QPainter& painter, const QRectF& card, const TableTheme& theme, PokerEngine::Card face) {
    QLinearGradient background(card.topLeft(), card.bottomLeft());
    background.setColorAt(0, toQColor(theme.dark ? RGB::bytes(242, 242, 244) : RGB::white));
    background.setColorAt(1, toQColor(theme.dark ? RGB::bytes(224, 224, 229) : RGB::bytes(237, 237, 240)));
    painter.fillRect(card, background);
    const double w = card.width();
    paintIndexAndPip(painter, card, theme, face,
                     {ThemeFonts::system(CardGeometry::rankFontSize(w), FontWeight::semibold), -0.04, 0.04});
}

} // namespace

namespace CardFaces {

void satin(QPainter& painter, const QRectF& card, const TableTheme& theme,
           const std::optional<PokerEngine::Card>& face) {
    const double w = card.width();
    const double r = cornerRadius(w);
    const double edgeDrop = CardGeometry::satinEdgeDrop(w);
    const QPainterPath body = rounded(card, r);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The card and its edge showing below it cast one shadow.
    SoftShadow::paint(painter, rounded(card.adjusted(0, 0, 0, edgeDrop), r), CardGeometry::satinShadowBlur,
                      QColor::fromRgbF(0, 0, 0, theme.dark ? 0.35f : 0.28f), CardGeometry::satinShadowOffset);
    painter.fillPath(body.translated(0, edgeDrop),
                     toQColor(theme.dark ? RGB::bytes(156, 157, 163) : RGB::bytes(191, 192, 198)));
    painter.save();
    painter.setClipPath(body, Qt::IntersectClip);
    if (face)
        paintSatinFace(painter, card, theme, *face);
    else
        paintSatinBack(painter, card, theme);
    // A fixed sheen over the top-left corner.
    QPainterPath sheen;
    sheen.moveTo(card.left(), card.top());
    sheen.lineTo(card.left() + 0.75 * w, card.top());
    sheen.lineTo(card.left(), card.top() + 0.55 * card.height());
    sheen.closeSubpath();
    painter.fillPath(sheen, QColor::fromRgbF(1, 1, 1, theme.dark ? 0.10f : 0.16f));
    painter.restore();
    if (theme.increaseContrast) {
        QPen border(toQColor(RGB::bytes(110, 110, 115)), 1);
        painter.strokePath(rounded(card.adjusted(0.5, 0.5, -0.5, -0.5), std::max(r - 0.5, 0.0)), border);
    }
    painter.restore();
}

void paper(QPainter& painter, const QRectF& card, const TableTheme& theme,
           const std::optional<PokerEngine::Card>& face, bool lifted) {
    const double w = card.width();
    const double r = cornerRadius(w);
    const bool dark = theme.dark;
    const CardGeometry::PaperDepth depth = CardGeometry::paperDepth(w, lifted);
    CardstockShape stock;
    stock.face = face ? RGB::bytes(251, 246, 234) : (dark ? RGB::bytes(15, 19, 28) : RGB::bytes(43, 43, 43));
    stock.side = face ? (dark ? RGB::bytes(185, 174, 152) : RGB::bytes(216, 201, 168))
                      : (dark ? RGB::black : RGB::bytes(17, 17, 17));
    stock.thickness = depth.thickness;
    stock.shadowY = depth.shadowY;
    stock.shadowBlur = depth.shadowBlur;
    stock.dark = dark;
    if (theme.increaseContrast)
        stock.outline = dark ? RGB::bytes(169, 160, 142) : RGB::bytes(107, 74, 52);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    stock.paint(painter, rounded(card, r));
    if (!face) {
        const double inset = 0.08 * w;
        const double radius = std::max(r - 0.05 * w, 1.0);
        painter.fillPath(rounded(card.adjusted(inset, inset, -inset, -inset), radius),
                         toQColor(RGB::bytes(196, 67, 46)));
    } else {
        paintIndexAndPip(painter, card, theme, *face,
                         {PaperFont::font(CardGeometry::rankFontSize(w), 800), -0.05, 0.03});
    }
    painter.restore();
}

void pixel(QPainter& painter, const QRectF& card, const TableTheme& theme,
           const std::optional<PokerEngine::Card>& face) {
    const CardGeometry::PixelCard cells = CardGeometry::pixelCard(card.size(), theme.pixelUnit, face);
    const PixelPalette palette{theme.dark, theme.increaseContrast};
    // Cells on whole points stay crisp.
    const PixelKit kit(painter, theme.pixelUnit, QPointF(std::round(card.left()), std::round(card.top())));
    kit.fill(cells.shadow, theme.dark ? RGB::bytes(15, 42, 40) : RGB::bytes(18, 50, 47));
    kit.fill(cells.edge, palette.outline());
    kit.fill(cells.inner, face ? RGB::bytes(255, 248, 231) : RGB::bytes(58, 111, 208));
    kit.fill(cells.checkers, RGB::bytes(42, 80, 150));
    if (face)
        kit.fill(cells.ink, theme.suitColor(face->suit));
}

QMarginsF shadowMargins(const TableTheme& theme, QSizeF size, bool lifted) {
    return CardGeometry::drawnReach(theme.style, size.width(), lifted);
}

void slot(QPainter& painter, const QRectF& place, const TableTheme& theme) {
    const RGB line = theme.color(PaletteToken::feltLine);
    const double w = place.width();
    painter.save();
    switch (theme.style) {
    case TableStyleID::satin:
    case TableStyleID::paper: {
        painter.setRenderHint(QPainter::Antialiasing);
        const double width = theme.style == TableStyleID::satin ? 1 : 1.5;
        QPen pen(toQColor(line), width);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        // Qt counts dashes in line widths: 4 points on, 3 off.
        if (theme.style == TableStyleID::paper)
            pen.setDashPattern({4 / width, 3 / width});
        const double half = width / 2;
        painter.strokePath(rounded(place.adjusted(half, half, -half, -half), std::max(0.14 * w - half, 0.0)),
                           pen);
        break;
    }
    case TableStyleID::pixel:
        PixelKit(painter, theme.pixelUnit, QPointF(std::round(place.left()), std::round(place.top())))
            .fill(CardGeometry::pixelSlot(place.size(), theme.pixelUnit), line);
        break;
    }
    painter.restore();
}

} // namespace CardFaces
