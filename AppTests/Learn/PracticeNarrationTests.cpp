#include "Learn/PracticeCaption.h"
#include "Learn/PracticeNarration.h"

#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/PlayerView.h"

#include <gtest/gtest.h>

using PokerEngine::ActionKind;
using PokerEngine::BlindKind;
using PokerEngine::Card;
using PokerEngine::HandEvent;
using PokerEngine::PlayerView;
using PokerEngine::Street;

namespace {

Card card(const char* code) {
    return *Card::fromCode(code);
}

// The practice hand heads-up: the player in seat 0 on the small blind, Rascal on the big blind.
PlayerView startOfHand(std::vector<Card> hole = {card("Ah"), card("Kh")}) {
    PlayerView view;
    view.seatIndex = 0;
    view.holeCards = hole;
    view.seats.resize(2);
    view.seats[1].index = 1;
    view.street = Street::preflop;
    view.blinds = {10, 20, 0};
    view.currentBet = 20;
    view.log = {HandEvent(HandEvent::HandStarted{1, 0, {10, 20, 0}, {{0, 1000}, {1, 1000}}}),
                HandEvent(HandEvent::BlindPosted{0, 10, BlindKind::small}),
                HandEvent(HandEvent::BlindPosted{1, 20, BlindKind::big}),
                HandEvent(HandEvent::HoleCardsDealt{0, hole}),
                HandEvent(HandEvent::HoleCardsDealt{1, std::nullopt})};
    return view;
}

void giveTurn(PlayerView& view, std::optional<std::int64_t> toCall) {
    PokerEngine::LegalActions legal;
    legal.canFold = true;
    legal.canCheck = !toCall;
    legal.callAmount = toCall;
    legal.minRaiseTo = 40;
    legal.maxRaiseTo = 1000;
    view.legalActions = legal;
    view.actingIndex = 0;
}

const PracticeNarration rascal{QStringLiteral("Rascal"), {}};

} // namespace

TEST(PracticeNarration, StepsArePendingInOrder) {
    PlayerView view = startOfHand();
    PracticeNarration narration = rascal;
    EXPECT_EQ(PracticeNarration::reached(view), (std::vector{PracticeStep::yourCards, PracticeStep::blinds}));
    EXPECT_EQ(narration.pendingStep(view), PracticeStep::yourCards);
    narration.acknowledged.insert(PracticeStep::yourCards);
    EXPECT_EQ(narration.pendingStep(view), PracticeStep::blinds);
    narration.acknowledged.insert(PracticeStep::blinds);
    EXPECT_FALSE(narration.holds(view));

    giveTurn(view, 10);
    EXPECT_EQ(narration.pendingStep(view), PracticeStep::firstDecision);
    EXPECT_TRUE(narration.holds(view));
    narration.acknowledged.insert(PracticeStep::firstDecision);
    EXPECT_FALSE(narration.holds(view));

    PlayerView spectator = view;
    spectator.seatIndex.reset();
    EXPECT_TRUE(PracticeNarration::reached(spectator).empty());
}

TEST(PracticeNarration, OpeningCaptions) {
    PlayerView view = startOfHand();
    auto caption = rascal.caption(view);
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->title, "Your cards");
    EXPECT_EQ(caption->stepLabel(), "Step 1 of 7");
    EXPECT_EQ(caption->body,
              "Only you can see these two: ace-king suited. Rascal has two cards too, face down. "
              "The tag beside yours says how good a start they are.");

    PracticeNarration narration = rascal;
    narration.acknowledged = {PracticeStep::yourCards};
    EXPECT_EQ(
        narration.caption(view)->body,
        "Before any cards, two forced bets start the pot so there's something to win. You put in the small "
        "blind of 10 and Rascal the big blind of 20.");

    narration.acknowledged.insert(PracticeStep::blinds);
    giveTurn(view, 10);
    EXPECT_EQ(
        narration.caption(view)->body,
        "The big blind is 20. To stay in, **call** 10 more. You can also **raise** to bet more, or **fold** "
        "and give up what you've put in.");
    view.currentBet = 60;
    EXPECT_TRUE(narration.caption(view)->body.startsWith("Rascal raised to 60."));
    giveTurn(view, std::nullopt);
    EXPECT_EQ(narration.caption(view)->body,
              "Rascal called, so the bets are even. You can **check** to see the flop "
              "for free, or **raise** to bet more.");
    EXPECT_EQ(PracticeNarration::tip(view), "Tip: check to see the flop for free.");
    giveTurn(view, 40);
    EXPECT_EQ(PracticeNarration::tip(view), "Tip: call 40 to see the flop.");
}

