#include "Style/Drawing/DealerButtonView.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>

#include "Style/DealerButtonSize.h"
#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PaperFont.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"

namespace {
const PixelGlyph& discMask() {
    static const PixelGlyph rows{"..#####..", ".#######.", "#########", "#########", "#########",
                                 "#########", "#########", ".#######.", "..#####.."};
    return rows;
}

constexpr double satinShadowRadius = 1.5;
constexpr QPointF satinShadowOffset(0.3, 2);

CardstockShape paperStock(const TableTheme& theme) {
    const RGB side = theme.dark ? RGB::bytes(185, 174, 152) : RGB::bytes(216, 201, 168);
    return {theme.color(PaletteToken::dealerFill), side, 2, 3, 5, false, std::nullopt, theme.dark};
}

void drawLetter(QPainter& painter, const QRectF& disc, const QFont& font, const RGB& colour) {
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("D"));
}
} // namespace

DealerButtonView::DealerButtonView(const TableTheme& theme, QWidget* parent)
    : FramedOrnament(parent)
    , theme_(theme) {
    StyleAccessibility::setHidden(this);
}

void DealerButtonView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

double DealerButtonView::diameter(const TableTheme& theme) {
    return dealerButtonDiameter(theme.style, theme.surface, theme.pixelUnit);
}

QMarginsF DealerButtonView::overhang(const TableTheme& theme) {
    const double d = diameter(theme);
    const QRectF frame(0, 0, d, d);
    switch (theme.style) {
    case TableStyleID::satin:
        return ArtCache::beyond(frame, SoftShadow::bounds(frame, satinShadowRadius, satinShadowOffset));
    case TableStyleID::paper:
        return ArtCache::beyond(frame, paperStock(theme).bounds(frame));
    case TableStyleID::pixel:
        return {};
    }
    return {};
}

void DealerButtonView::paint(QPainter& painter, QPointF topLeft, const TableTheme& theme) {
    const double d = diameter(theme);
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    const RGB fill = theme.color(PaletteToken::dealerFill);
    const RGB text = theme.color(PaletteToken::dealerText);
    stream << static_cast<qint8>(theme.style) << theme.dark << theme.pixelUnit << d << fill.red << fill.green
           << fill.blue << fill.alpha << text.red << text.green << text.blue << text.alpha;
    ArtCache::draw(painter, key, QRectF(topLeft, QSizeF(d, d)), overhang(theme),
                   [&](QPainter& p, QPointF at) { paintDisc(p, at, theme); });
}

void DealerButtonView::paintDisc(QPainter& painter, QPointF topLeft, const TableTheme& theme) {
    const double d = diameter(theme);
    const QRectF disc(topLeft, QSizeF(d, d));
    const RGB fill = theme.color(PaletteToken::dealerFill);
    const RGB text = theme.color(PaletteToken::dealerText);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (theme.style) {
    case TableStyleID::satin: {
        QPainterPath circle;
        circle.addEllipse(disc);
        SoftShadow::paint(painter, circle, satinShadowRadius, QColor::fromRgbF(0, 0, 0, 0.28f),
                          satinShadowOffset);
        painter.fillPath(circle, toQColor(fill));
        drawLetter(painter, disc, ThemeFonts::system(0.55 * d, FontWeight::bold), text);
        break;
    }
    case TableStyleID::paper: {
        QPainterPath circle;
        circle.addEllipse(disc);
        paperStock(theme).paint(painter, circle);
        drawLetter(painter, disc, PaperFont::font(0.55 * d, 800), text);
        break;
    }
    case TableStyleID::pixel: {
        const PixelKit kit(painter, theme.pixelUnit, topLeft);
        kit.glyph(discMask(), 0, 0, text);
        kit.fill({{1, 1, 7, 7}}, fill);
        kit.label(QStringLiteral("D"), 3, 2, text, 1);
        break;
    }
    }
    painter.restore();
}
