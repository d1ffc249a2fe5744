#include "Views/Table/FeltView.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>
#include <unordered_map>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/PaperPalette.h"
#include "Style/PixelPalette.h"

namespace {

QPainterPath capsule(const QRectF& rect) {
    return Pill{}.path(rect);
}

QColor bytes(int red, int green, int blue, double alpha = 1) {
    return toQColor(RGB::bytes(red, green, blue, alpha));
}

void paintSatin(QPainter& painter, const QRectF& table, const TableTheme& theme) {
    const double rail = FeltGeometry::rail(table.size(), theme.surface);
    const double lighting = FeltGeometry::lighting(table.size(), theme.surface);
    const bool dark = theme.dark;
    const QPainterPath outer = capsule(table);
    SoftShadow::paint(painter, outer, 9 * lighting, QColor::fromRgbF(0, 0, 0, 0.25f),
                      QPointF(0, 8 * lighting));

    QLinearGradient wood(table.topLeft(), table.bottomLeft());
    wood.setColorAt(0, dark ? bytes(74, 62, 56) : bytes(122, 92, 72));
    wood.setColorAt(0.5, dark ? bytes(44, 36, 33) : bytes(90, 68, 54));
    wood.setColorAt(1, dark ? bytes(21, 17, 15) : bytes(58, 42, 32));
    painter.fillPath(outer, wood);
    // A hard-edged sheen over the upper half of the rail.
    painter.save();
    painter.setClipPath(outer, Qt::IntersectClip);
    painter.fillRect(QRectF(table.left(), table.top(), table.width(), table.height() / 2),
                     QColor::fromRgbF(1, 1, 1, 0.06f));
    painter.restore();

    const QRectF clothRect = table.adjusted(rail, rail, -rail, -rail);
    const QPainterPath cloth = capsule(clothRect);
    if (cloth.isEmpty())
        return;
    QRadialGradient light(clothRect.left() + 0.5 * clothRect.width(),
                          clothRect.top() + 0.28 * clothRect.height(), 0.8 * table.width());
    light.setColorAt(0, dark ? bytes(76, 139, 125) : bytes(88, 153, 138));
    light.setColorAt(0.55, dark ? bytes(47, 99, 87) : bytes(55, 112, 95));
    light.setColorAt(1, dark ? bytes(22, 58, 51) : bytes(29, 74, 63));
    painter.fillPath(cloth, light);
    // The rail's inner shadow on the cloth: its edge, stroked and blurred, seen only inside.
    QPainterPathStroker stroker;
    stroker.setWidth(5 * lighting);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(10);
    painter.save();
    painter.setClipPath(cloth, Qt::IntersectClip);
    SoftShadow::paint(painter, stroker.createStroke(cloth), 2.5 * lighting, QColor::fromRgbF(0, 0, 0, 0.3f),
                      QPointF(0, 0));
    painter.restore();
}

void paintPaper(QPainter& painter, const QRectF& table, const TableTheme& theme) {
    const bool dark = theme.dark;
    const double step = FeltGeometry::laminateStep(theme.surface);
    const double rail = FeltGeometry::rail(table.size(), theme.surface);
    const std::vector<RGB> laminate = PaperPalette{dark, theme.increaseContrast}.laminate();
    // The layers together are the capsule stretched down from one step to four steps below the board.
    const double radius = table.height() / 2;
    QPainterPath layers;
    layers.addRoundedRect(table.adjusted(0, step, 0, 4 * step), radius, radius);
    SoftShadow::paint(painter, layers, 4, dark ? QColor::fromRgbF(0, 0, 0, 0.6f) : bytes(70, 45, 20, 0.38),
                      QPointF(2.1, 7));
    for (int i = 0; i < 4 && i < static_cast<int>(laminate.size()); ++i)
        painter.fillPath(capsule(table.translated(0, step * (4 - i))), toQColor(laminate[i]));
    const QPainterPath board = capsule(table);
    painter.fillPath(board, dark ? bytes(15, 19, 28) : bytes(43, 43, 43));

    const QRectF clothRect = table.adjusted(rail, rail, -rail, -rail);
    const QPainterPath cloth = capsule(clothRect);
    if (cloth.isEmpty())
        return;
    const QColor shade = QColor::fromRgbF(0, 0, 0, 0.35f);
    const QPointF drop(0.6, 2);
    SoftShadow::paint(painter, cloth, 1.1, shade, drop);
    painter.save();
    painter.setClipPath(cloth, Qt::IntersectClip);
    painter.fillPath(cloth, dark ? bytes(31, 92, 90) : bytes(38, 117, 112));
    const double w = table.width();
    const double h = table.height();
    const auto ellipse = [&](double across, double high, double centreY, const QColor& colour) {
        QPainterPath path;
        path.addEllipse(QPointF(table.left() + 0.5 * w, table.top() + centreY * h), across * w / 2,
                        high * h / 2);
        SoftShadow::paint(painter, path, 1.1, shade, drop);
        painter.fillPath(path, colour);
    };
    ellipse(0.86, 0.68, 0.3, bytes(62, 154, 144));
    ellipse(0.54, 0.38, 0.25, bytes(88, 176, 162));
    painter.restore();
}

void paintPixel(QPainter& painter, const QRectF& table, const TableTheme& theme) {
    const double u = theme.pixelUnit;
    const FeltGeometry::PixelFeltSize cells = FeltGeometry::pixelFeltSize(table.size(), u, theme.surface);
    if (cells.width < 1 || cells.height < 1)
        return;
    const QImage& felt = PixelFeltImages::image(cells, theme.dark);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(
        QRectF(std::round(table.left()), std::round(table.top()), u * cells.width, u * cells.height), felt);
    painter.restore();
}

} // namespace

