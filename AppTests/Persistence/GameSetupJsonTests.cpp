#include "Game/BotSpeed.h"
#include "Game/CashStakes.h"
#include "Game/GameMode.h"
#include "Game/GameSetup.h"
#include "Game/TableDifficulty.h"
#include "PokerEngine/DecodingError.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using BotKit::BotProfile;
using BotKit::BotTier;
using nlohmann::json;

namespace {

std::vector<GameSetup> oneOfEach() {
    const auto finn = BotProfile::standard(BotTier::hard);
    const auto goldie = BotProfile::standard(BotTier::easy, "Goldie", "goldie");
    return {
        GameSetup::quickHand({finn, 18446744073709551615ULL, 5}),
        GameSetup::cashTable({CashStakes::medium, 40, TableDifficulty::mixed, {finn, goldie}, 77}),
        GameSetup::sitAndGo({{finn, goldie, finn, goldie, finn}, 9}),
        GameSetup::practice({}),
    };
}

std::string decodingFailure(const json& value) {
    try {
        value.get<GameSetup>();
    } catch (const PokerEngine::DecodingError& error) {
        return error.what();
    }
    return "decoded";
}

} // namespace

TEST(GameModes, RawValuesRoundTripAndUnknownOnesAreAbsent) {
    for (auto mode : allGameModes) {
        EXPECT_EQ(gameModeFromString(toString(mode)), mode);
        EXPECT_EQ(json(mode).get<GameMode>(), mode);
    }
    for (auto speed : allBotSpeeds) {
        EXPECT_EQ(json(speed).get<BotSpeed>(), speed);
    }
    for (auto difficulty : allTableDifficulties) {
        EXPECT_EQ(json(difficulty).get<TableDifficulty>(), difficulty);
    }
    EXPECT_EQ(json(GameMode::sitAndGo).dump(), R"("sitAndGo")");
    EXPECT_FALSE(gameModeFromString("QuickHand"));
    EXPECT_FALSE(botSpeedFromString("warp"));
    EXPECT_FALSE(tableDifficultyFromString(""));
    EXPECT_THROW(json("warp").get<BotSpeed>(), PokerEngine::DecodingError);
    EXPECT_THROW(json(1).get<GameMode>(), PokerEngine::DecodingError);
}

TEST(GameModes, CashStakesAreTheirBigBlinds) {
    EXPECT_EQ(json(CashStakes::low).dump(), "10");
    EXPECT_EQ(json(CashStakes::medium).dump(), "50");
    EXPECT_EQ(json(CashStakes::high).dump(), "200");
    EXPECT_EQ(json(200).get<CashStakes>(), CashStakes::high);
    EXPECT_FALSE(cashStakesFromBigBlind(20));
    EXPECT_THROW(json(25).get<CashStakes>(), PokerEngine::DecodingError);
    EXPECT_THROW(json("low").get<CashStakes>(), PokerEngine::DecodingError);
}

TEST(GameModes, DifficultiesNameTiersExceptMixed) {
    EXPECT_EQ(botTier(TableDifficulty::easy), BotTier::easy);
    EXPECT_EQ(botTier(TableDifficulty::hard), BotTier::hard);
    EXPECT_EQ(botTier(TableDifficulty::mixed), std::nullopt);
    EXPECT_EQ(botPace(BotSpeed::fast), std::chrono::milliseconds(400));
    EXPECT_EQ(botPace(BotSpeed::slow), std::chrono::milliseconds(1500));
}

TEST(GameSetupJson, EveryCaseRoundTripsUnderItsCaseName) {
    for (const auto& setup : oneOfEach()) {
        const json written = setup;
        ASSERT_EQ(written.size(), 1u);
        EXPECT_EQ(written.begin().key(), toString(setup.mode()));
        EXPECT_TRUE(written.begin()->contains("_0"));
        EXPECT_EQ(written.get<GameSetup>(), setup);
    }
}

