#include "Style/FloatingArt.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const FloatingArt art{{102, 111}, {-30, -24}, 0.3, 6.0, 0.1, -2, FloatingArt::Shadow{{105, 213}, 90}};

} // namespace

TEST(FloatingArt, ComesInFromItsOffsetAfterTheDelay) {
    const auto before = art.at(0.2, 0, false);
    EXPECT_DOUBLE_EQ(before.opacity, 0);
    EXPECT_DOUBLE_EQ(before.scale, 0.9);
    EXPECT_DOUBLE_EQ(before.slide.x(), -30);
    EXPECT_DOUBLE_EQ(before.slide.y(), -24);

    const auto halfway = art.at(0.8, 0, false);
    EXPECT_GT(halfway.opacity, 0.5); // the swift ease-out is well past half by half time
    EXPECT_LT(halfway.opacity, 1);

    const auto done = art.at(1.3, 0, false);
    EXPECT_DOUBLE_EQ(done.opacity, 1);
    EXPECT_DOUBLE_EQ(done.scale, 1);
    EXPECT_DOUBLE_EQ(done.slide.x(), 0);
    EXPECT_TRUE(art.entered(1.3, false));
    EXPECT_FALSE(art.entered(1.2, false));
}

TEST(FloatingArt, BobsFromFloorToCrestWithItsShadowShrinking) {
    // b = (1 - cos(2π (T / period + phase))) / 2: at the floor when T / period + phase is whole.
    const double floorTime = (1 - art.phase) * art.period;
    EXPECT_NEAR(art.bob(floorTime, false), 0, 1e-12);
    const double crestTime = floorTime + art.period / 2;
    EXPECT_NEAR(art.bob(crestTime, false), 1, 1e-12);

    const auto crest = art.at(5, crestTime, false);
    EXPECT_NEAR(crest.lift, 7, 1e-9);
    EXPECT_NEAR(crest.rotation, -2, 1e-9);
    EXPECT_NEAR(crest.shadowStrength, 0.7, 1e-9);
    EXPECT_NEAR(crest.shadowScale, 0.82, 1e-9);
    // The bob leaves the entrance's slide alone: only the content lifts.
    EXPECT_DOUBLE_EQ(crest.slide.y(), 0);
}

TEST(FloatingArt, TheDrawnBobStepsNoFartherThanHalfAPoint) {
    // From floor to crest: the lift of 7, the sway of 2° at 50 points, the shadow's ends 0.09 of 90.
    const double travel = 7 + 2 * M_PI / 180 * 50 + 0.09 * 90;
    EXPECT_NEAR(art.travel(50), travel, 1e-9);
    const double steps = std::ceil(travel / FloatingArt::drawnStep);
    int changes = 0;
    double last = art.drawnBob(0, false, 50);
    for (double t = 0; t < art.period; t += 1.0 / 60) {
        const double drawn = art.drawnBob(t, false, 50);
        EXPECT_LE(std::abs(drawn - art.bob(t, false)) * travel, FloatingArt::drawnStep / 2 + 1e-9) << t;
        EXPECT_NEAR(drawn * steps, std::round(drawn * steps), 1e-9) << "on a step at " << t;
        changes += drawn != last;
        last = drawn;
    }
    // Up and down once a period: each step is passed twice, so far fewer pictures than frames.
    EXPECT_LE(changes, 2 * steps + 2);
    EXPECT_LT(changes, art.period * 60 / 2);
    EXPECT_DOUBLE_EQ(art.drawnBob(3, true, 50), 0);
}

TEST(FloatingArt, ReduceMotionOnlyFadesWithoutDelayAndNeverBobs) {
    const auto start = art.at(0.05, 1.7, true);
    EXPECT_GT(start.opacity, 0);
    EXPECT_DOUBLE_EQ(start.scale, 1);
    EXPECT_DOUBLE_EQ(start.slide.x(), 0);
    EXPECT_DOUBLE_EQ(start.lift, 0);
    EXPECT_DOUBLE_EQ(start.rotation, 0);
    EXPECT_TRUE(art.entered(0.15, true));
    EXPECT_DOUBLE_EQ(art.at(0.15, 1.7, true).opacity, 1);
}

TEST(RiseIn, FadesAndRisesSixteenPointsAfterItsDelay) {
    const RiseIn rise{0.4};
    EXPECT_DOUBLE_EQ(rise.at(0.3, false).opacity, 0);
    EXPECT_DOUBLE_EQ(rise.at(0.3, false).dy, 16);
    EXPECT_LT(rise.at(0.8, false).dy, 16);
    EXPECT_DOUBLE_EQ(rise.at(1.25, false).opacity, 1);
    EXPECT_DOUBLE_EQ(rise.at(1.25, false).dy, 0);
    EXPECT_TRUE(rise.entered(1.25, false));
    EXPECT_FALSE(rise.entered(1.1, false));

    // Reduced: the plain 0.15 s fade from the moment it appears, in place.
    EXPECT_DOUBLE_EQ(rise.at(0, true).dy, 0);
    EXPECT_GT(rise.at(0.1, true).opacity, 0);
    EXPECT_TRUE(rise.entered(0.15, true));
}
