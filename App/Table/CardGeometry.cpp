#include "Table/CardGeometry.h"

#include <algorithm>

#include <cmath>

namespace CardGeometry {

bool isLarge(double width) {
    return width >= largeWidth;
}

double satinEdgeDrop(double width) {
    return isLarge(width) ? 2 : 1;
}

PaperDepth paperDepth(double width, bool lifted) {
    const bool large = isLarge(width);
    return {large ? 2.0 : 1.5, lifted ? 9.0 : (large ? 5.0 : 3.0), large ? 7.0 : 4.0};
}

namespace {

// A shadow's reach beyond its shape: the blur spreads about one and a half radii.
QMarginsF reach(double blur, QPointF offset, double extraBelow) {
    const double spread = 1.5 * blur + 1;
    return QMarginsF(std::ceil(std::max(0.0, spread - offset.x())),
                     std::ceil(std::max(0.0, spread - offset.y())),
                     std::ceil(std::max(0.0, spread + offset.x())),
                     std::ceil(std::max(0.0, spread + offset.y() + extraBelow)));
}

} // namespace

QMarginsF drawnReach(TableStyleID style, double width, bool lifted) {
    switch (style) {
    case TableStyleID::satin:
        return reach(satinShadowBlur, satinShadowOffset, satinEdgeDrop(width));
    case TableStyleID::paper: {
        const PaperDepth depth = paperDepth(width, lifted);
        return reach(depth.shadowBlur * 0.5, QPointF(depth.shadowY * 0.3, depth.shadowY - depth.thickness),
                     depth.thickness);
    }
    case TableStyleID::pixel:
        break;
    }
    return {};
}

double rankFontSize(double width) {
    return std::max(0.36 * width, 10.0);
}

double suitFontSize(double width) {
    return std::max(0.26 * width, 8.0);
}

double cornerRadius(double width) {
    if (width < 28)
        return 3;
    if (width < largeWidth)
        return 4;
    return 0.14 * width;
}

QString rankText(PokerEngine::Rank rank) {
    if (rank == PokerEngine::Rank::ten)
        return QStringLiteral("10");
    return QString(QLatin1Char(PokerEngine::letter(rank)));
}

QString suitText(PokerEngine::Suit suit) {
    return QString::fromUtf8(PokerEngine::symbol(suit)) + QChar(0xFE0E);
}

QString spokenName(const std::optional<PokerEngine::Card>& card) {
    return card ? QString::fromStdString(card->name()) : QStringLiteral("Face-down card");
}

double satinBackInset(double cardWidth) {
    return std::max(0.07 * cardWidth, 1.5);
}

BackDots satinBackDots(QSizeF panel, double cardWidth) {
    BackDots dots;
    dots.diameter = isLarge(cardWidth) ? 1.3 : 1.0;
    dots.pitch = isLarge(cardWidth) ? 8 : 5;
    const double w = panel.width();
    const double h = panel.height();
    if (!(w > 0) || !(h > 0) || !std::isfinite(w + h))
        return dots;
    const double d = dots.diameter;
    const double s = dots.pitch;
    const int n = static_cast<int>((w + h) / s);
    for (int a = -(n + 2); a <= n + 2; ++a) {
        for (int b = -(n + 2); b <= n + 2; ++b) {
            const double x = s * (a + b) / 2;
            const double y = s * (b - a) / 2;
            if (x > -d && x < w + d && y > -d && y < h + d)
                dots.centres.emplace_back(x, y);
        }
    }
    return dots;
}

PixelLayout pixelLayout(int bodyColumns) {
    if (bodyColumns >= 24)
        return PixelLayout::large;
    if (bodyColumns >= 12)
        return PixelLayout::medium;
    return PixelLayout::mini;
}

namespace {

bool gridFits(QSizeF size, double unit) {
    return unit >= 1 && std::isfinite(unit) && std::isfinite(size.width()) && std::isfinite(size.height());
}

void addFaceInk(PixelCard& card, PokerEngine::Card face) {
    const int W = card.columns - 1;
    const int H = card.rows - 1;
    const char32_t suit = static_cast<char32_t>(PokerEngine::letter(face.suit));
    const QString rank = rankText(face.rank);
    auto label = [&](const QString& text, int x, int y, int scale) {
        const auto cells = PixelGeometry::text(PixelFontFace::label, text, x, y, scale);
        card.ink.insert(card.ink.end(), cells.begin(), cells.end());
    };
    switch (pixelLayout(W)) {
    case PixelLayout::large:
        label(rank, 3, 3, 2);
        PixelGeometry::addGlyph(card.ink, PixelSuits::small(suit), 3, 15);
        PixelGeometry::addGlyph(card.ink, PixelSuits::large(suit), W - 16, H - 16, 2);
        break;
    case PixelLayout::medium:
        label(rank, 2, 2, 1);
        PixelGeometry::addGlyph(card.ink, PixelSuits::small(suit), 2, 8);
        PixelGeometry::addGlyph(card.ink, PixelSuits::large(suit), W - 9, H - 9);
        break;
    case PixelLayout::mini:
        // Two characters do not fit a mini card: a ten is its letter here.
        label(face.rank == PokerEngine::Rank::ten ? QStringLiteral("T") : rank, 3, 1, 1);
        PixelGeometry::addGlyph(card.ink, PixelSuits::mini(suit), 2, 7);
        break;
    }
}

} // namespace

PixelCard pixelCard(QSizeF size, double unit, const std::optional<PokerEngine::Card>& card) {
    PixelCard pixel;
    if (!gridFits(size, unit))
        return pixel;
    const int cols = static_cast<int>(std::lround(size.width() / unit));
    const int rows = static_cast<int>(std::lround(size.height() / unit));
    pixel.columns = cols;
    pixel.rows = rows;
    // The body is one cell narrower and shorter than the grid: its last column and row are shadow.
    const int W = cols - 1;
    const int H = rows - 1;
    if (W >= 1)
        pixel.shadow.push_back({1, H, W, 1});
    if (rows - 2 >= 1)
        pixel.shadow.push_back({W, 2, 1, rows - 2});
    if (cols - 3 >= 1 && W >= 1)
        pixel.edge.push_back({1, 0, cols - 3, H});
    if (W >= 1 && rows - 3 >= 1)
        pixel.edge.push_back({0, 1, W, rows - 3});
    if (cols - 3 >= 1 && rows - 3 >= 1)
        pixel.inner.push_back({1, 1, cols - 3, rows - 3});
    if (!card) {
        for (int y = 2; y <= rows - 4; ++y)
            for (int x = 2; x <= cols - 4; ++x)
                if ((x + y) % 2 != 0)
                    pixel.checkers.push_back({x, y, 1, 1});
        return pixel;
    }
    addFaceInk(pixel, *card);
    return pixel;
}

std::vector<CellRect> pixelSlot(QSizeF size, double unit) {
    std::vector<CellRect> cells;
    if (!gridFits(size, unit) || !(size.width() > 0) || !(size.height() > 0))
        return cells;
    const int cols = static_cast<int>(size.width() / unit);
    const int rows = static_cast<int>(size.height() / unit);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x) {
            const bool ring = y == 0 || y == rows - 1 || x == 0 || x == cols - 1;
            if (ring && (x + y) % 2 != 0)
                cells.push_back({x, y, 1, 1});
        }
    }
    return cells;
}

} // namespace CardGeometry