namespace PixelFeltImages {

namespace {
// A standard map rather than QHash: QHash's detach path trips a bogus allocation-size warning under
// link-time optimisation.
std::unordered_map<QString, QImage>& cache() {
    static std::unordered_map<QString, QImage> images;
    return images;
}
std::size_t builtCount = 0;

QImage build(const FeltGeometry::PixelFeltSize& size, bool dark) {
    const PixelPalette palette{dark, false};
    const auto pixel = [](const RGB& colour) {
        return qRgba(static_cast<int>(colour.red * 255), static_cast<int>(colour.green * 255),
                     static_cast<int>(colour.blue * 255), 255);
    };
    std::vector<QRgb> felt;
    std::vector<QRgb> rail;
    for (const RGB& colour : palette.felt())
        felt.push_back(pixel(colour));
    for (const RGB& colour : palette.rail())
        rail.push_back(pixel(colour));
    QImage image(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const std::vector<FeltGeometry::PixelFeltCell> cells = FeltGeometry::pixelFeltCells(size);
    for (int y = 0; y < size.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width; ++x) {
            const auto& cell = cells[static_cast<std::size_t>(y) * size.width + x];
            if (cell.kind == FeltGeometry::PixelFeltCell::Kind::rail && cell.shade < rail.size())
                line[x] = rail[cell.shade];
            else if (cell.kind == FeltGeometry::PixelFeltCell::Kind::cloth && cell.shade < felt.size())
                line[x] = felt[cell.shade];
        }
    }
    ++builtCount;
    return image;
}
} // namespace

const QImage& image(const FeltGeometry::PixelFeltSize& size, bool dark) {
    const QString key = FeltGeometry::pixelFeltKey(size, dark);
    auto found = cache().find(key);
    if (found == cache().end())
        found = cache().emplace(key, build(size, dark)).first;
    return found->second;
}

std::size_t built() {
    return builtCount;
}

bool isCached(const QString& key) {
    return cache().contains(key);
}

} // namespace PixelFeltImages

FeltView::FeltView(const TableTheme& theme, QSizeF size, QWidget* parent)
    : DrawnPiece(theme, size, parent) {
    StyleAccessibility::setHidden(this);
    changed();
}

QMarginsF FeltView::shadowMargins(const TableTheme& theme, QSizeF size) {
    switch (theme.style) {
    case TableStyleID::satin: {
        const double lighting = FeltGeometry::lighting(size, theme.surface);
        const double spread = std::ceil(13.5 * lighting + 1);
        return QMarginsF(spread, spread, spread, std::ceil(spread + 8 * lighting));
    }
    case TableStyleID::paper: {
        const double below = 4 * FeltGeometry::laminateStep(theme.surface);
        return QMarginsF(7, 7, 10, std::ceil(below + 7 + 7));
    }
    case TableStyleID::pixel:
        break;
    }
    return {};
}

void FeltView::paint(QPainter& painter, const QRectF& table, const TableTheme& theme) {
    if (!(table.width() > 0) || !(table.height() > 0))
        return;
    if (theme.style == TableStyleID::pixel) {
        painter.save();
        paintPixel(painter, table, theme);
        painter.restore();
        return;
    }
    // The vector felts are large gradients and soft shadows: drawn once per look and size, then copied.
    const QByteArray key = QStringLiteral("felt|%1|%2|%3%4")
                               .arg(static_cast<int>(theme.style))
                               .arg(static_cast<int>(theme.surface))
                               .arg(theme.dark)
                               .arg(theme.increaseContrast)
                               .toUtf8();
    ArtCache::draw(painter, key, table, shadowMargins(theme, table.size()), [&](QPainter& art, QPointF at) {
        if (theme.style == TableStyleID::satin)
            paintSatin(art, QRectF(at, table.size()), theme);
        else
            paintPaper(art, QRectF(at, table.size()), theme);
    });
}
