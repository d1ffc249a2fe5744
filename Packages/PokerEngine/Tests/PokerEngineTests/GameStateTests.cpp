#include "EngineTestSupport.h"

#include "PokerEngine/DecodingError.h"
#include "PokerEngine/GameStateCheck.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <tuple>

using namespace PokerEngine;
using namespace EngineTest;

namespace {

GameState midHand() {
    auto state = startHand(table(4, 1000, 5, 6, 11));
    state = act(state, Action::raise(60));
    state = act(state, Action::call());
    return state;
}

constexpr std::int64_t big = std::int64_t{1} << 61;

GameState roundTrip(const GameState& state) {
    return nlohmann::json(state).get<GameState>();
}

} // namespace

TEST(GameStateJson, MidHandRoundTripContinuesIdentically) {
    const auto state = midHand();
    const auto restored = roundTrip(state);
    EXPECT_EQ(restored, state);
    auto a = state;
    auto b = restored;
    while (a.street() != Street::handComplete) {
        const auto legal = legalActions(a);
        const auto action = legal.canCheck ? Action::check() : Action::call();
        a = act(a, action);
        b = act(b, action);
        ASSERT_EQ(a, b);
    }
    EXPECT_EQ(startHand(a), startHand(b));
}

TEST(GameStateJson, OptionalIndexesAreLeftOutWhenAbsent) {
    const auto betweenHands = table(3);
    const nlohmann::json json = betweenHands;
    EXPECT_FALSE(json.contains("actingIndex"));
    EXPECT_FALSE(json.contains("lastAggressorIndex"));
    EXPECT_EQ(json.size(), 15u);
    const nlohmann::json playing = midHand();
    EXPECT_TRUE(playing.contains("actingIndex"));
    EXPECT_TRUE(playing.contains("lastAggressorIndex"));
    EXPECT_EQ(playing.size(), 17u);
}

TEST(GameStateJson, RequiredKeysAndNullIndexes) {
    const nlohmann::json json = table(3);
    for (const char* key :
         {"log", "deck", "rng", "schemaVersion", "config", "seats", "buttonIndex", "street", "board", "pots",
          "currentBet", "lastFullRaiseSize", "handNumber", "blinds", "eliminated"}) {
        auto missing = json;
        missing.erase(key);
        EXPECT_THROW((void)missing.get<GameState>(), DecodingError) << key;
    }
    auto withNull = json;
    withNull["actingIndex"] = nullptr;
    withNull["lastAggressorIndex"] = nullptr;
    EXPECT_EQ(withNull.get<GameState>(), table(3));
}

TEST(GameStateJson, PotEligibilityOrderDoesNotMatter) {
    nlohmann::json json = startHand(table(3, 1000, 5));
    ASSERT_EQ(json["pots"][0]["eligible"].size(), 3u);
    std::swap(json["pots"][0]["eligible"][0], json["pots"][0]["eligible"][2]);
    EXPECT_EQ(json.get<GameState>(), startHand(table(3, 1000, 5)));
}

