#include "PokerEngine/BlindSchedule.h"
#include "PokerEngine/DecodingError.h"
#include "PokerEngine/TableConfig.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace PokerEngine;

TEST(BlindScheduleLevels, SitAndGoTurboTable) {
    const auto& turbo = BlindSchedule::sitAndGoTurbo();
    struct Case {
        std::int64_t hand;
        BlindLevel level;
    };
    const Case cases[] = {
        {1, {10, 20, 0}},           {8, {10, 20, 0}},           {9, {15, 30, 0}},
        {41, {100, 200, 25}},       {72, {300, 600, 75}},       {73, {450, 900, 100}},
        {81, {700, 1400, 175}},     {89, {1050, 2100, 250}},    {97, {1600, 3200, 400}},
        {105, {2400, 4800, 600}},   {113, {3600, 7200, 900}},   {121, {5500, 11000, 1375}},
        {129, {8500, 17000, 2125}}, {136, {8500, 17000, 2125}},
    };
    for (const auto& [hand, level] : cases) {
        EXPECT_EQ(turbo.level(hand), level) << "hand " << hand;
    }
}

TEST(BlindScheduleLevels, HandsBeforeTheFirstPlayLevelOne) {
    const auto& turbo = BlindSchedule::sitAndGoTurbo();
    EXPECT_EQ(turbo.level(0), turbo.level(1));
    EXPECT_EQ(turbo.level(-7), turbo.level(1));
}

TEST(BlindScheduleLevels, FixedScheduleNeverRises) {
    const auto fixed = BlindSchedule::fixed(5, 10, 0);
    EXPECT_EQ(fixed.level(1), (BlindLevel{5, 10, 0}));
    EXPECT_EQ(fixed.level(1000), (BlindLevel{5, 10, 0}));
    EXPECT_FALSE(fixed.handsPerLevel.has_value());
}

TEST(BlindScheduleLevels, ExtensionRoundsHalvesUp) {
    const BlindSchedule schedule({{50, 100, 0}}, 1);
    EXPECT_EQ(schedule.level(1), (BlindLevel{50, 100, 0}));
    EXPECT_EQ(schedule.level(2), (BlindLevel{75, 150, 0}));
    EXPECT_EQ(schedule.level(3), (BlindLevel{125, 250, 25}));

    const BlindSchedule fifty({{25, 50, 0}}, 1);
    EXPECT_EQ(fifty.level(2).bigBlind, 100);
}

TEST(BlindScheduleLevels, SmallLastLevelsStillRise) {
    // Rounding one and a half times a small big blind to a step of 50 would give 0 and stall
    // every later level at 0/0; the blinds must keep rising instead.
    for (std::int64_t bigBlind : {0, 1, 2, 10, 16, 20, 33}) {
        const BlindSchedule schedule({{bigBlind / 2, bigBlind, 0}}, 1);
        std::int64_t previous = bigBlind;
        for (std::int64_t hand = 2; hand < 30; ++hand) {
            const auto level = schedule.level(hand);
            ASSERT_GT(level.bigBlind, previous) << "from " << bigBlind << " at hand " << hand;
            EXPECT_EQ(level.smallBlind, level.bigBlind / 2);
            previous = level.bigBlind;
        }
    }
    EXPECT_EQ(BlindSchedule({{5, 10, 0}}, 1).level(2).bigBlind, 15);
    EXPECT_EQ(BlindSchedule({{8, 16, 0}}, 1).level(2).bigBlind, 24);
    EXPECT_EQ(BlindSchedule({{8, 16, 0}}, 1).level(3).bigBlind, 50);
}

TEST(BlindScheduleDeathTest, EmptyLevelsAndRunawayBlindsStop) {
    EXPECT_DEATH(BlindSchedule({}, std::nullopt), "Precondition failed");
    const BlindSchedule schedule({{50, 100, 0}}, 1);
    EXPECT_DEATH(schedule.level(200), "Precondition failed");
}

TEST(BlindScheduleLevels, LevelInRangeAgreesWithLookupAndMarksRunawayBlinds) {
    const BlindSchedule schedule({{50, 100, 0}}, 1);
    for (const std::int64_t hand : {1, 2, 10, 80}) {
        EXPECT_EQ(schedule.levelInRange(hand), schedule.level(hand)) << hand;
    }
    EXPECT_FALSE(schedule.levelInRange(200).has_value());
    // Far past the range, the answer still comes at once.
    EXPECT_FALSE(schedule.levelInRange(INT64_MAX).has_value());
}

TEST(BlindScheduleJson, FixedScheduleHasNoHandsPerLevel) {
    const nlohmann::json json = BlindSchedule::fixed(5, 10, 0);
    EXPECT_FALSE(json.contains("handsPerLevel"));
    EXPECT_EQ(json["levels"][0], (nlohmann::json{{"smallBlind", 5}, {"bigBlind", 10}, {"ante", 0}}));
    EXPECT_EQ(json.get<BlindSchedule>(), BlindSchedule::fixed(5, 10, 0));
    EXPECT_EQ(nlohmann::json(BlindSchedule::sitAndGoTurbo()).get<BlindSchedule>(),
              BlindSchedule::sitAndGoTurbo());
}

TEST(BlindScheduleJson, RefusesSchedulesTheLookupCannotServe) {
    const auto level = nlohmann::json{{"smallBlind", 5}, {"bigBlind", 10}, {"ante", 0}};
    EXPECT_THROW((void)nlohmann::json({{"levels", nlohmann::json::array()}}).get<BlindSchedule>(),
                 DecodingError);
    EXPECT_THROW((void)nlohmann::json({{"levels", {level}}, {"handsPerLevel", 0}}).get<BlindSchedule>(),
                 DecodingError);
    EXPECT_THROW((void)nlohmann::json({{"levels", {level}}, {"handsPerLevel", -3}}).get<BlindSchedule>(),
                 DecodingError);
    EXPECT_EQ(nlohmann::json({{"levels", {level}}, {"handsPerLevel", nullptr}}).get<BlindSchedule>(),
              BlindSchedule::fixed(5, 10, 0));
    EXPECT_THROW((void)nlohmann::json({{"smallBlind", 5}, {"bigBlind", 10}}).get<BlindLevel>(),
                 DecodingError);
    EXPECT_THROW((void)nlohmann::json({{"smallBlind", 5}, {"bigBlind", 10.5}, {"ante", 0}}).get<BlindLevel>(),
                 DecodingError);
}

TEST(TableConfigJson, RoundTripsAndRequiresEveryKey) {
    const TableConfig config{6, BlindSchedule::sitAndGoTurbo(), 1500};
    const nlohmann::json json = config;
    EXPECT_EQ(json["seatCount"], 6);
    EXPECT_EQ(json["startingStack"], 1500);
    EXPECT_EQ(json.get<TableConfig>(), config);
    auto missing = json;
    missing.erase("startingStack");
    EXPECT_THROW((void)missing.get<TableConfig>(), DecodingError);
}