TEST(GameSetupJson, WrittenFormHasEveryField) {
    const json cash = oneOfEach()[1];
    EXPECT_EQ(cash["cashTable"]["_0"]["stakes"], 50);
    EXPECT_EQ(cash["cashTable"]["_0"]["difficulty"], "mixed");
    EXPECT_EQ(cash["cashTable"]["_0"]["buyInBB"], 40);
    EXPECT_EQ(cash["cashTable"]["_0"]["opponents"].size(), 2u);
    const json quick = oneOfEach()[0];
    EXPECT_EQ(quick["quickHand"]["_0"]["seed"].get<std::uint64_t>(), 18446744073709551615ULL);
}

TEST(GameSetupJson, ExactlyOneCaseKey) {
    const json quick = oneOfEach()[0];
    const json practice = oneOfEach()[3];
    json two = quick;
    two["practice"] = practice["practice"];
    EXPECT_EQ(decodingFailure(two), "Invalid number of keys found, expected one.");
    EXPECT_EQ(decodingFailure(json::object({{"chess", 1}})), "Invalid number of keys found, expected one.");
    json extra = quick;
    extra["chess"] = 1;
    extra["quickHand"]["note"] = "ignored";
    EXPECT_EQ(extra.get<GameSetup>(), oneOfEach()[0]);
    EXPECT_NE(decodingFailure(json::object({{"practice", json::object()}})), "decoded");
}

TEST(GameSetupJson, QuickHandCountIsLenientButNotClamped) {
    json quick = oneOfEach()[0];
    auto hands = [&](const json& value) {
        json changed = quick;
        if (value.is_discarded()) {
            changed["quickHand"]["_0"].erase("hands");
        } else {
            changed["quickHand"]["_0"]["hands"] = value;
        }
        return std::get<QuickHandSetup>(changed.get<GameSetup>().value()).hands;
    };
    EXPECT_EQ(hands(json(json::value_t::discarded)), 1);
    EXPECT_EQ(hands("three"), 1);
    EXPECT_EQ(hands(nullptr), 1);
    EXPECT_EQ(hands(2.5), 1);
    EXPECT_EQ(hands(0), 0);
    EXPECT_EQ(hands(75), 75);
}

TEST(GameSetupJson, OtherFieldsAreRequired) {
    for (const auto& setup : oneOfEach()) {
        const json written = setup;
        const auto& name = written.begin().key();
        for (const auto& [key, value] : written[name]["_0"].items()) {
            if (key == "hands") {
                continue;
            }
            json damaged = written;
            damaged[name]["_0"].erase(key);
            EXPECT_NE(decodingFailure(damaged), "decoded") << name << " without " << key;
            damaged[name]["_0"][key] = "wrong";
            EXPECT_NE(decodingFailure(damaged), "decoded") << name << " with a text " << key;
        }
    }
    json negativeSeed = oneOfEach()[2];
    negativeSeed["sitAndGo"]["_0"]["seed"] = -1;
    EXPECT_NE(decodingFailure(negativeSeed), "decoded");
}

TEST(GameSetupJson, PracticeDefaultsAreTheFirstEasyCharacterAndSeed4358) {
    const PracticeSetup practice;
    EXPECT_EQ(practice, (PracticeSetup{BotProfile::standard(BotTier::easy), 4358}));
    EXPECT_EQ(GameSetup::practice(practice).mode(), GameMode::practice);
    EXPECT_EQ(GameSetup::practice(practice).seed(), 4358u);
    EXPECT_EQ(SitAndGoSetup::payoutPercents[0] + SitAndGoSetup::payoutPercents[1], 100);
}

TEST(GameSetupJson, EqualSetupsHashAlikeAndCasesApart) {
    const auto setups = oneOfEach();
    for (const auto& setup : setups) {
        EXPECT_EQ(std::hash<GameSetup>{}(setup), std::hash<GameSetup>{}(json(setup).get<GameSetup>()));
    }
    EXPECT_NE(std::hash<GameSetup>{}(setups[0]), std::hash<GameSetup>{}(setups[3]));
    auto reseeded = std::get<CashTableSetup>(setups[1].value());
    reseeded.seed += 1;
    EXPECT_NE(std::hash<GameSetup>{}(setups[1]), std::hash<GameSetup>{}(GameSetup::cashTable(reseeded)));
}
