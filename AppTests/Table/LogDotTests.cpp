// The log's seat dots show on the log's ground in light and dark, each still in its seat's colour.
#include "Style/AvatarModel.h"
#include "Style/Contrast.h"
#include "Table/LogDot.h"

#include <gtest/gtest.h>

namespace {

std::vector<RGB> everySeatColour() {
    std::vector<RGB> colours{CharacterBackdrop::hero(), CharacterBackdrop::unknown()};
    for (const auto& [slug, colour] : CharacterBackdrop::colors())
        colours.push_back(colour);
    return colours;
}

// The part of the dot that stands out most from the ground: its fill or its edge.
double standsOut(const LogDot& dot, const RGB& ground) {
    const double edge = Contrast::ratio(Contrast::over(dot.edge, dot.fill.value_or(ground)), ground);
    return std::max(edge, dot.fill ? Contrast::ratio(*dot.fill, ground) : 1.0);
}

TEST(LogDot, EverySeatsDotStandsOutFromTheGroundInItsOwnColour) {
    for (const bool dark : {false, true}) {
        const RGB ground = LogDot::ground(dark);
        for (const RGB& seat : everySeatColour()) {
            const LogDot dot = LogDot::of(seat, dark);
            ASSERT_TRUE(dot.fill);
            EXPECT_EQ(*dot.fill, seat) << "the dot keeps its avatar's colour";
            EXPECT_GE(standsOut(dot, ground), 3) << dark;
            // A thin edge cannot carry a dot: where the fill does not, the edge is a whole pixel wide.
            if (Contrast::ratio(seat, ground) < 3) {
                EXPECT_GE(Contrast::ratio(dot.edge, ground), 3);
                EXPECT_GE(dot.edgeWidth, 1);
            }
        }
    }
}

TEST(LogDot, ThePlayersOwnDotGetsADeeperEdgeInLightOnly) {
    const LogDot light = LogDot::of(CharacterBackdrop::hero(), false);
    EXPECT_LT(Contrast::relativeLuminance(light.edge),
              Contrast::relativeLuminance(CharacterBackdrop::hero()));
    // On the dark ground the near-white disc stands out by itself and keeps the faint edge.
    EXPECT_EQ(LogDot::of(CharacterBackdrop::hero(), true).edge, RGB::black.withAlpha(0.12));
}

TEST(LogDot, ARowAboutNoOneSeatHasAHollowRingThatShows) {
    for (const bool dark : {false, true}) {
        const LogDot dot = LogDot::of(std::nullopt, dark);
        EXPECT_FALSE(dot.fill);
        EXPECT_GE(Contrast::ratio(dot.edge, LogDot::ground(dark)), 3) << dark;
        EXPECT_GE(dot.edgeWidth, 1);
    }
}

} // namespace
