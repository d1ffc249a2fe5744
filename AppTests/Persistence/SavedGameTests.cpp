#include "Persistence/SavedGame.h"
#include "PokerEngine/DecodingError.h"
#include "SavedGameFixtures.h"
#include "Json/StoredJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using namespace SavedGameFixtures;

namespace {

const PokerEngine::Seat& heroSeat(const SavedGame& game) {
    return game.state.seats().at(static_cast<std::size_t>(*game.state.seatIndex(game.hero)));
}

bool reads(const json& value) {
    try {
        value.get<SavedGame>();
        return true;
    } catch (const PokerEngine::DecodingError&) {
        return false;
    }
}

} // namespace

TEST(SavedGame, RoundTripsMidHandAndKeepsTheDeckAndGenerators) {
    for (const auto& game : {sitAndGo(7), cashTable(3, 4), quickHand(1), cashTable(1, 0)}) {
        const auto read = json::parse(storedJsonText(game)).get<SavedGame>();
        EXPECT_EQ(read, game);
        EXPECT_EQ(read.state.deck(), game.state.deck());
        EXPECT_EQ(read.botRNGs, game.botRNGs);
    }
}

TEST(SavedGame, WritesAllNineKeysInSortedOrder) {
    const auto text = storedJsonText(quickHand(1));
    const json written = json::parse(text);
    std::vector<std::string> keys;
    for (const auto& item : written.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"botRNGs", "hero", "replacementsSeated", "resultHeld",
                                              "savedAt", "schemaVersion", "seatKinds", "setup", "state"}));
    EXPECT_EQ(text.rfind(R"({"botRNGs":{"1":{"state":)", 0), 0u);
    EXPECT_EQ(written["savedAt"], "2026-03-14T09:30:05Z");
    EXPECT_EQ(written["seatKinds"][0], json::parse(R"({"human":{}})"));
}

TEST(SavedGame, FractionOfASecondIsLostOnTheWay) {
    auto game = quickHand(1);
    game.savedAt += std::chrono::milliseconds(250);
    const auto read = json(game).get<SavedGame>();
    EXPECT_NE(read, game);
    EXPECT_EQ(read.savedAt, wholeSecond());
}

TEST(SavedGame, EveryKeyIsRequired) {
    const json written = sitAndGo(3);
    for (const auto& item : written.items()) {
        json damaged = written;
        damaged.erase(item.key());
        EXPECT_FALSE(reads(damaged)) << "without " << item.key();
        damaged[item.key()] = nullptr;
        EXPECT_FALSE(reads(damaged)) << item.key() << " null";
    }
    json extra = written;
    extra["comment"] = "ignored";
    EXPECT_TRUE(reads(extra));
}

TEST(SavedGame, SavedAtOutsideTheClocksYearsIsRefused) {
    json written = sitAndGo(3);
    for (const char* outside : {"1677-09-21T00:12:43Z", "2262-04-11T23:47:17Z", "9999-12-31T23:59:59Z"}) {
        written["savedAt"] = outside;
        try {
            written.get<SavedGame>();
            ADD_FAILURE() << outside << " was read";
        } catch (const PokerEngine::DecodingError& error) {
            EXPECT_STREQ(error.what(), "Expected date string to be ISO8601-formatted.");
        }
    }
    written["savedAt"] = "2262-04-11T23:47:16Z";
    EXPECT_EQ(json(written.get<SavedGame>())["savedAt"], "2262-04-11T23:47:16Z");
}

TEST(SavedGame, WrongTypesAnywhereMakeItUnreadable) {
    const json written = cashTable(2, 2);
    // Every value in the file, however deep, replaced by one of another type.
    std::size_t tried = 0;
    const json flat = written.flatten();
    for (const auto& entry : flat.items()) {
        const json::json_pointer pointer(entry.key());
        for (const json& wrong : {json("text"), json(json::array({1})), json(true)}) {
            if (wrong.type() == entry.value().type()) {
                continue;
            }
            json damaged = written;
            damaged[pointer] = wrong;
            EXPECT_FALSE(reads(damaged)) << entry.key() << " = " << wrong;
            ++tried;
        }
    }
    EXPECT_GT(tried, 200u);
}

TEST(SavedGame, NullSeatKindReadsAsAbsentOnAnEmptySeat) {
    // Between hands, so the emptied seat has no chips or cards in a hand.
    auto game = sitAndGo(-1);
    json written = game;
    // A seat without a player may carry no kind.
    written["state"]["seats"][5].erase("player");
    written["state"]["seats"][5]["status"] = "empty";
    written["state"]["seats"][5]["stack"] = 0;
    written["seatKinds"][5] = nullptr;
    if (!reads(written)) {
        GTEST_SKIP() << "the engine refuses this table for its own reasons";
    }
    EXPECT_FALSE(written.get<SavedGame>().seatKinds[5].has_value());
}

