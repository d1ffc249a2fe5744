#include "PokerEngine/DecodingError.h"
#include "PokerEngine/PlayerID.h"
#include "PokerEngine/Pot.h"
#include "PokerEngine/Seat.h"
#include "PokerEngine/Street.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unordered_set>

using namespace PokerEngine;

namespace {
PlayerID player(const char* text) {
    return PlayerID{*Uuid::fromString(text)};
}
const char* aliceText = "E621E1F8-C36C-495A-93FC-0C247A3E6E5F";
const char* bobText = "00000000-0000-4000-8000-00000000000B";
} // namespace

TEST(PlayerIDText, WritesUpperCaseAndReadsEitherCase) {
    const auto alice = player(aliceText);
    EXPECT_EQ(alice.raw.toString(), aliceText);
    EXPECT_EQ(Uuid::fromString("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"), alice.raw);
    EXPECT_EQ(nlohmann::json(alice), (nlohmann::json{{"raw", aliceText}}));
    EXPECT_EQ(nlohmann::json({{"raw", "e621e1f8-c36c-495a-93fc-0c247a3e6e5f"}}).get<PlayerID>(), alice);
}

TEST(PlayerIDText, RefusesWhatIsNotAUuid) {
    for (const char* text : {"", "E621E1F8C36C495A93FC0C247A3E6E5F", "E621E1F8-C36C-495A-93FC-0C247A3E6E5",
                             "G621E1F8-C36C-495A-93FC-0C247A3E6E5F", "E621E1F8-C36C-495A-93FC_0C247A3E6E5F",
                             "E621E1F8-C36C-495A-93FC-0C247A3E6E5F0"}) {
        EXPECT_FALSE(Uuid::fromString(text).has_value()) << text;
    }
    EXPECT_THROW((void)nlohmann::json({{"raw", "nope"}}).get<PlayerID>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json(aliceText).get<PlayerID>(), DecodingError);
}

TEST(PlayerIDText, RandomIdsAreVersionFourAndDistinct) {
    std::unordered_set<PlayerID> ids;
    for (int i = 0; i < 100; ++i) {
        const auto id = PlayerID::random();
        const auto text = id.raw.toString();
        EXPECT_EQ(text[14], '4');
        EXPECT_EQ(Uuid::fromString(text), id.raw);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 100u);
}

TEST(SeatRecord, ConstructorClearsTheHandFields) {
    const Seat seat(2, player(aliceText), 500, SeatStatus::active);
    EXPECT_EQ(seat.index, 2);
    EXPECT_TRUE(seat.holeCards.empty());
    EXPECT_EQ(seat.streetBet, 0);
    EXPECT_EQ(seat.totalCommitted, 0);
    EXPECT_FALSE(seat.hasActedThisRound);
    EXPECT_EQ(seat.betWhenLastActed, 0);
    for (auto status : {SeatStatus::empty, SeatStatus::active, SeatStatus::folded, SeatStatus::allIn,
                        SeatStatus::sittingOut, SeatStatus::busted}) {
        const Seat other(0, std::nullopt, 0, status);
        EXPECT_EQ(other.isInHand(), status == SeatStatus::active || status == SeatStatus::allIn);
    }
}

TEST(SeatRecord, JsonLeavesOutAnAbsentPlayer) {
    Seat seat(1, std::nullopt, 0, SeatStatus::empty);
    nlohmann::json json = seat;
    EXPECT_FALSE(json.contains("player"));
    EXPECT_EQ(json["status"], "empty");
    json["player"] = nullptr;
    EXPECT_EQ(json.get<Seat>(), seat);

    Seat full(3, player(aliceText), 740, SeatStatus::allIn);
    full.holeCards = {*Card::fromCode("As"), *Card::fromCode("Kd")};
    full.streetBet = 60;
    full.totalCommitted = 260;
    full.hasActedThisRound = true;
    full.betWhenLastActed = 60;
    const nlohmann::json fullJson = full;
    EXPECT_EQ(fullJson["holeCards"], (nlohmann::json{"As", "Kd"}));
    EXPECT_EQ(fullJson.get<Seat>(), full);

    for (const char* key : {"index", "stack", "holeCards", "streetBet", "totalCommitted", "status",
                            "hasActedThisRound", "betWhenLastActed"}) {
        auto missing = fullJson;
        missing.erase(key);
        EXPECT_THROW((void)missing.get<Seat>(), DecodingError) << key;
    }
}

TEST(SeatRecord, StatusAndStreetTextsAreExact) {
    EXPECT_EQ(seatStatusFromString("sittingOut"), SeatStatus::sittingOut);
    EXPECT_FALSE(seatStatusFromString("SittingOut"));
    EXPECT_EQ(streetFromString("handComplete"), Street::handComplete);
    EXPECT_FALSE(streetFromString("Flop"));
    EXPECT_THROW((void)nlohmann::json("AllIn").get<SeatStatus>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json("River").get<Street>(), DecodingError);
    EXPECT_EQ(nlohmann::json(Street::waitingToStart), "waitingToStart");
    EXPECT_TRUE(isBetting(Street::river));
    EXPECT_FALSE(isBetting(Street::showdown));
    EXPECT_FALSE(isBetting(Street::waitingToStart));
}

TEST(PotRecord, EligibleIdsReadInAnyOrderAndOnce) {
    const Pot pot{300, {player(aliceText), player(bobText)}};
    const nlohmann::json json = pot;
    ASSERT_EQ(json["eligible"].size(), 2u);
    EXPECT_EQ(json["eligible"][0].size(), 1u);
    EXPECT_TRUE(json["eligible"][0].contains("raw"));

    auto reordered = json;
    std::swap(reordered["eligible"][0], reordered["eligible"][1]);
    reordered["eligible"].push_back(reordered["eligible"][0]);
    EXPECT_EQ(reordered.get<Pot>(), pot);
}
