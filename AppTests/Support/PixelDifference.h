#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>

// Two pictures of one screen told apart: the pixels whose colours are further apart than a rounding.
struct PixelDifference {
    // -1 when the pictures differ in size.
    int pixels = 0;
    QRect box;
};

inline PixelDifference pixelDifference(const QImage& a, const QImage& b) {
    PixelDifference difference;
    if (a.size() != b.size()) {
        difference.pixels = -1;
        return difference;
    }
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const int apart =
                std::max({std::abs(qRed(l[x]) - qRed(r[x])), std::abs(qGreen(l[x]) - qGreen(r[x])),
                          std::abs(qBlue(l[x]) - qBlue(r[x]))});
            if (apart > 6) {
                ++difference.pixels;
                difference.box |= QRect(x, y, 1, 1);
            }
        }
    }
    return difference;
}
