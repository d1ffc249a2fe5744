#include "Style/MotionStyle.h"

#include <gtest/gtest.h>

TEST(SteppedAnimation, ShowsWholeFramesAndFinishesExactlyAtItsDuration) {
    const SteppedAnimation stepping{0.2, 12};
    EXPECT_EQ(stepping.progress(0), 0);
    EXPECT_EQ(stepping.progress(1.0 / 12 - 0.001), 0);
    EXPECT_NEAR(stepping.progress(1.0 / 12 + 0.001), 5.0 / 12, 1e-12);
    EXPECT_NEAR(stepping.progress(2.0 / 12 + 0.001), 10.0 / 12, 1e-12);
    EXPECT_EQ(stepping.progress(0.2), 1);
    // Not a whole number of frames: still finished at the duration, never before or beyond 1.
    const SteppedAnimation odd{0.25, 12};
    EXPECT_LT(odd.progress(0.2499), 1);
    EXPECT_EQ(odd.progress(0.25), 1);
    EXPECT_EQ((SteppedAnimation{0, 12}).progress(0), 1);
    EXPECT_EQ((SteppedAnimation{0.3, 0}).progress(0.1), 0);
}

TEST(MotionStyle, FourMovementsPerStyle) {
    for (auto style : allTableStyleIDs) {
        const MotionStyle motion{style, false};
        const bool pixel = style == TableStyleID::pixel;
        const std::vector<std::tuple<AnimationCurve, double, AnimationCurve::Kind>> expected{
            {motion.boardSlide(), 0.2, AnimationCurve::Kind::easeOut},
            {motion.fold(), 0.25, AnimationCurve::Kind::easeOut},
            {motion.collect(), 0.35, AnimationCurve::Kind::easeInOut},
            {motion.returnBet(), 0.3, AnimationCurve::Kind::easeInOut},
        };
        for (const auto& [curve, duration, smooth] : expected) {
            EXPECT_EQ(curve.duration(), duration);
            EXPECT_EQ(curve.kind(), pixel ? AnimationCurve::Kind::stepped : smooth);
            if (pixel) {
                EXPECT_EQ(curve.stepping(), (SteppedAnimation{duration, 12}));
            }
        }
    }
}

TEST(MotionStyle, ReduceMotionGivesOneShortFadeEverywhere) {
    for (auto style : allTableStyleIDs) {
        const MotionStyle motion{style, true};
        for (const auto& curve :
             {motion.boardSlide(), motion.fold(), motion.collect(), motion.returnBet(), motion.movement(1.0)})
            EXPECT_EQ(curve, MotionStyle::reducedFade());
    }
    EXPECT_EQ(MotionStyle::reducedFade().kind(), AnimationCurve::Kind::easeInOut);
    EXPECT_EQ(MotionStyle::reducedFade().duration(), 0.15);
}

TEST(AnimationCurve, CurvesAtChosenTimes) {
    const auto linear = AnimationCurve::linear(2);
    EXPECT_DOUBLE_EQ(linear.progress(0.5), 0.25);
    const auto easeInOut = AnimationCurve::easeInOut(1);
    EXPECT_NEAR(easeInOut.progress(0.5), 0.5, 1e-3);
    EXPECT_LT(easeInOut.progress(0.1), 0.1);
    const auto easeOut = AnimationCurve::easeOut(1);
    EXPECT_GT(easeOut.progress(0.25), 0.25);
    const auto easeIn = AnimationCurve::easeIn(1);
    EXPECT_LT(easeIn.progress(0.25), 0.25);
    for (const auto& curve : {linear, easeInOut, easeOut, easeIn}) {
        EXPECT_EQ(curve.progress(-1), 0);
        EXPECT_EQ(curve.progress(curve.duration()), 1);
        EXPECT_TRUE(curve.isFinished(curve.duration()));
    }
}

TEST(AnimationCurve, SpringsOvershootWhenUnderdampedAndSettleAtOne) {
    const auto bouncy = AnimationCurve::spring(0.4, 0.5);
    double highest = 0;
    for (double t = 0; t < bouncy.duration(); t += 0.005)
        highest = std::max(highest, bouncy.progress(t));
    EXPECT_GT(highest, 1.05);
    EXPECT_EQ(bouncy.progress(bouncy.duration()), 1);
    EXPECT_NEAR(bouncy.progress(bouncy.duration() - 0.001), 1, 0.01);

    const auto critical = AnimationCurve::spring(0.4, 1);
    for (double t = 0; t < critical.duration(); t += 0.005)
        EXPECT_LE(critical.progress(t), 1.0);
    EXPECT_NEAR(critical.progress(critical.duration() - 0.001), 1, 0.01);
}

TEST(SlideEffect, PlacementAlongTheSlide) {
    SlideEffect slide{0.25, 40, -20, 90, 0.5, 0, true};
    const auto placement = slide.placement();
    EXPECT_DOUBLE_EQ(placement.dx, 30);
    EXPECT_DOUBLE_EQ(placement.dy, -15);
    EXPECT_DOUBLE_EQ(placement.rotationDegrees, 67.5);
    EXPECT_DOUBLE_EQ(placement.scale, 0.625);
    EXPECT_DOUBLE_EQ(placement.opacity, 0.25);

    slide.progress = 1;
    EXPECT_EQ(slide.placement(), (SlideEffect::Placement{0, 0, 0, 1, 1}));
}

TEST(SlideEffect, PixelGridRoundsTheRemainingOffsetHalvesAwayFromZero) {
    const SlideEffect slide{0, 4.4, -1.6, 0, 1, 3, false};
    const auto placement = slide.placement();
    EXPECT_DOUBLE_EQ(placement.dx, 3);
    EXPECT_DOUBLE_EQ(placement.dy, -3);
    EXPECT_DOUBLE_EQ(placement.opacity, 1);
    EXPECT_DOUBLE_EQ((SlideEffect{0, 4.5, -4.5, 0, 1, 3, false}).placement().dx, 6);
}
