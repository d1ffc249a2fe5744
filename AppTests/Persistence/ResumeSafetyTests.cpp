// Saved games that read as JSON and look whole, yet would stop the program a few moves after they
// were resumed. Each is refused when read: set aside byte for byte, and the game starts without it.
#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "PersistenceTestSupport.h"
#include "SavedGameFixtures.h"

#include "PokerEngine/GameStateCheck.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <stdexcept>

using nlohmann::json;

namespace {

// A three-handed cash table whose first hand the first to act took with a raise that both blinds
// folded to: the part of the raise nobody called went back, and the blinds made the pot.
SavedGame cashTableTakenByARaise() {
    using namespace PokerEngine;
    auto game = SavedGameFixtures::cashTable(2, 0);
    auto& state = game.state;
    const auto playerToAct = [&state] {
        return *state.seats().at(static_cast<std::size_t>(*state.actingIndex())).player;
    };
    state = apply(Action::raise(*legalActions(state).minRaiseTo), playerToAct(), state);
    while (state.actingIndex()) {
        state = apply(Action::fold(), playerToAct(), state);
    }
    return game;
}

// A three-handed cash table in the middle of its first hand: preflop, or the first action after
// the flop; or, for a finished hand, the one taken by a raise.
SavedGame cashTableOn(PokerEngine::Street street) {
    if (street == PokerEngine::Street::handComplete) {
        return cashTableTakenByARaise();
    }
    for (int actions = 0; actions < 40; ++actions) {
        auto game = SavedGameFixtures::cashTable(2, actions);
        if (game.state.street() == street) {
            return game;
        }
    }
    ADD_FAILURE() << "no fixture reaches the street";
    return SavedGameFixtures::cashTable(2, 0);
}

struct Damage {
    const char* kind;
    PokerEngine::Street street;
    std::function<void(json&)> apply;
};

const std::int64_t from61 = std::int64_t{1} << 61;

// The seat to act and another seat still in the hand.
std::size_t acting(const json& game) {
    return game["state"]["actingIndex"].get<std::size_t>();
}

// The finished hand's log entry of a kind ("potAwarded", "uncalledBetReturned"), and the seat folded in it.
json& logged(json& game, const char* kind) {
    for (auto& event : game["state"]["log"]) {
        if (event.contains(kind)) {
            return event[kind];
        }
    }
    throw std::logic_error(std::string("no ") + kind + " in the hand");
}

std::size_t foldedSeat(const json& game) {
    for (const auto& seat : game["state"]["seats"]) {
        if (seat["status"] == "folded") {
            return seat["index"].get<std::size_t>();
        }
    }
    throw std::logic_error("nobody folded");
}

// Adds chips to a seat's stack as an edited award or return would.
void addToStack(json& game, std::size_t seat, std::int64_t chips) {
    auto& stack = game["state"]["seats"][seat]["stack"];
    stack = stack.get<std::int64_t>() + chips;
}

const std::vector<Damage>& damages() {
    using PokerEngine::Street;
    static const std::vector<Damage> all{
        {"the deck dealt again from its start", Street::preflop,
         [](json& g) { g["state"]["deck"]["position"] = 0; }},
        {"an undealt card already in a hand", Street::preflop,
         [](json& g) {
             auto& cards = g["state"]["deck"]["cards"];
             std::swap(cards[0], cards[g["state"]["deck"]["position"].get<std::size_t>()]);
         }},
        {"a board card dealt twice", Street::flop,
         [](json& g) { g["state"]["deck"]["position"] = g["state"]["deck"]["position"].get<int>() - 1; }},
        {"a bot to act with nobody left in the hand", Street::preflop,
         [](json& g) {
             for (auto& seat : g["state"]["seats"]) {
                 if (seat["index"] != acting(g) && seat["status"] == "active") {
                     seat["status"] = "folded";
                 }
             }
         }},
        {"a busted seat with chips in the hand", Street::preflop,
         [](json& g) { g["state"]["seats"][(acting(g) + 1) % 3]["status"] = "busted"; }},
        {"a seat sitting out with chips in the hand", Street::preflop,
         [](json& g) { g["state"]["seats"][(acting(g) + 1) % 3]["status"] = "sittingOut"; }},
        {"a stack of 2^61", Street::preflop, [](json& g) { g["state"]["seats"][1]["stack"] = from61; }},
        {"stacks of 2^62 each", Street::flop,
         [](json& g) {
             for (auto& seat : g["state"]["seats"]) {
                 seat["stack"] = 2 * from61;
             }
         }},
        {"a minimum raise that overflows", Street::preflop,
         [](json& g) { g["state"]["lastFullRaiseSize"] = INT64_MAX - 10; }},
        {"pots whose total overflows", Street::flop,
         [](json& g) {
             auto& pots = g["state"]["pots"];
             pots[0]["amount"] = INT64_MAX;
             pots.push_back(pots[0]);
         }},
        // Chips that do not add up would be played on and booked off by the difference.
        {"pots a chip short of what was committed", Street::flop,
         [](json& g) {
             auto& pot = g["state"]["pots"][0]["amount"];
             pot = pot.get<std::int64_t>() - 1;
         }},
        {"the hero's stack 100 short of the hand's start", Street::preflop,
         [](json& g) {
             auto& stack = g["state"]["seats"][0]["stack"];
             stack = stack.get<std::int64_t>() - 100;
         }},
        {"an all-in seat with chips behind", Street::preflop,
         [](json& g) { g["state"]["seats"][(acting(g) + 1) % 3]["status"] = "allIn"; }},
        // Each of these stacks adds up with its log, but the log makes chips the hand never had.
        {"a folded seat awarded 1,000 chips from nowhere", Street::handComplete,
         [](json& g) {
             auto& award = logged(g, "potAwarded");
             const auto seat = foldedSeat(g);
             award["shares"].push_back({{"seat", seat}, {"amount", 1000}});
             award["amount"] = award["amount"].get<std::int64_t>() + 1000;
             addToStack(g, seat, 1000);
         }},
        {"a folded seat given a share of the pot", Street::handComplete,
         [](json& g) {
             auto& share = logged(g, "potAwarded")["shares"][0];
             const auto seat = foldedSeat(g);
             addToStack(g, share["seat"].get<std::size_t>(), -1);
             share["amount"] = share["amount"].get<std::int64_t>() - 1;
             logged(g, "potAwarded")["shares"].push_back({{"seat", seat}, {"amount", 1}});
             addToStack(g, seat, 1);
         }},
        {"an award a chip larger than its pot", Street::handComplete,
         [](json& g) {
             auto& award = logged(g, "potAwarded");
             award["amount"] = award["amount"].get<std::int64_t>() + 1;
             auto& share = award["shares"][0];
             share["amount"] = share["amount"].get<std::int64_t>() + 1;
             addToStack(g, share["seat"].get<std::size_t>(), 1);
         }},
        {"an uncalled bet returned a chip larger than it was", Street::handComplete,
         [](json& g) {
             auto& returned = logged(g, "uncalledBetReturned");
             returned["amount"] = returned["amount"].get<std::int64_t>() + 1;
             addToStack(g, returned["seat"].get<std::size_t>(), 1);
         }},
        {"a bot's looseness far outside its range", Street::preflop,
         [](json& g) { g["setup"]["cashTable"]["_0"]["opponents"][0]["looseness"] = 1e300; }},
        {"a seated bot's aggression below zero", Street::preflop,
         [](json& g) { g["seatKinds"][2]["bot"]["_0"]["aggression"] = -3.5; }},
        {"a seated bot's bluff frequency above one", Street::flop,
         [](json& g) { g["seatKinds"][1]["bot"]["_0"]["bluffFrequency"] = 7; }},
        {"a buy-in that overflows", Street::preflop,
         [](json& g) { g["setup"]["cashTable"]["_0"]["buyInBB"] = INT64_MAX / 3; }},
        {"a buy-in of no chips", Street::preflop,
         [](json& g) { g["setup"]["cashTable"]["_0"]["buyInBB"] = 0; }},
        {"a save date past 2262", Street::preflop, [](json& g) { g["savedAt"] = "2263-01-01T00:00:00Z"; }},
        {"a save date before 1677", Street::preflop, [](json& g) { g["savedAt"] = "1600-01-01T00:00:00Z"; }},
    };
    return all;
}

class DamagedSaveTest : public ::testing::TestWithParam<Damage> {
  protected:
    QString folder() const { return temporary.filePath("Chipwhistle"); }
    QString file(const QString& name) const { return QDir(folder()).filePath(name); }

