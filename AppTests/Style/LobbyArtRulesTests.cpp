#include "Style/Ornaments.h"
#include "Style/PixelDither.h"
#include "Style/SeatedTableLayout.h"

#include "BotKit/BotProfile.h"

#include <gtest/gtest.h>

TEST(PixelDither, BayerThresholdsAndAStageLevelThatNeverPassesTheRamp) {
    EXPECT_DOUBLE_EQ(PixelDither::matrix[0][0], 0.5 / 16);
    EXPECT_DOUBLE_EQ(PixelDither::matrix[3][0], 15.5 / 16);
    EXPECT_DOUBLE_EQ(PixelDither::threshold(5, 6), PixelDither::matrix[2][1]);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const int level = PixelDither::stageLevel(x, y, 60, 40);
            EXPECT_GE(level, 0);
            EXPECT_LE(level, 5);
        }
    // The exact centre of the light is the brightest step.
    EXPECT_EQ(PixelDither::stageLevel(30, 36, 60, 100), 5);
}

TEST(SeatedTableLayout, FeltIsCentredAndNeverTallerThanAThirdOfItsWidth) {
    using namespace SeatedTableLayout;
    const QRectF felt = tableRect({400, 140}, {0.46, 0.36, 0.34}, TableStyleID::satin, 2);
    EXPECT_DOUBLE_EQ(felt.width(), 184);
    EXPECT_DOUBLE_EQ(felt.height(), 50.4);
    EXPECT_DOUBLE_EQ(felt.left(), 108);
    EXPECT_DOUBLE_EQ(felt.top(), 47.6);
    const QRectF wide = tableRect({900, 400}, {0.5, 0.9, 0.1}, TableStyleID::satin, 2);
    EXPECT_DOUBLE_EQ(wide.height(), 150);
    const QRectF pixel = tableRect({401, 140}, {0.46, 0.36, 0.34}, TableStyleID::pixel, 3);
    EXPECT_DOUBLE_EQ(std::fmod(pixel.width(), 3), 0);
    EXPECT_DOUBLE_EQ(std::fmod(pixel.height(), 3), 0);
}

TEST(SeatedTableLayout, SeatsFillTheFarSideFirstAndThePlayerStaysOnScreen) {
    using namespace SeatedTableLayout;
    const QRectF felt(100, 50, 200, 60);
    EXPECT_EQ(seatCentre(0, felt), QPointF(200, 38));
    EXPECT_EQ(seatCentre(1, felt), QPointF(128, 50 - 0.14 * 60));
    EXPECT_EQ(seatCentre(3, felt), QPointF(94, 80));
    EXPECT_TRUE(isAboveFelt(0));
    EXPECT_FALSE(isAboveFelt(4));
    EXPECT_EQ(heroCentre({400, 300}, felt, 24), QPointF(200, 119.6));
    // Too short for the gap under the felt: 4 above the bottom edge.
    EXPECT_EQ(heroCentre({400, 120}, felt, 24), QPointF(200, 102));
}

TEST(SeatedTableLayout, NamesTheOpponentsForScreenReaders) {
    using namespace SeatedTableLayout;
    EXPECT_EQ(accessibleName({}), "Table preview");
    const auto biscuit = BotKit::BotProfile::standard(BotKit::BotTier::easy);
    const auto shelldon = BotKit::BotProfile::standard(BotKit::BotTier::medium);
    EXPECT_EQ(accessibleName({biscuit, shelldon}), "At the table: Biscuit, Shelldon and you");
    BotKit::BotProfile stranger = biscuit;
    stranger.name = "Zed";
    stranger.avatar = "";
    const AvatarModel model = avatar(stranger);
    EXPECT_EQ(model.initial, "Z");
    EXPECT_EQ(model.slug, std::nullopt);
    EXPECT_EQ(model.backdrop, RGB::bytes(142, 142, 147));
    EXPECT_EQ(avatar(biscuit).slug, "biscuit");
}

TEST(IconTile, APileThatWouldReachTheTilesEdgeIsDrawnSmaller) {
    EXPECT_EQ(tileChipScale(QSizeF(20, 14), QSizeF(44, 44)), 1);
    EXPECT_DOUBLE_EQ(tileChipScale(QSizeF(44, 14), QSizeF(44, 44)), 0.76);
    EXPECT_DOUBLE_EQ(tileChipScale(QSizeF(20, 44), QSizeF(44, 44)), 0.62);
}
