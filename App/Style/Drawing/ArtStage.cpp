#include "Style/Drawing/ArtStage.h"

#include <QDataStream>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/PixelDither.h"

namespace {

QColor rgb(int red, int green, int blue, double alpha = 1) {
    return QColor::fromRgbF(red / 255.0f, green / 255.0f, blue / 255.0f, static_cast<float>(alpha));
}

QColor towards(const QColor& from, const QColor& to, double amount) {
    const auto mix = [amount](float a, float b) { return static_cast<float>(a + (b - a) * amount); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

// What a kept image of a part of the stage depends on besides its size.
QByteArray keyOf(const char* part, bool dark, double glowY = 0) {
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    stream << part << dark << glowY;
    return key;
}

// The satin surface and its pool of light are radial gradients over large areas, which Qt spreads
// over its thread pool on every fill, so each is drawn once and kept. The light is kept apart from
// the surface, so a moving light (the first-run pages' glow) is two copies rather than a new image.
void paintSatin(QPainter& painter, const QRectF& rect, bool dark, double glowY) {
    const double w = rect.width();
    const double h = rect.height();
    ArtCache::draw(painter, keyOf("satin stage", dark), rect, {}, [&](QPainter& art, QPointF at) {
        const QRectF surface(at, rect.size());
        QRadialGradient base(surface.left() + 0.5 * w, surface.top() + 0.36 * h, 0.78 * std::max(w, h));
        base.setColorAt(0, dark ? rgb(58, 62, 64) : rgb(255, 255, 255));
        base.setColorAt(0.5, dark ? rgb(27, 29, 30) : rgb(241, 241, 243));
        base.setColorAt(1, dark ? rgb(13, 14, 15) : rgb(220, 220, 225));
        art.fillRect(surface, base);
    });

    // The pool of light: a glow 0.6 w × 0.2 h whose soft edge stands in for the blur.
    const double rx = 0.3 * w;
    const double ry = 0.1 * h + 6;
    if (rx <= 0 || ry <= 0)
        return;
    const QPointF centre(rect.left() + 0.5 * w, rect.top() + glowY * h);
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    ArtCache::draw(painter, keyOf("satin stage light", dark),
                   QRectF(centre - QPointF(rx, ry), QSizeF(2 * rx, 2 * ry)), {},
                   [&](QPainter& art, QPointF at) {
                       const QColor glow = dark ? rgb(79, 168, 147, 0.5) : rgb(47, 125, 109, 0.22);
                       QColor clear = glow;
                       clear.setAlphaF(0);
                       QRadialGradient pool(QPointF(0, 0), 1);
                       pool.setColorAt(0, glow);
                       pool.setColorAt(1, clear);
                       art.save();
                       art.translate(at + QPointF(rx, ry));
                       art.scale(rx, ry);
                       art.setPen(Qt::NoPen);
                       art.setBrush(pool);
                       art.drawEllipse(QPointF(0, 0), 1, 1);
                       art.restore();
                   });
    painter.restore();
}

void paintPaper(QPainter& painter, const QRectF& rect, bool dark, double glowY) {
    const double w = rect.width();
    const double h = rect.height();
    const QColor paper = dark ? rgb(30, 36, 51) : rgb(239, 227, 200);
    const QColor top = dark ? rgb(43, 51, 70) : rgb(251, 246, 234);
    const QColor floor = dark ? rgb(22, 27, 39) : rgb(216, 201, 168);
    painter.fillRect(rect, towards(paper, top, dark ? 0.35 : 0.45));
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    const double edge = h * (glowY - 0.05);
    const double height = std::max(h - edge, 1.0) * 2.4;
    const double cx = rect.left() + 0.5 * w;
    painter.setBrush(towards(paper, floor, 0.8));
    painter.drawEllipse(QPointF(cx, rect.top() + edge - 3 + height / 2), 0.8 * w, height / 2);
    painter.setBrush(towards(paper, floor, 0.5));
    painter.drawEllipse(QPointF(cx, rect.top() + edge + height / 2), 0.8 * w, height / 2);
    painter.setBrush(dark ? rgb(232, 182, 76) : rgb(225, 167, 48));
    painter.drawEllipse(QPointF(cx, rect.top() + h * (glowY + 0.09)), 0.28 * w, 0.07 * h);
    painter.restore();
}

// One cell per image pixel, scaled up without smoothing: the same cells as painting each one.
void drawCells(QPainter& painter, const QRectF& rect, const QPointF& at, double u, const QImage& cells) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawImage(QRectF(at, QSizeF(cells.width() * u, cells.height() * u)), cells);
    painter.restore();
}

struct PixelGrid {
    double unit;
    int cols;
    int rows;
};

PixelGrid pixelGrid(const QRectF& rect, const TableTheme& theme) {
    const double u = theme.pixelUnit;
    return {u, static_cast<int>(std::ceil(rect.width() / u)), static_cast<int>(std::ceil(rect.height() / u))};
}

// The dithered ramp of the pixel stage, without its light.
void paintPixelFloor(QPainter& painter, const QRectF& rect, const TableTheme& theme) {
    const PixelGrid grid = pixelGrid(rect, theme);
    static constexpr QRgb lightRamp[6] = {0xFFCDB689, 0xFFD9C49C, 0xFFE3CFA8,
                                          0xFFEDDDBE, 0xFFF6EBD4, 0xFFFFF8E7};
    static constexpr QRgb darkRamp[6] = {0xFF120C17, 0xFF1B1423, 0xFF241A2C,
                                         0xFF2E2138, 0xFF3E2C4A, 0xFF4E3A5A};
    const QRgb* ramp = theme.dark ? darkRamp : lightRamp;
    QImage cells(grid.cols, grid.rows, QImage::Format_RGB32);
    for (int y = 0; y < grid.rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(cells.scanLine(y));
        for (int x = 0; x < grid.cols; ++x)
            line[x] = ramp[PixelDither::stageLevel(x, y, grid.cols, grid.rows)];
    }
    drawCells(painter, rect, rect.topLeft(), grid.unit, cells);
}

// The dithered pool of light over the ramp: a few hundred cells, drawn where the light stands.
void paintPixelLight(QPainter& painter, const QRectF& rect, const TableTheme& theme, double glowY) {
    const PixelGrid grid = pixelGrid(rect, theme);
    const double gy = glowY * grid.rows;
    const double gr = std::max(grid.rows * 0.08, 3.0);
    const double cx = grid.cols * 0.5;
    const double rx = grid.cols * 0.3;
    const int top = std::max(0, static_cast<int>(std::trunc(gy - gr)));
    const int bottom = std::min(grid.rows, static_cast<int>(std::trunc(gy + gr)));
    const int left = std::max(0, static_cast<int>(std::trunc(cx - rx)));
    const int right = std::min(grid.cols, static_cast<int>(std::trunc(cx + rx)));
    if (top >= bottom || left >= right)
        return;
    const QRgb floorLight = theme.dark ? qRgb(42, 111, 99) : qRgb(159, 216, 184);
    QImage cells(right - left, bottom - top, QImage::Format_ARGB32_Premultiplied);
    cells.fill(Qt::transparent);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const double e = std::pow((y - gy) / gr, 2) + std::pow((x - cx) / rx, 2);
            if (e < 1 && PixelDither::threshold(x, y) < (1 - e) * 0.9)
                cells.setPixel(x - left, y - top, floorLight);
        }
    }
    drawCells(painter, rect, rect.topLeft() + QPointF(left * grid.unit, top * grid.unit), grid.unit, cells);
}

} // namespace