    QTemporaryDir temporary;
    PersistenceLogCapture log;
};

TEST_P(DamagedSaveTest, IsSetAsideAndTheGameStarts) {
    const Damage& damage = GetParam();
    json game = cashTableOn(damage.street);
    ASSERT_NO_THROW((void)game.get<SavedGame>()) << "the undamaged save reads";
    damage.apply(game);
    QDir().mkpath(folder());
    Profile profile;
    profile.onboarded = true;
    PersistenceStore(folder()).writeProfile(profile);
    const QByteArray bytes = QByteArray::fromStdString(game.dump());
    writeBytes(file("savedgame.json"), bytes);

    AppState state{PersistenceStore(folder())};
    EXPECT_FALSE(state.savedGame());
    EXPECT_TRUE(state.profile().onboarded);
    EXPECT_TRUE(log.contains("savedgame.json is unreadable: ")) << log.messages().join("\n").toStdString();
    const auto names = fileNames(folder());
    ASSERT_EQ(names.size(), 2);
    EXPECT_TRUE(names[1].startsWith("savedgame.unreadable-"));
    EXPECT_EQ(readBytes(file(names[1])), bytes);

    ControllerHarness harness;
    harness.controller.setSession(&state);
    harness.controller.start(GameSetup::sitAndGo({SavedGameFixtures::bots(5), 4}));
    harness.playToEnd(checkOrCall, 3);
    EXPECT_TRUE(state.savedGame() || harness.controller.tableOver());
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedSaveTest, ::testing::ValuesIn(damages()), [](const auto& info) {
    std::string name;
    bool upper = true;
    for (const char character : std::string(info.param.kind)) {
        if (std::isalnum(static_cast<unsigned char>(character))) {
            name +=
                upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(character))) : character;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
});

} // namespace