TEST(PracticeNarration, BoardCaptionsNameTheHand) {
    PlayerView view = startOfHand({card("Kd"), card("7c")});
    view.board = {card("Ks"), card("9h"), card("2c"), card("4d")};
    view.log.push_back(HandEvent(HandEvent::Acted{0, ActionKind::call, 10, 20, false}));
    view.log.push_back(HandEvent(HandEvent::BoardDealt{Street::flop, {card("Ks"), card("9h"), card("2c")}}));
    PracticeNarration narration = rascal;
    narration.acknowledged = {PracticeStep::yourCards, PracticeStep::blinds, PracticeStep::firstDecision};
    EXPECT_EQ(narration.caption(view)->body,
              "Three shared cards that everyone can use. Your king pairs the king on "
              "the board, so you have a Pair of Kings.");
    narration.acknowledged.insert(PracticeStep::flop);
    view.log.push_back(HandEvent(HandEvent::BoardDealt{Street::turn, {card("4d")}}));
    EXPECT_EQ(narration.caption(view)->title, "The turn");
    EXPECT_EQ(narration.caption(view)->body,
              "The fourth shared card. You still have a Pair of Kings. Then another round of betting.");
}

TEST(PracticeNarration, FoldingAndShowdownCaptions) {
    PlayerView view = startOfHand();
    view.log.push_back(HandEvent(HandEvent::Acted{0, ActionKind::fold, 0, 10, false}));
    view.log.push_back(HandEvent(HandEvent::UncalledBetReturned{1, 10}));
    view.log.push_back(HandEvent(HandEvent::PotAwarded{0, 20, {{1, 20}}, std::nullopt}));
    view.street = Street::handComplete;
    EXPECT_TRUE(PracticeNarration::heroFolded(view));
    EXPECT_FALSE(rascal.holds(view));
    const auto folded = rascal.caption(view);
    EXPECT_EQ(folded->kind, PracticeCaption::Kind(PracticeCaption::Folded{}));
    EXPECT_FALSE(folded->stepLabel());
    EXPECT_EQ(folded->body,
              "Folding gave up the 10 chips you'd put in, so Rascal took the pot of 20 without showing. "
              "Try again and play it through to the showdown.");

    // A split pot at showdown.
    PlayerView split = startOfHand();
    split.board = {card("2c"), card("3d"), card("8s"), card("9h"), card("Jc")};
    split.street = Street::handComplete;
    const auto value = PokerEngine::HandEvaluator::evaluate(
        std::vector{card("Ah"), card("Kh"), card("2c"), card("3d"), card("8s"), card("9h"), card("Jc")});
    split.log.push_back(HandEvent(HandEvent::HandRevealed{0, {card("Ah"), card("Kh")}, value}));
    split.log.push_back(HandEvent(HandEvent::HandRevealed{1, {card("Ad"), card("Kc")}, value}));
    split.log.push_back(HandEvent(HandEvent::PotAwarded{0, 1240, {{0, 620}, {1, 620}}, value}));
    PracticeNarration narration = rascal;
    for (const auto step : allPracticeSteps) {
        if (step != PracticeStep::showdown) {
            narration.acknowledged.insert(step);
        }
    }
    const auto showdown = narration.caption(split);
    EXPECT_EQ(showdown->stepLabel(), "Step 7 of 7");
    EXPECT_EQ(showdown->title, "Showdown");
    EXPECT_EQ(showdown->body,
              "Both hands are shown, and the best five cards win. You split the pot of 1,240.");
}

TEST(PracticeNarration, ALastStepWithNothingShownIsNoShowdown) {
    PlayerView view = startOfHand();
    view.log.push_back(HandEvent(HandEvent::Acted{1, ActionKind::fold, 0, 20, false}));
    view.log.push_back(HandEvent(HandEvent::PotAwarded{0, 30, {{0, 30}}, std::nullopt}));
    view.street = Street::handComplete;
    PracticeNarration narration = rascal;
    for (const auto step : allPracticeSteps) {
        if (step != PracticeStep::showdown) {
            narration.acknowledged.insert(step);
        }
    }
    const auto last = narration.caption(view);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->kind, PracticeCaption::Kind(PracticeStep::showdown));
    EXPECT_EQ(last->stepLabel(), "Step 7 of 7");
    EXPECT_EQ(last->title, "No showdown");
    EXPECT_EQ(last->body,
              "Rascal folded, so you win the pot of 30 without showing your cards. Betting can win a "
              "pot even without the best hand.");
}
