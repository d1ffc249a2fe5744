#include "Views/TrayIconArt.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace {

std::vector<int> everySize() {
    std::vector<int> sizes(TrayIconArt::themeSizes.begin(), TrayIconArt::themeSizes.end());
    sizes.insert(sizes.end(), TrayIconArt::traySizes.begin(), TrayIconArt::traySizes.end());
    return sizes;
}

} // namespace

// A tray asks for its size times the screen's scale; an icon that has to scale a neighbour's pixels
// to get there shows a blurred chip.
TEST(TrayIconArt, EveryTraySizeIsPaintedAtSingleAndDoubleScale) {
    const QIcon icon = TrayIconArt::icon(false);
    for (const int size : {16, 18, 22, 24, 32}) {
        for (const qreal scale : {1.0, 2.0}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size), scale);
            const int pixels = qRound(size * scale);
            ASSERT_EQ(pixmap.size(), QSize(pixels, pixels)) << size << "@" << scale;
            EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                      TrayIconArt::image(pixels, false))
                << size << "@" << scale << " is not painted at its own size";
        }
    }
}

// The chip's outline meets the pixel grid at its top, bottom and sides: one sharp pixel there, not a
// half-covered one smeared over two.
TEST(TrayIconArt, TheChipsOutlineLiesOnWholePixelsAtEverySize) {
    for (const int size : everySize()) {
        const QImage image = TrayIconArt::image(size, false);
        ASSERT_EQ(image.size(), QSize(size, size));
        const int middle = size / 2;
        const int last = size - 1;
        const auto alpha = [&](int x, int y) { return qAlpha(image.pixel(x, y)); };
        // Find the outline along the middle row and column from each side.
        int top = 0;
        while (top < middle && alpha(middle, top) == 0) {
            ++top;
        }
        int left = 0;
        while (left < middle && alpha(left, middle) == 0) {
            ++left;
        }
        EXPECT_GE(alpha(middle, top), 235) << size << " px: the top edge is half a pixel";
        EXPECT_GE(alpha(middle, last - top), 235) << size << " px: the bottom edge is half a pixel";
        EXPECT_GE(alpha(left, middle), 235) << size << " px: the left edge is half a pixel";
        EXPECT_GE(alpha(last - left, middle), 235) << size << " px: the right edge is half a pixel";
        EXPECT_LE(top, size / 16 + 1) << size << " px: the chip leaves a wide margin";
    }
}

TEST(TrayIconArt, TheTurnBadgeShowsAtEverySize) {
    for (const int size : everySize()) {
        EXPECT_NE(TrayIconArt::image(size, true), TrayIconArt::image(size, false)) << size;
    }
}
