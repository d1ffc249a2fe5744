#include "Style/Ornaments.h"
#include "Style/PixelDither.h"
#include "Style/SeatedTableLayout.h"

#include "BotKit/BotProfile.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(SeatedTableLayout, AControlOverThePictureGetsRoomAtTheLeadingEdge) {
    using namespace SeatedTableLayout;
    const Shape shape;
    constexpr double gap = 4;
    const auto clearOf = [&](QSizeF size, const QRectF& control, double room) {
        const auto parts =
            covered(QSizeF(size.width() - room, size.height()), shape, TableStyleID::satin, 2, 24);
        return std::none_of(parts.begin(), parts.end(), [&](const QRectF& part) {
            return part.translated(room, 0).intersects(control.adjusted(-gap, -gap, gap, gap));
        });
    };
    // A pill 32 high in the bottom-leading corner, 10 in: on the popover's short preview it runs into
    // the felt and the left end's seat; on the window's taller one it touches the felt's near edge.
    for (const QSizeF picture : {QSizeF(384, 110), QSizeF(544, 140)}) {
        const QRectF pill(10, picture.height() - 42, 152, 32);
        ASSERT_FALSE(clearOf(picture, pill, 0)) << picture.width() << " x " << picture.height();
        const double room = leadingRoom(picture, shape, TableStyleID::satin, 2, 24, pill, gap);
        EXPECT_TRUE(clearOf(picture, pill, room)) << picture.width() << " x " << picture.height();
        EXPECT_FALSE(clearOf(picture, pill, room - 1))
            << "the least room, so the felt stays as large as it can";
        // The felt keeps most of its size beside the pill.
        EXPECT_GE(tableRect(QSizeF(picture.width() - room, picture.height()), shape, TableStyleID::satin, 2)
                      .width(),
                  0.3 * picture.width());
    }
    // On the sheet's previews, with five opponents seated beside the stepper, every name keeps 6 from
    // the next one and 8 inside the picture.
    for (const QSizeF picture : {QSizeF(384, 110), QSizeF(544, 140)}) {
        const QRectF pill(10, picture.height() - 42, 152, 32);
        const Shape sheet = sheetPreviewShape(picture);
        const double room = leadingRoom(picture, sheet, TableStyleID::satin, 2, 24, pill, gap);
        auto names =
            nameAreas(QSizeF(picture.width() - room, picture.height()), sheet, TableStyleID::satin, 2, 24);
        for (QRectF& name : names)
            name.translate(room, 0);
        for (std::size_t a = 0; a < names.size(); ++a) {
            EXPECT_TRUE(QRectF(QPointF(), picture).adjusted(8, 0, -8, 0).contains(names[a]))
                << "name " << a << " at the edge of " << picture.width() << " x " << picture.height();
            for (std::size_t b = a + 1; b < names.size(); ++b)
                EXPECT_FALSE(names[a].adjusted(-3, -3, 3, 3).intersects(names[b].adjusted(-3, -3, 3, 3)))
                    << "names " << a << " and " << b << " on " << picture.width() << " x "
                    << picture.height();
        }
    }
    // However much a control covers, the miniature keeps half the picture.
    EXPECT_EQ(leadingRoom({384, 110}, shape, TableStyleID::satin, 2, 24, QRectF(0, 0, 384, 110)), 192);
    // A control away from the miniature takes nothing from it.
    EXPECT_EQ(leadingRoom({384, 110}, shape, TableStyleID::satin, 2, 24, QRectF(0, 0, 4, 4)), 0);
}

TEST(IconTile, APileThatWouldReachTheTilesEdgeIsDrawnSmaller) {
    EXPECT_EQ(tileChipScale(QSizeF(20, 14), QSizeF(44, 44)), 1);
    EXPECT_DOUBLE_EQ(tileChipScale(QSizeF(44, 14), QSizeF(44, 44)), 0.76);
    EXPECT_DOUBLE_EQ(tileChipScale(QSizeF(20, 44), QSizeF(44, 44)), 0.62);
}