namespace ArtStage {

void paint(QPainter& painter, const QRectF& rect, const TableTheme& theme, double glowY) {
    if (rect.isEmpty())
        return;
    switch (theme.style) {
    case TableStyleID::satin:
        paintSatin(painter, rect, theme.dark, glowY);
        break;
    case TableStyleID::paper:
        // A few flat fills: cheaper to draw than to keep.
        paintPaper(painter, rect, theme.dark, glowY);
        break;
    case TableStyleID::pixel:
        // Every cell of the ramp is dithered on the processor, so the ramp is kept; its light is a
        // few cells, drawn where it stands.
        if (theme.pixelUnit <= 0)
            return;
        ArtCache::draw(
            painter, keyOf("pixel stage", theme.dark) + QByteArray::number(theme.pixelUnit), rect, {},
            [&](QPainter& art, QPointF at) { paintPixelFloor(art, QRectF(at, rect.size()), theme); });
        paintPixelLight(painter, rect, theme, glowY);
        break;
    }
}

} // namespace ArtStage

namespace FloorShadow {

void paint(QPainter& painter, QPointF centre, const TableTheme& theme, double width, double strength) {
    if (width <= 0)
        return;
    if (theme.style == TableStyleID::satin) {
        // A radial gradient, like the stage's, kept as an image for the same reason.
        const QSizeF reach(width, width * 0.2);
        QByteArray key;
        QDataStream stream(&key, QIODevice::WriteOnly);
        stream << "floor shadow" << theme.dark << strength;
        ArtCache::draw(
            painter, key, QRectF(centre - QPointF(reach.width() / 2, reach.height() / 2), reach), {},
            [&](QPainter& art, QPointF at) {
                QRadialGradient shade(QPointF(0, 0), 1);
                shade.setColorAt(
                    0, QColor::fromRgbF(0, 0, 0, static_cast<float>((theme.dark ? 0.7 : 0.3) * strength)));
                shade.setColorAt(1, QColor::fromRgbF(0, 0, 0, 0));
                art.save();
                art.setRenderHint(QPainter::Antialiasing);
                art.translate(at + QPointF(reach.width() / 2, reach.height() / 2));
                art.scale(width / 2, width * 0.1);
                art.setPen(Qt::NoPen);
                art.setBrush(shade);
                art.drawEllipse(QPointF(0, 0), 1, 1);
                art.restore();
            });
    } else if (theme.style == TableStyleID::paper) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath ellipse;
        ellipse.addEllipse(centre, width / 2, width * 0.08);
        const QColor ink = theme.dark ? QColor(0, 0, 0) : rgb(70, 45, 20);
        QColor shade = ink;
        shade.setAlphaF(static_cast<float>((theme.dark ? 0.6 : 0.38) * strength * 0.85));
        SoftShadow::paint(painter, ellipse, 1.5, shade, QPointF(2, 0));
        painter.restore();
    }
}

} // namespace FloorShadow
