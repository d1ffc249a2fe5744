#include "Views/Table/FeltLabels.h"

#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/PaperGrain.h"
#include "Table/Screen/PotText.h"
#include "Views/Table/StageKit.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <numeric>

namespace {

RGB byTheme(const TableTheme& theme, RGB light, RGB dark) {
    return theme.dark ? dark : light;
}

std::optional<RGB> paperOutline(const TableTheme& theme) {
    if (!theme.increaseContrast) {
        return std::nullopt;
    }
    return byTheme(theme, RGB::bytes(43, 43, 43), RGB::bytes(243, 233, 214));
}

QSizeF padding(const TableTheme& theme) {
    switch (theme.style) {
    case TableStyleID::paper:
        return {6, 1.5};
    case TableStyleID::pixel:
        return {2 * theme.pixelUnit, 2 * theme.pixelUnit};
    case TableStyleID::satin:
        break;
    }
    return {0, 0};
}

QRectF around(QPointF center, QSizeF size) {
    return QRectF(center - QPointF(size.width() / 2, size.height() / 2), size);
}

} // namespace

namespace FeltLabels {

void paintPixelBox(QPainter& painter, const QRectF& box, const TableTheme& theme, const RGB& fill,
                   std::optional<RGB> line) {
    const double u = theme.pixelUnit;
    PixelKit kit(painter, u, box.topLeft());
    if (!kit.canDraw()) {
        return;
    }
    const RGB outline = line.value_or(
        theme.increaseContrast ? RGB::black : byTheme(theme, RGB::bytes(43, 30, 52), RGB::bytes(27, 20, 35)));
    const auto cells = PixelBoxCells::make(wholeCells(box.width(), u), wholeCells(box.height(), u));
    std::vector<CellRect> edge;
    for (const QRect& rect : cells.outline) {
        edge.push_back(CellRect{rect.x(), rect.y(), rect.width(), rect.height()});
    }
    kit.fill(edge, outline);
    if (cells.fill) {
        kit.fill({CellRect{cells.fill->x(), cells.fill->y(), cells.fill->width(), cells.fill->height()}},
                 fill);
    }
}

QSizeF labelSize(const TableTheme& theme, const QString& text, TextRole role) {
    const QSizeF words = TextPainter::measure(theme, text, role);
    const QSizeF pad = padding(theme);
    return QSizeF(words.width() + 2 * pad.width(), words.height() + 2 * pad.height());
}

QSizeF labelSize(const TableTheme& theme, const QStringList& lines, TextRole role) {
    QSizeF words;
    for (const QString& line : lines) {
        const QSizeF one = TextPainter::measure(theme, line, role);
        words = QSizeF(std::max(words.width(), one.width()), words.height() + one.height());
    }
    const QSizeF pad = padding(theme);
    return QSizeF(words.width() + 2 * pad.width(), words.height() + 2 * pad.height());
}

namespace {

// The style's backing behind words on the felt: a card-stock tag in paper, a box in pixel.
void paintBacking(QPainter& painter, const QRectF& box, const TableTheme& theme) {
    if (theme.style == TableStyleID::paper) {
        QPainterPath shape;
        shape.addRoundedRect(box, 5, 5);
        CardstockShape{byTheme(theme, RGB::bytes(251, 246, 234), RGB::bytes(43, 51, 70)),
                       byTheme(theme, RGB::bytes(216, 201, 168), RGB::bytes(22, 27, 39)),
                       2,
                       3,
                       5,
                       false,
                       paperOutline(theme),
                       theme.dark}
            .paint(painter, shape);
    } else if (theme.style == TableStyleID::pixel) {
        paintPixelBox(painter, box, theme, theme.color(PaletteToken::feltTextBackground));
    }
}

} // namespace

void paintLabel(QPainter& painter, QPointF center, const TableTheme& theme, const QString& text,
                TextRole role, const QString& previous, double progress) {
    const QRectF box = around(center, labelSize(theme, text, role));
    paintBacking(painter, box, theme);
    const RGB ink = theme.color(PaletteToken::feltText);
    if (progress < 1) {
        const QSizeF pad = padding(theme);
        TextPainter::paintRolling(painter,
                                  box.adjusted(pad.width(), pad.height(), -pad.width(), -pad.height()), theme,
                                  previous, text, role, ink, progress);
    } else {
        TextPainter::paint(painter, box, theme, text, role, ink);
    }
}

void paintLabel(QPainter& painter, QPointF center, const TableTheme& theme, const QStringList& lines,
                TextRole role) {
    const QRectF box = around(center, labelSize(theme, lines, role));
    paintBacking(painter, box, theme);
    const QSizeF pad = padding(theme);
    double top = box.top() + pad.height();
    for (const QString& line : lines) {
        const double height = TextPainter::measure(theme, line, role).height();
        TextPainter::paint(painter,
                           QRectF(box.left() + pad.width(), top, box.width() - 2 * pad.width(), height),
                           theme, line, role, theme.color(PaletteToken::feltText));
        top += height;
    }
}

namespace {

double betSpacing(const TableTheme& theme) {
    return theme.style == TableStyleID::pixel ? 3 * theme.pixelUnit : 4;
}

} // namespace

QSizeF betSize(const TableTheme& theme, std::int64_t amount) {
    const QSizeF chips = StageKit::chipsSize(amount, theme);
    const QSizeF label = labelSize(theme, QLocale().toString(static_cast<qint64>(amount)), TextRole::bet);
    return {chips.width() + betSpacing(theme) + label.width(), std::max(chips.height(), label.height())};
}

void paintBet(QPainter& painter, QPointF center, const TableTheme& theme, std::int64_t amount,
              AmountRoll roll) {
    const QString text = QLocale().toString(static_cast<qint64>(amount));
    const QSizeF chips = StageKit::chipsSize(amount, theme);
    const QSizeF label = labelSize(theme, text, TextRole::bet);
    const double spacing = betSpacing(theme);
    const double left = center.x() - betSize(theme, amount).width() / 2;
    StageKit::chips(painter, QPointF(left + chips.width() / 2, center.y()), theme, amount, false);
    paintLabel(painter, QPointF(left + chips.width() + spacing + label.width() / 2, center.y()), theme, text,
               TextRole::bet,
               roll.progress < 1 ? QLocale().toString(static_cast<qint64>(roll.from)) : QString(),
               roll.progress);
}

PotLabelLayout potLayout(QPointF center, const TableTheme& theme, const PokerEngine::PlayerView& view,
                         bool showsChips) {
    const std::int64_t collected =
        std::accumulate(view.pots.begin(), view.pots.end(), std::int64_t{0},
                        [](std::int64_t sum, const auto& pot) { return sum + pot.amount; });
    const auto side = PotText::sideLine(view.pots);
    PotLabelLayout::Sizes sizes;
    sizes.total = TextPainter::measure(theme, PotText::pill(view.totalPot()), TextRole::pot);
    if (side) {
        sizes.sideWords = TextPainter::measure(theme, *side, TextRole::sidePot);
        sizes.sideLabel = labelSize(theme, *side, TextRole::sidePot);
    }
    if (showsChips && collected >= 1) {
        sizes.chips = StageKit::chipsSize(collected, theme);
    }
    return PotLabelLayout::make(theme, center, sizes);
}

void paintPot(QPainter& painter, QPointF center, const TableTheme& theme, const PokerEngine::PlayerView& view,
              bool showsChips, AmountRoll roll) {
    const std::int64_t total = view.totalPot();
    const auto side = PotText::sideLine(view.pots);
    const QString text = PotText::pill(total);
    const QString previous = roll.progress < 1 ? PotText::pill(roll.from) : QString();
    const PotLabelLayout layout = potLayout(center, theme, view, showsChips);
    if (layout.chips) {
        const std::int64_t collected =
            std::accumulate(view.pots.begin(), view.pots.end(), std::int64_t{0},
                            [](std::int64_t sum, const auto& pot) { return sum + pot.amount; });
        StageKit::chips(painter, layout.chips->center(), theme, collected, false);
    }
    const QRectF box = layout.pill;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (theme.style) {
    case TableStyleID::satin:
        painter.fillPath(Pill{}.path(box), QColor(255, 255, 255, theme.dark ? 46 : 150));
        painter.strokePath(Pill{0.5}.path(box), QPen(QColor(255, 255, 255, 120), 1));
        TextPainter::paintRolling(painter, layout.total, theme, previous, text, TextRole::pot,
                                  theme.dark ? RGB::bytes(245, 245, 247) : RGB::bytes(29, 29, 31),
                                  roll.progress);
        break;
    case TableStyleID::paper:
        CardstockShape{RGB::bytes(196, 67, 46),
                       byTheme(theme, RGB::bytes(150, 51, 34), RGB::bytes(142, 48, 32)),
                       3,
                       5,
                       7,
                       false,
                       paperOutline(theme),
                       theme.dark}
            .paint(painter, Pill{}.path(box));
        TextPainter::paintRolling(painter, layout.total, theme, previous, text, TextRole::pot,
                                  theme.color(PaletteToken::potText), roll.progress);
        break;
    case TableStyleID::pixel:
        paintPixelBox(painter, box, theme, theme.color(PaletteToken::potFill));
        TextPainter::paint(painter, layout.total, theme, text, TextRole::pot,
                           theme.color(PaletteToken::potText));
        if (side && layout.sideInPill) {
            TextPainter::paint(painter, *layout.sideInPill, theme, *side, TextRole::sidePot,
                               theme.color(PaletteToken::feltText));
        }
        break;
    }
    painter.restore();
    if (side && layout.sideLabel) {
        paintLabel(painter, layout.sideLabel->center(), theme, *side, TextRole::sidePot);
    }
}

} // namespace FeltLabels

