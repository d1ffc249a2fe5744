#include "Views/Controls/SeatPresence.h"

#include "Game/BotSeating.h"

#include <gtest/gtest.h>

namespace {

std::vector<BotKit::BotProfile> players(std::size_t count) {
    return BotSeating::opponents(static_cast<int>(count), TableDifficulty::mixed, 7);
}

} // namespace

TEST(SeatPresence, TheFirstPlayersSitAtOnceAndNewcomersGrowInOnASpring) {
    SeatPresence seats;
    seats.update(players(2), 0, false);
    EXPECT_EQ(seats.presence(0), (std::vector<double>{1, 1, 0, 0, 0}));
    EXPECT_FALSE(seats.isMoving(0));

    seats.update(players(4), 1, false);
    EXPECT_EQ(seats.drawn(), players(4));
    const std::vector<double> growing = seats.presence(1.05);
    EXPECT_EQ(growing[1], 1);
    EXPECT_GT(growing[2], 0);
    EXPECT_LT(growing[2], 1);
    EXPECT_EQ(growing[2], growing[3]);
    EXPECT_EQ(growing[4], 0);
    EXPECT_TRUE(seats.isMoving(1.05));
    EXPECT_EQ(seats.presence(5), (std::vector<double>{1, 1, 1, 1, 0}));
    EXPECT_FALSE(seats.isMoving(5));
}

TEST(SeatPresence, ALeavingSeatKeepsItsPlayerUntilItHasShrunkAway) {
    SeatPresence seats;
    seats.update(players(5), 0, false);
    seats.update(players(1), 1, false);
    // The four leaving players are still drawn while they go.
    EXPECT_EQ(seats.drawn(), players(5));
    const std::vector<double> leaving = seats.presence(1.05);
    EXPECT_EQ(leaving[0], 1);
    EXPECT_LT(leaving[4], 1);
    EXPECT_EQ(seats.presence(5), (std::vector<double>{1, 0, 0, 0, 0}));

    // Coming back midway starts from where the seat is, not from empty.
    seats.update(players(5), 6, false);
    seats.update(players(1), 6.05, false);
    const double shrinkingFrom = seats.presence(6.05)[2];
    EXPECT_GT(shrinkingFrom, 0);
    EXPECT_GT(seats.presence(6.06)[2], 0);
}

TEST(SeatPresence, UnderReducedMotionSeatsFadeOverTheShortFade) {
    SeatPresence seats;
    seats.update(players(1), 0, true);
    seats.update(players(3), 1, true);
    const double halfway = seats.presence(1.075)[1];
    EXPECT_GT(halfway, 0);
    EXPECT_LT(halfway, 1);
    EXPECT_EQ(seats.presence(1.2)[1], 1);
    EXPECT_FALSE(seats.isMoving(1.2));
}
