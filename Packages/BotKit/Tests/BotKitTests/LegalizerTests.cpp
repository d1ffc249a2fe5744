#include "BotKit/Bots.h"
#include "BotKit/Legalizer.h"

#include <gtest/gtest.h>

using namespace BotKit;
using PokerEngine::Action;
using PokerEngine::LegalActions;

namespace {

LegalActions facingBet(std::optional<std::int64_t> minRaiseTo, std::int64_t maxRaiseTo = 500) {
    LegalActions legal;
    legal.canFold = true;
    legal.callAmount = 20;
    legal.minRaiseTo = minRaiseTo;
    legal.maxRaiseTo = maxRaiseTo;
    legal.canAllIn = true;
    return legal;
}

LegalActions unopened(std::optional<std::int64_t> minRaiseTo) {
    LegalActions legal;
    legal.canFold = true;
    legal.canCheck = true;
    legal.minRaiseTo = minRaiseTo;
    legal.maxRaiseTo = 500;
    legal.opensBetting = true;
    legal.canAllIn = minRaiseTo.has_value();
    return legal;
}

} // namespace

TEST(Legalizer, ClampsBetsAndRaisesIntoTheLegalRange) {
    const auto legal = facingBet(40);
    EXPECT_EQ(Legalizer::legalize(Action::raise(10), legal), Action::raise(40));
    EXPECT_EQ(Legalizer::legalize(Action::raise(900), legal), Action::raise(500));
    EXPECT_EQ(Legalizer::legalize(Action::raise(120), legal), Action::raise(120));
    EXPECT_EQ(Legalizer::legalize(Action::bet(120), legal), Action::raise(120));

    const auto open = unopened(40);
    EXPECT_EQ(Legalizer::legalize(Action::raise(10), open), Action::bet(40));
    EXPECT_EQ(Legalizer::legalize(Action::raise(900), open), Action::bet(500));
    EXPECT_EQ(Legalizer::legalize(Action::bet(900), open), Action::bet(500));
}

TEST(Legalizer, FallsBackWhenRaisingIsClosed) {
    EXPECT_EQ(Legalizer::legalize(Action::raise(100), facingBet(std::nullopt)), Action::call());
    EXPECT_EQ(Legalizer::legalize(Action::bet(100), unopened(std::nullopt)), Action::check());
    LegalActions foldOnly;
    foldOnly.canFold = true;
    EXPECT_EQ(Legalizer::legalize(Action::raise(100), foldOnly), Action::fold());
    EXPECT_EQ(Legalizer::legalize(Action::allIn(), foldOnly), Action::fold());
}

TEST(Legalizer, PassiveWishes) {
    const auto bet = facingBet(40);
    const auto open = unopened(40);
    EXPECT_EQ(Legalizer::legalize(Action::fold(), open), Action::check());
    EXPECT_EQ(Legalizer::legalize(Action::fold(), bet), Action::fold());
    EXPECT_EQ(Legalizer::legalize(Action::check(), open), Action::check());
    // A check that is not allowed folds rather than calls.
    EXPECT_EQ(Legalizer::legalize(Action::check(), bet), Action::fold());
    EXPECT_EQ(Legalizer::legalize(Action::call(), bet), Action::call());
    EXPECT_EQ(Legalizer::legalize(Action::call(), open), Action::check());
}

TEST(Legalizer, AllInWhenOfferedElseTheFallback) {
    EXPECT_EQ(Legalizer::legalize(Action::allIn(), facingBet(40)), Action::allIn());
    auto noAllIn = facingBet(std::nullopt);
    noAllIn.canAllIn = false;
    EXPECT_EQ(Legalizer::legalize(Action::allIn(), noAllIn), Action::call());
    EXPECT_EQ(Legalizer::legalize(Action::allIn(), unopened(std::nullopt)), Action::check());
}

TEST(Bots, EachSeatHasItsOwnReproducibleStream) {
    auto seat0 = Bots::rng(42, 0);
    auto seat1 = Bots::rng(42, 1);
    EXPECT_NE(seat0, seat1);
    EXPECT_NE(seat0.next(), seat1.next());
    EXPECT_EQ(Bots::rng(42, 3), PokerEngine::SeededRNG(42, 3));
    EXPECT_EQ(Bots::rng(42, 3), Bots::rng(42, 3));
    EXPECT_NE(Bots::rng(42, 0), PokerEngine::SeededRNG(42));
}

TEST(BotsDeathTest, RefusesANegativeSeat) {
    EXPECT_DEATH(Bots::rng(42, -1), "Precondition failed");
}
