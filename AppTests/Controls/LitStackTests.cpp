#include "Style/Drawing/LitChip.h"
#include "Style/Drawing/LitStack.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(LitStack, SizeFollowsTheColumnsAndTheTallestCount) {
    using D = ChipDenomination;
    EXPECT_EQ(LitStack::size({{D::d100, 1}}, 14), QSizeF(32, 18));
    // A second column adds a chip's width and the gap between them: 32 + 0.2.
    EXPECT_DOUBLE_EQ(LitStack::size({{D::d100, 1}, {D::d5, 1}}, 14).width(), 64.2);
    // Each chip above the first adds its thickness, the chip's 0.24 r but never under 2.
    EXPECT_DOUBLE_EQ(LitStack::size({{D::d1000, 2}, {D::d100, 4}}, 14).height(), 18 + 3 * 3.36);
    EXPECT_DOUBLE_EQ(LitStack::size({{D::d1, 3}}, 5).height(), LitChip::frame(5, 0.38).height() + 2 * 2);
}

TEST(LitStack, PaintsItsColumnsInsideTheFrameItClaims) {
    using D = ChipDenomination;
    const std::vector<ChipColumn> columns{{D::d5000, 2}, {D::d1000, 3}, {D::d100, 4}};
    const QSizeF frame = LitStack::size(columns, 14);
    QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        LitStack::paint(painter, QPointF(40, 30), columns, 14, false);
    }
    // Chips fill the frame's middle; far outside it (beyond the soft contact shadow) nothing is drawn.
    EXPECT_GT(qAlpha(image.pixel(40 + static_cast<int>(frame.width() / 2),
                                 30 + static_cast<int>(frame.height()) - 8)),
              200);
    EXPECT_EQ(qAlpha(image.pixel(20, 10)), 0);
    EXPECT_EQ(qAlpha(image.pixel(190, 110)), 0);
}
