#pragma once

#include <QImage>

// An image a QPainter has drawn on keeps that painter's raster engine, with its path, span and clip
// buffers, for as long as the image lives: several kilobytes beside a piece of art of a few. Images
// kept for reuse are kept as a copy of their pixels alone, so what a cache counts is what it holds.
namespace KeptImage {

inline QImage pixelsOnly(const QImage& painted) {
    return painted.copy();
}

} // namespace KeptImage