TEST(SavedGame, GeneratorKeysMustBeSeatNumbers) {
    json written = quickHand(1);
    json moved = written;
    moved["botRNGs"]["+1"] = moved["botRNGs"]["1"];
    moved["botRNGs"].erase("1");
    EXPECT_TRUE(reads(moved));
    for (const char* key : {"one", "1.0", "", " 1", "99999999999999999999"}) {
        json damaged = written;
        damaged["botRNGs"][key] = damaged["botRNGs"]["1"];
        EXPECT_FALSE(reads(damaged)) << '"' << key << '"';
    }
    json twice = written;
    twice["botRNGs"]["01"] = twice["botRNGs"]["1"];
    EXPECT_FALSE(reads(twice));
}

TEST(SavedGame, AGameThatDoesNotHangTogetherIsRefused) {
    const json written = cashTable(2, 3);
    const auto refuse = [&](const char* what, auto damage) {
        json damaged = written;
        damage(damaged);
        EXPECT_FALSE(reads(damaged)) << what;
    };
    refuse("negative replacements", [](json& j) { j["replacementsSeated"] = -1; });
    refuse("hero not seated", [](json& j) { j["hero"]["raw"] = "00000000-0000-0000-0000-000000000001"; });
    refuse("hero seat is a bot", [&](json& j) { j["seatKinds"][0] = j["seatKinds"][1]; });
    refuse("bot seat is human", [](json& j) { j["seatKinds"][2] = json::parse(R"({"human":{}})"); });
    refuse("bot seat without kind", [](json& j) { j["seatKinds"][1] = nullptr; });
    refuse("bot without generator", [](json& j) { j["botRNGs"].erase("2"); });
    refuse("too few kinds", [](json& j) { j["seatKinds"].erase(2); });
    refuse("too many kinds", [](json& j) { j["seatKinds"].push_back(nullptr); });
    refuse("setup for another table size", [](json& j) {
        j["setup"]["cashTable"]["_0"]["opponents"].push_back(j["setup"]["cashTable"]["_0"]["opponents"][0]);
    });
    refuse("sit and go setup on a three-seat table",
           [](json& j) { j["setup"] = json::parse(R"({"sitAndGo":{"_0":{"opponents":[],"seed":1}}})"); });
    refuse("practice is never saved", [](json& j) {
        j["setup"] = {{"practice", {{"_0", {{"opponent", j["seatKinds"][1]["bot"]["_0"]}, {"seed", 4358}}}}}};
    });
    json replaced = written;
    replaced["replacementsSeated"] = 4;
    EXPECT_TRUE(reads(replaced));
}

TEST(SavedGame, ChipsAtTable) {
    for (int actions : {0, 3, 9}) {
        EXPECT_EQ(sitAndGo(actions).chipsAtTable(), 500);
    }
    const auto cash = cashTable(3, 4);
    EXPECT_EQ(cash.chipsAtTable(), heroSeat(cash).stack + heroSeat(cash).totalCommitted);
    EXPECT_EQ(cashTable(3, 0).chipsAtTable(), 5000);
    auto stranger = cash;
    stranger.hero = PokerEngine::PlayerID::random();
    EXPECT_EQ(stranger.chipsAtTable(), 0);
}

TEST(SavedGame, Forfeit) {
    const auto cash = cashTable(3, 5);
    ASSERT_TRUE(PokerEngine::isBetting(cash.state.street()));
    EXPECT_GT(heroSeat(cash).totalCommitted, 0);
    EXPECT_EQ(SavedGame::forfeit(cash.setup, cash.state, cash.hero), heroSeat(cash).totalCommitted);
    EXPECT_EQ(SavedGame::forfeit(cash.setup, cash.state, PokerEngine::PlayerID::random()), 0);

    const auto fresh = PokerEngine::newTable({2, PokerEngine::BlindSchedule::fixed(10, 20, 0), 2000},
                                             {cash.hero, PokerEngine::PlayerID::random()}, 1);
    EXPECT_EQ(SavedGame::forfeit(cash.setup, fresh, cash.hero), 0);

    const auto quick = quickHand(1);
    EXPECT_EQ(SavedGame::forfeit(quick.setup, quick.state, quick.hero), heroSeat(quick).totalCommitted);
    EXPECT_EQ(SavedGame::forfeit(GameSetup::practice({}), quick.state, quick.hero), 0);
    EXPECT_EQ(SavedGame::forfeit(GameSetup::sitAndGo({}), fresh, cash.hero), 500);
}
