#include "Game/TableText.h"

#include "PokerEngine/HandEvaluator.h"

#include <gtest/gtest.h>

using PokerEngine::ActionKind;
using PokerEngine::Card;
using PokerEngine::HandEvent;

namespace {

Card card(const char* code) {
    return *Card::fromCode(code);
}

const TableText text{[](std::int64_t seat) {
    switch (seat) {
    case 0:
        return QStringLiteral("You");
    case 1:
        return QStringLiteral("Goldie");
    case 2:
        return QStringLiteral("Inky");
    case 3:
        return QStringLiteral("you");
    default:
        return QStringLiteral("Dr. Hoot");
    }
}};

HandEvent acted(std::int64_t seat, ActionKind kind, std::int64_t amount, std::int64_t streetBet,
                bool allIn = false) {
    return HandEvent(HandEvent::Acted{seat, kind, amount, streetBet, allIn});
}

PokerEngine::HandValue valueOf(std::vector<Card> cards) {
    return PokerEngine::HandEvaluator::evaluate(cards);
}

} // namespace

TEST(TableText, HandStartAndBlinds) {
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::HandStarted{1, 0, {10, 20, 0}, {}})),
              "Hand 1 · blinds 10/20");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::HandStarted{1234, 0, {1000, 2000, 0}, {}})),
              "Hand 1234 · blinds 1,000/2,000");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::HandStarted{48, 0, {100, 200, 25}, {}})),
              "Hand 48 · blinds 100/200 · ante 25");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::AntePosted{2, 25})), "Inky posts an ante of 25");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::BlindPosted{0, 10, PokerEngine::BlindKind::small})),
              "You post the small blind of 10");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::BlindPosted{1, 1500, PokerEngine::BlindKind::big})),
              "Goldie posts the big blind of 1,500");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::HoleCardsDealt{0, std::vector{card("As"), card("Kd")}})),
              std::nullopt);
}

TEST(TableText, ActionsAndVerbs) {
    EXPECT_EQ(text.sentence(acted(0, ActionKind::fold, 0, 0)), "You fold");
    EXPECT_EQ(text.sentence(acted(1, ActionKind::check, 0, 0)), "Goldie checks");
    EXPECT_EQ(text.sentence(acted(1, ActionKind::call, 20, 40)), "Goldie calls 20");
    EXPECT_EQ(text.sentence(acted(0, ActionKind::bet, 60, 60)), "You bet 60");
    EXPECT_EQ(text.sentence(acted(2, ActionKind::raise, 1100, 1200, true)), "Inky raises to 1,200 (all-in)");
    EXPECT_EQ(text.sentence(acted(0, ActionKind::call, 300, 300, true)), "You call 300 (all-in)");
    // Only "You" exactly switches the verb.
    EXPECT_EQ(text.sentence(acted(3, ActionKind::check, 0, 0)), "you checks");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::UncalledBetReturned{0, 1500})), "1,500 returned to you");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::UncalledBetReturned{2, 40})), "40 returned to Inky");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::PlayerEliminated{0, PokerEngine::PlayerID::random()})),
              "You are out of chips");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::PlayerEliminated{2, PokerEngine::PlayerID::random()})),
              "Inky is out of chips");
}

TEST(TableText, BoardsShowsAndPots) {
    EXPECT_EQ(text.sentence(HandEvent(
                  HandEvent::BoardDealt{PokerEngine::Street::flop, {card("Ts"), card("8d"), card("2c")}})),
              "Flop: 10♠ 8♦ 2♣");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::BoardDealt{PokerEngine::Street::river, {card("Ah")}})),
              "River: A♥");
    const auto twoPair = valueOf({card("Kh"), card("Kd"), card("5s"), card("5c"), card("9h")});
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::HandRevealed{2, {card("Kh"), card("5s")}, twoPair})),
              "Inky shows K♥ 5♠, " + QString::fromStdString(twoPair.name()));
    // A reader hears the shown cards by name; only sentences with cards differ.
    EXPECT_EQ(text.spokenSentence(HandEvent(HandEvent::HandRevealed{2, {card("Kh"), card("5s")}, twoPair})),
              "Inky shows King of hearts and Five of spades, " + QString::fromStdString(twoPair.name()));
    EXPECT_EQ(text.spokenSentence(acted(1, ActionKind::call, 20, 40)), "Goldie calls 20");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::PotAwarded{0, 300, {{1, 150}, {2, 150}}, std::nullopt})),
              "Goldie wins 150, Inky wins 150");
    EXPECT_EQ(text.sentence(HandEvent(HandEvent::PotAwarded{1, 600, {{4, 300}, {0, 300}}, twoPair})),
              "Dr. Hoot wins 300, You win 300 from side pot 1 with " +
                  QString::fromStdString(twoPair.name()));
}

TEST(TableAnnouncer, SpeaksNewEventsAndThePrompt) {
    const std::vector<HandEvent> events{
        HandEvent(HandEvent::HandStarted{3, 0, {10, 20, 0}, {}}),
        HandEvent(HandEvent::BlindPosted{0, 10, PokerEngine::BlindKind::small}),
        HandEvent(HandEvent::HoleCardsDealt{0, std::nullopt}),
        acted(0, ActionKind::call, 10, 20),
        acted(1, ActionKind::raise, 40, 60),
        HandEvent(HandEvent::BoardDealt{PokerEngine::Street::flop, {card("As"), card("Td"), card("2c")}}),
        HandEvent(HandEvent::PotAwarded{0, 120, {{1, 120}}, std::nullopt}),
    };
    PokerEngine::LegalActions legal;
    legal.callAmount = 1200;
    EXPECT_EQ(TableAnnouncer::lines(events, 0, legal, text),
              (QStringList{"Hand 3. Blinds 10 20.", "Goldie raises to 60.",
                           "Flop: Ace of spades, Ten of diamonds, Two of clubs.", "Goldie wins 120.",
                           "Your turn. 1,200 to call."}));
    // Without a player seat every action is spoken.
    EXPECT_EQ(TableAnnouncer::lines({acted(0, ActionKind::fold, 0, 0)}, std::nullopt, std::nullopt, text),
              QStringList{"You fold."});

    PokerEngine::LegalActions free;
    free.canCheck = true;
    EXPECT_EQ(TableAnnouncer::turnPrompt(free), "Your turn. Check.");
    free.minRaiseTo = 20;
    EXPECT_EQ(TableAnnouncer::turnPrompt(free), "Your turn. Check or bet.");
}