namespace PageBackground {

const QImage& paperTile(bool dark) {
    const auto build = [](bool darkTile) {
        const auto levels = PaperGrain::levels(darkTile);
        QImage tile(PaperGrain::tileSize, PaperGrain::tileSize, QImage::Format_RGBA8888_Premultiplied);
        for (int y = 0; y < PaperGrain::tileSize; ++y) {
            auto* row = tile.scanLine(y);
            for (int x = 0; x < PaperGrain::tileSize; ++x) {
                const std::uint8_t level = levels[static_cast<std::size_t>(y * PaperGrain::tileSize + x)];
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = level;
                row[4 * x + 3] = 255;
            }
        }
        // One tile covers 160 points: the bitmap is drawn at twice the density.
        tile.setDevicePixelRatio(2);
        return tile;
    };
    static const QImage light = build(false);
    static const QImage darkTile = build(true);
    return dark ? darkTile : light;
}

namespace {

// The page drawn afresh: the style's colour or dots, and the paper grain.
void draw(QPainter& painter, const QRectF& page, const TableTheme& theme) {
    switch (theme.style) {
    case TableStyleID::satin:
        return;
    case TableStyleID::paper:
        painter.fillRect(page, toQColor(theme.color(PaletteToken::stock)));
        if (!theme.increaseContrast) {
            painter.save();
            painter.setCompositionMode(theme.dark ? QPainter::CompositionMode_Screen
                                                  : QPainter::CompositionMode_Multiply);
            painter.setOpacity(theme.dark ? 0.25 : 0.5);
            // Converted once per appearance.
            static const QPixmap lightTile = QPixmap::fromImage(paperTile(false));
            static const QPixmap darkTile = QPixmap::fromImage(paperTile(true));
            painter.drawTiledPixmap(page, theme.dark ? darkTile : lightTile, page.topLeft());
            painter.restore();
        }
        return;
    case TableStyleID::pixel: {
        painter.fillRect(page, theme.dark ? QColor(43, 30, 52) : QColor(242, 230, 204));
        const double u = theme.pixelUnit;
        std::vector<CellRect> dots;
        for (const auto& cell : StockDots::cells(page.width(), page.height(), u)) {
            dots.push_back(CellRect{cell.column, cell.row, 1, 1});
        }
        PixelKit(painter, u, page.topLeft())
            .fill(dots, theme.dark ? RGB::bytes(51, 36, 61) : RGB::bytes(232, 216, 184));
        return;
    }
    }
}

} // namespace

void paint(QPainter& painter, const QRectF& page, const TableTheme& theme) {
    if (theme.style == TableStyleID::satin) {
        return;
    }
    // The page is drawn once for its size and look and kept, so a frame of the table on it (which
    // repaints the page behind the stage) never fills thousands of dots or blends the grain again.
    struct Drawn {
        QSize size;
        TableStyleID style = TableStyleID::satin;
        bool dark = false;
        bool increaseContrast = false;
        double unit = 0;
        double ratio = 0;
        bool operator==(const Drawn&) const = default;
    };
    static Drawn drawn;
    static QPixmap picture;
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
    const Drawn wanted{page.size().toSize(),   theme.style,     theme.dark,
                       theme.increaseContrast, theme.pixelUnit, ratio};
    if (!(wanted == drawn) || picture.isNull()) {
        picture = QPixmap(wanted.size * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter art(&picture);
        draw(art, QRectF(QPointF(), QSizeF(wanted.size)), theme);
        drawn = wanted;
    }
    painter.drawPixmap(page.topLeft(), picture);
}

} // namespace PageBackground