TEST(GameStateJson, RefusesStatesTheEngineCouldNotHaveMade) {
    const nlohmann::json good = midHand();
    ASSERT_NO_THROW((void)good.get<GameState>());
    const std::vector<std::pair<const char*, std::function<void(nlohmann::json&)>>> damages{
        {"fewer seats than configured", [](auto& j) { j["seats"].erase(j["seats"].size() - 1); }},
        {"seat count of seven", [](auto& j) { j["config"]["seatCount"] = 7; }},
        {"seat index out of place", [](auto& j) { j["seats"][1]["index"] = 4; }},
        {"button outside", [](auto& j) { j["buttonIndex"] = 6; }},
        {"acting seat outside", [](auto& j) { j["actingIndex"] = -1; }},
        {"aggressor outside", [](auto& j) { j["lastAggressorIndex"] = 9; }},
        {"nobody to act mid-street", [](auto& j) { j.erase("actingIndex"); }},
        {"a state at showdown", [](auto& j) { j["street"] = "showdown"; }},
        {"short deck", [](auto& j) { j["deck"]["cards"].erase(0); }},
        {"deck position past the end", [](auto& j) { j["deck"]["position"] = 53; }},
        {"negative deck position", [](auto& j) { j["deck"]["position"] = -1; }},
        {"repeated deck card", [](auto& j) { j["deck"]["cards"][0] = j["deck"]["cards"][1]; }},
        {"hole card twice", [](auto& j) { j["seats"][1]["holeCards"][0] = j["seats"][0]["holeCards"][0]; }},
        {"board on preflop",
         [](auto& j) {
             j["board"] = {"2c", "3c", "4c"};
         }},
        {"negative stack", [](auto& j) { j["seats"][0]["stack"] = -5; }},
        {"negative bet", [](auto& j) { j["seats"][0]["streetBet"] = -5; }},
        {"negative current bet", [](auto& j) { j["currentBet"] = -1; }},
        {"player seated twice", [](auto& j) { j["seats"][1]["player"] = j["seats"][0]["player"]; }},
        {"empty blind schedule", [](auto& j) { j["config"]["blinds"]["levels"] = nlohmann::json::array(); }},
        {"zero hands per level", [](auto& j) { j["config"]["blinds"]["handsPerLevel"] = 0; }},
        {"negative blinds at a later level",
         [](auto& j) {
             j["config"]["blinds"]["levels"].push_back({{"smallBlind", -5}, {"bigBlind", -10}, {"ante", 0}});
         }},
        {"next hand's blinds past any integer",
         [](auto& j) {
             j["config"]["blinds"]["handsPerLevel"] = 1;
             j["handNumber"] = 5000;
         }},
        {"last hand number there is", [](auto& j) { j["handNumber"] = INT64_MAX; }},
        {"huge stacks", [](auto& j) { j["seats"][0]["stack"] = INT64_MAX; }},
        {"generator state", [](auto& j) { j["rng"]["state"][0] = "zz"; }},
    };
    for (const auto& [what, damage] : damages) {
        auto json = good;
        damage(json);
        EXPECT_THROW((void)json.get<GameState>(), DecodingError) << what;
    }
}

