#include "EngineTestSupport.h"

#include "PokerEngine/DecodingError.h"
#include "PokerEngine/HandEvent.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace PokerEngine;
using namespace EngineTest;

namespace {

HandEvent read(const char* text) {
    return nlohmann::json::parse(text).get<HandEvent>();
}

void expectKeyCountError(const char* text) {
    try {
        (void)read(text);
        ADD_FAILURE() << text << " read";
    } catch (const DecodingError& error) {
        EXPECT_EQ(error.kind(), DecodingError::Kind::typeMismatch);
        EXPECT_EQ(error.description(), "Invalid number of keys found, expected one.");
    }
}

} // namespace

TEST(HandEventJson, EveryCaseRoundTrips) {
    const std::vector<HandEvent> events{
        HandEvent::HandStarted{3, 1, BlindLevel{10, 20, 5}, {SeatAmount{2, 500}, SeatAmount{1, 480}}},
        HandEvent::AntePosted{2, 5},
        HandEvent::BlindPosted{2, 15, BlindKind::big},
        HandEvent::HoleCardsDealt{2, cards({"As", "Kd"})},
        HandEvent::HoleCardsDealt{1, std::nullopt},
        HandEvent::BoardDealt{Street::flop, cards({"2c", "3d", "4h"})},
        HandEvent::Acted{1, ActionKind::raise, 60, 80, false},
        HandEvent::UncalledBetReturned{1, 40},
        HandEvent::HandRevealed{2, cards({"As", "Kd"}), HandValue{1277}},
        HandEvent::PotAwarded{0, 100, {SeatAmount{2, 50}, SeatAmount{1, 50}}, HandValue{4000}},
        HandEvent::PotAwarded{1, 30, {SeatAmount{2, 30}}, std::nullopt},
        HandEvent::PlayerEliminated{1, player(1)},
    };
    for (const auto& event : events) {
        const nlohmann::json json = event;
        EXPECT_EQ(json.size(), 1u);
        EXPECT_EQ(json.get<HandEvent>(), event) << json.dump();
    }
}

TEST(HandEventJson, AbsentOptionalsWriteNoKey) {
    const nlohmann::json hidden = HandEvent(HandEvent::HoleCardsDealt{4, std::nullopt});
    EXPECT_EQ(hidden, nlohmann::json::parse(R"({"holeCardsDealt": {"seat": 4}})"));
    const nlohmann::json uncontested =
        HandEvent(HandEvent::PotAwarded{0, 30, {SeatAmount{2, 30}}, std::nullopt});
    EXPECT_FALSE(uncontested["potAwarded"].contains("hand"));
    const nlohmann::json shown =
        HandEvent(HandEvent::PotAwarded{0, 30, {SeatAmount{2, 30}}, HandValue{7462}});
    EXPECT_EQ(shown["potAwarded"]["hand"], 7462);
    const nlohmann::json acted = HandEvent(HandEvent::Acted{0, ActionKind::call, 20, 20, true});
    EXPECT_EQ(
        acted,
        nlohmann::json::parse(
            R"({"acted": {"seat": 0, "kind": "call", "amount": 20, "streetBet": 20, "isAllIn": true}})"));
}

TEST(HandEventJson, NullOrMissingCardsAreAbsentButEmptyIsNot) {
    EXPECT_EQ(read(R"({"holeCardsDealt": {"seat": 1, "cards": null}})"),
              HandEvent(HandEvent::HoleCardsDealt{1, std::nullopt}));
    const auto empty = read(R"({"holeCardsDealt": {"seat": 1, "cards": []}})");
    EXPECT_EQ(empty, HandEvent(HandEvent::HoleCardsDealt{1, std::vector<Card>{}}));
    EXPECT_NE(empty, HandEvent(HandEvent::HoleCardsDealt{1, std::nullopt}));
    EXPECT_NE(HandEvent(HandEvent::HoleCardsDealt{1, cards({"As", "Kd"})}),
              HandEvent(HandEvent::HoleCardsDealt{1, std::nullopt}));
}

TEST(HandEventJson, NeedsExactlyOneCaseKey) {
    expectKeyCountError(R"({"acted": {}, "boardDealt": {}})");
    expectKeyCountError(R"({})");
    expectKeyCountError(R"({"dealt": {"seat": 1}})");
    EXPECT_EQ(read(R"({"antePosted": {"seat": 1, "amount": 5, "note": 1}, "other": 2})"),
              HandEvent(HandEvent::AntePosted{1, 5}));
}

TEST(HandEventJson, NestedValuesAreChecked) {
    for (const char* text : {
             R"({"acted": {"seat": 0, "kind": "call", "amount": 20, "streetBet": 20}})",
             R"({"acted": {"seat": 0, "kind": "shove", "amount": 20, "streetBet": 20, "isAllIn": true}})",
             R"({"blindPosted": {"seat": 0, "amount": 20, "blind": "Big"}})",
             R"({"boardDealt": {"street": "Flop", "cards": ["2c", "3d", "4h"]}})",
             R"({"boardDealt": {"street": "flop", "cards": ["2c", "3d", "10h"]}})",
             R"({"handRevealed": {"seat": 0, "cards": ["2c", "3d"], "value": 0}})",
             R"({"playerEliminated": {"seat": 0, "player": {"raw": "x"}}})",
             R"({"handStarted": {"handNumber": 1, "buttonIndex": 0, "blinds": {}, "stacks": []}})",
             R"({"potAwarded": {"potIndex": 0, "amount": 5, "shares": [{"seat": 1}]}})",
         }) {
        EXPECT_THROW((void)read(text), DecodingError) << text;
    }
    EXPECT_EQ(blindKindFromString("big"), BlindKind::big);
    EXPECT_FALSE(blindKindFromString("BIG"));
}