// States that read and look whole but would stop the program some moves later, in the engine, the
// bots' arithmetic or the settlement. Each is refused when read, so a saved game holding one is set
// aside instead of resumed.
TEST(GameStateJson, RefusesStatesThatWouldStopPlayLater) {
    const nlohmann::json preflop = midHand();
    auto flopState = midHand();
    while (flopState.street() == Street::preflop) {
        flopState = act(flopState, legalActions(flopState).canCheck ? Action::check() : Action::call());
    }
    ASSERT_EQ(flopState.street(), Street::flop);
    const nlohmann::json flop = flopState;
    const nlohmann::json between = table(3);
    const auto acting = preflop["actingIndex"].get<std::size_t>();
    const auto other = (acting + 1) % 4;

    const std::vector<std::tuple<const char*, const nlohmann::json*, std::function<void(nlohmann::json&)>>>
        damages{
            {"deck dealt again from the start", &preflop, [](auto& j) { j["deck"]["position"] = 0; }},
            {"an undealt card is also in a hand", &preflop,
             [](auto& j) {
                 auto& cards = j["deck"]["cards"];
                 const auto position = j["deck"]["position"].template get<std::size_t>();
                 std::swap(cards[0], cards[position]);
             }},
            {"flop cards still to be dealt", &flop,
             [](auto& j) { j["deck"]["position"] = j["deck"]["position"].template get<int>() - 3; }},
            {"nobody left to bet against", &preflop,
             [acting](auto& j) {
                 for (auto& seat : j["seats"]) {
                     if (seat["index"] != acting && seat["status"] == "active") {
                         seat["status"] = "folded";
                     }
                 }
             }},
            {"a busted seat with chips in the hand", &preflop,
             [other](auto& j) { j["seats"][other]["status"] = "busted"; }},
            {"a sitting-out seat with chips in the hand", &preflop,
             [other](auto& j) { j["seats"][other]["status"] = "sittingOut"; }},
            {"a busted seat holding a stack", &between, [](auto& j) { j["seats"][2]["status"] = "busted"; }},
            {"an active seat without chips", &preflop, [other](auto& j) { j["seats"][other]["stack"] = 0; }},
            {"a street bet above the bet to call", &preflop,
             [other](auto& j) {
                 j["seats"][other]["streetBet"] = 500;
                 j["seats"][other]["totalCommitted"] = 505;
             }},
            {"a stack from 2^61", &preflop, [](auto& j) { j["seats"][0]["stack"] = big; }},
            {"stacks that together pass what a table holds", &preflop,
             [](auto& j) {
                 for (std::size_t seat = 0; seat < 4; ++seat) {
                     j["seats"][seat]["stack"] = maxTableChips / 3;
                 }
             }},
            {"a minimum raise past any integer", &preflop,
             [](auto& j) { j["lastFullRaiseSize"] = INT64_MAX; }},
            {"a current bet past any chips", &preflop, [](auto& j) { j["currentBet"] = big; }},
            // Played on, each would be booked off by the chips it makes up or loses.
            {"pots that do not hold the chips committed", &flop,
             [](auto& j) { j["pots"][0]["amount"] = j["pots"][0]["amount"].template get<int>() - 1; }},
            {"a stack that does not add up from the hand's start", &preflop,
             [other](auto& j) {
                 j["seats"][other]["stack"] = j["seats"][other]["stack"].template get<int>() - 100;
             }},
            {"pots that add up past any chips", &flop,
             [](auto& j) {
                 j["pots"][0]["amount"] = maxTableChips;
                 j["pots"].push_back(j["pots"][0]);
             }},
            {"a blind level no table reaches", &preflop,
             [](auto& j) {
                 j["config"]["blinds"]["levels"][0] = {
                     {"smallBlind", big}, {"bigBlind", 2 * big}, {"ante", 0}};
             }},
            // Found by the resume fuzzer: the next deal would post a small blind above the bet to call.
            {"a later small blind above its big blind", &preflop,
             [](auto& j) {
                 j["config"]["blinds"]["levels"].push_back(
                     {{"smallBlind", 10}, {"bigBlind", 0}, {"ante", 0}});
                 j["config"]["blinds"]["handsPerLevel"] = 1;
             }},
            {"the log names a seat off the table", &preflop,
             [](auto& j) { j["log"][1]["antePosted"]["seat"] = 6; }},
            {"the log holds a negative amount", &preflop,
             [](auto& j) { j["log"][1]["antePosted"]["amount"] = INT64_MIN; }},
            {"the log starts with another hand", &preflop,
             [](auto& j) { j["log"][0]["handStarted"]["handNumber"] = 7; }},
            {"the log lost its start", &preflop, [](auto& j) { j["log"].erase(0); }},
            {"a finished hand without its log", &preflop,
             [](auto& j) {
                 j.erase("actingIndex");
                 j["street"] = "handComplete";
                 j["board"] = nlohmann::json::array();
                 j["pots"] = nlohmann::json::array();
                 j["currentBet"] = 0;
                 for (auto& seat : j["seats"]) {
                     seat["streetBet"] = 0;
                     seat["totalCommitted"] = 0;
                 }
                 j["log"] = nlohmann::json::array();
             }},
        };
    for (const auto& [what, base, damage] : damages) {
        auto json = *base;
        damage(json);
        EXPECT_THROW((void)json.get<GameState>(), DecodingError) << what;
    }
}

TEST(GameStateJson, AmountsUpToWhatATableCanHoldAreAccepted) {
    nlohmann::json json = table(2, 1000);
    json["seats"][0]["stack"] = maxTableChips - 1000;
    EXPECT_NO_THROW((void)json.get<GameState>());
    json["seats"][0]["stack"] = maxTableChips - 999;
    EXPECT_THROW((void)json.get<GameState>(), DecodingError);
}

TEST(GameStateQueries, SeatIndexAndTotalChips) {
    auto state = table(4, 1000, 0, 6);
    EXPECT_EQ(state.seatIndex(player(3)), 3);
    EXPECT_FALSE(state.seatIndex(player(9)));
    EXPECT_EQ(state.totalChips(), 4000);
    state = startHand(state);
    EXPECT_EQ(state.totalChips(), 4000);
    EXPECT_EQ(findInconsistency(state), std::nullopt);
}

TEST(GameStateQueries, EqualStatesHashAlike) {
    const auto state = midHand();
    EXPECT_EQ(std::hash<GameState>{}(state), std::hash<GameState>{}(roundTrip(state)));
    EXPECT_NE(std::hash<GameState>{}(state), std::hash<GameState>{}(act(state, Action::fold())));
    const auto seen = view(state, player(1));
    EXPECT_EQ(std::hash<PlayerView>{}(seen), std::hash<PlayerView>{}(nlohmann::json(seen).get<PlayerView>()));
}
