#include "HandEvaluatorTestSupport.h"

#include "PokerEngine/DecodingError.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/HandValue.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unordered_set>

using namespace PokerEngine;
using HandEvaluatorTesting::cards;

namespace {

HandValue valueOf(std::uint16_t strength) {
    return HandValue::fromStrength(strength).value();
}

std::string nameOf(const std::string& codes) {
    return HandEvaluator::evaluate(cards(codes)).name();
}

std::string decodingFailure(const nlohmann::json& json) {
    try {
        static_cast<void>(json.get<HandValue>());
    } catch (const DecodingError& error) {
        return error.description();
    }
    return "decoded";
}

} // namespace

TEST(HandValue, CategoriesCoverTheirStrengthRanges) {
    struct Boundary {
        HandCategory category;
        std::uint16_t lowest;
        std::uint16_t highest;
        std::string_view name;
    };
    const std::vector<Boundary> boundaries = {
        {HandCategory::highCard, 1, 1277, "High Card"},
        {HandCategory::pair, 1278, 4137, "Pair"},
        {HandCategory::twoPair, 4138, 4995, "Two Pair"},
        {HandCategory::threeOfAKind, 4996, 5853, "Three of a Kind"},
        {HandCategory::straight, 5854, 5863, "Straight"},
        {HandCategory::flush, 5864, 7140, "Flush"},
        {HandCategory::fullHouse, 7141, 7296, "Full House"},
        {HandCategory::fourOfAKind, 7297, 7452, "Four of a Kind"},
        {HandCategory::straightFlush, 7453, 7462, "Straight Flush"},
    };
    ASSERT_EQ(boundaries.size(), allHandCategories.size());
    std::uint16_t next = 1;
    for (std::size_t i = 0; i < boundaries.size(); ++i) {
        const Boundary& boundary = boundaries[i];
        EXPECT_EQ(allHandCategories[i], boundary.category);
        EXPECT_EQ(rawValue(boundary.category), i);
        EXPECT_EQ(name(boundary.category), boundary.name);
        EXPECT_EQ(boundary.lowest, next);
        EXPECT_EQ(strengthRange(boundary.category).lowerBound, boundary.lowest);
        EXPECT_EQ(strengthRange(boundary.category).upperBound, boundary.highest);
        for (std::uint32_t strength = boundary.lowest; strength <= boundary.highest; ++strength) {
            ASSERT_EQ(valueOf(static_cast<std::uint16_t>(strength)).category(), boundary.category)
                << strength;
        }
        next = static_cast<std::uint16_t>(boundary.highest + 1);
    }
    EXPECT_EQ(next, 7463);
    EXPECT_LT(HandCategory::flush, HandCategory::fullHouse);
}

TEST(HandValue, RanksDefineTheHandMostSignificantFirst) {
    using enum Rank;
    EXPECT_EQ(valueOf(1).ranks(), (std::vector<Rank>{seven, five, four, three, two}));
    EXPECT_EQ(valueOf(1277).ranks(), (std::vector<Rank>{ace, king, queen, jack, nine}));
    EXPECT_EQ(valueOf(1278).ranks(), (std::vector<Rank>{two, five, four, three}));
    EXPECT_EQ(valueOf(4137).ranks(), (std::vector<Rank>{ace, king, queen, jack}));
    EXPECT_EQ(valueOf(5854).ranks(), (std::vector<Rank>{five}));
    EXPECT_EQ(valueOf(7453).ranks(), (std::vector<Rank>{five}));
    EXPECT_EQ(HandEvaluator::evaluate(cards("As Ad Ks Kd Qs Qd 2c")).ranks(),
              (std::vector<Rank>{ace, king, queen}));
    EXPECT_EQ(HandEvaluator::evaluate(cards("Kh Ks Kd 7c 7h 7s 2d")).ranks(),
              (std::vector<Rank>{king, seven}));
    EXPECT_EQ(HandEvaluator::evaluate(cards("9c 9d 9h 9s 3c 3d Qh")).ranks(),
              (std::vector<Rank>{nine, queen}));
    EXPECT_EQ(HandEvaluator::evaluate(cards("7c 7d 7h As 3d")).ranks(),
              (std::vector<Rank>{seven, ace, three}));
}

TEST(HandValue, NamesTheHand) {
    EXPECT_EQ(valueOf(7462).name(), "Royal Flush");
    EXPECT_EQ(valueOf(7461).name(), "Straight Flush, King High");
    EXPECT_EQ(valueOf(7453).name(), "Straight Flush, Five High");
    EXPECT_EQ(valueOf(1).name(), "Seven High");
    EXPECT_EQ(valueOf(1277).name(), "Ace High");
    EXPECT_EQ(valueOf(1278).name(), "Pair of Twos");
    EXPECT_EQ(valueOf(4137).name(), "Pair of Aces");
    EXPECT_EQ(valueOf(5854).name(), "Straight, Five High");
    EXPECT_EQ(valueOf(5855).name(), "Straight, Six High");
    EXPECT_EQ(nameOf("6c 6d 9h 4s 2c"), "Pair of Sixes");
    EXPECT_EQ(nameOf("6c 6d 6h 2s 2c"), "Full House, Sixes over Twos");
    EXPECT_EQ(nameOf("6c 6d 5h 5s Ac"), "Two Pair, Sixes and Fives");
    EXPECT_EQ(nameOf("Kh Ks Kd 7c 7h 7s 2d"), "Full House, Kings over Sevens");
    EXPECT_EQ(nameOf("7c 7d 7h As 3d"), "Three of a Kind, Sevens");
    EXPECT_EQ(nameOf("Qh 9h 7h 4h 2h Ks"), "Flush, Queen High");
    EXPECT_EQ(nameOf("9c 9d 9h 9s 3c"), "Four of a Kind, Nines");
    EXPECT_EQ(nameOf("Tc Jd Qh Ks Ac"), "Straight, Ace High");
    EXPECT_EQ(nameOf("Ah Kh 5h 6h 7h 8h 9h"), "Straight Flush, Nine High");

    // Every class has a name of its own, kickers aside: names never repeat across categories.
    std::unordered_set<std::string> names;
    for (std::uint16_t strength = 1; strength <= 7462; ++strength) {
        const HandValue value = valueOf(strength);
        if (value.category() != HandCategory::highCard && value.category() != HandCategory::flush) {
            names.insert(value.name());
        }
    }
    EXPECT_EQ(names.size(), 13u + 13u * 12 / 2 + 13u + 10u + 13u * 12 + 13u + 10u);
}

TEST(HandValue, ComesOnlyFromValidStrengths) {
    EXPECT_FALSE(HandValue::fromStrength(0));
    EXPECT_FALSE(HandValue::fromStrength(7463));
    EXPECT_FALSE(HandValue::fromStrength(-1));
    EXPECT_EQ(HandValue::fromStrength(1)->strength, 1);
    EXPECT_EQ(HandValue::fromStrength(7462)->strength, 7462);
    EXPECT_TRUE(HandValue::strengthRange.contains(7462));
    EXPECT_FALSE(HandValue::strengthRange.contains(0));
    EXPECT_LT(valueOf(4137), valueOf(4138));
    EXPECT_EQ(std::hash<HandValue>{}(valueOf(42)), std::hash<HandValue>{}(HandValue{42}));
}

TEST(HandValue, JsonIsTheStrength) {
    const HandValue royal = valueOf(7462);
    EXPECT_EQ(nlohmann::json(royal).dump(), "7462");
    const auto decoded = nlohmann::json::parse(nlohmann::json(valueOf(4995)).dump()).get<HandValue>();
    EXPECT_EQ(decoded, valueOf(4995));
    EXPECT_EQ(decoded.name(), "Two Pair, Aces and Kings");
    EXPECT_EQ(nlohmann::json(1).get<HandValue>(), valueOf(1));

    EXPECT_EQ(decodingFailure(0), "Hand strength 0 out of range");
    EXPECT_EQ(decodingFailure(7463), "Hand strength 7463 out of range");
    EXPECT_EQ(decodingFailure(65535), "Hand strength 65535 out of range");
    EXPECT_NE(decodingFailure(65536), "decoded");
    EXPECT_NE(decodingFailure(-5), "decoded");
    EXPECT_NE(decodingFailure(12.5), "decoded");
    EXPECT_NE(decodingFailure("7462"), "decoded");
}

TEST(HandCategory, RawValuesAndJson) {
    EXPECT_EQ(handCategoryFromRawValue(8), HandCategory::straightFlush);
    EXPECT_EQ(handCategoryFromRawValue(0), HandCategory::highCard);
    EXPECT_FALSE(handCategoryFromRawValue(9));
    EXPECT_FALSE(handCategoryFromRawValue(-1));
    EXPECT_EQ(nlohmann::json(HandCategory::fullHouse).dump(), "6");
    EXPECT_EQ(nlohmann::json(3).get<HandCategory>(), HandCategory::threeOfAKind);
    EXPECT_THROW(static_cast<void>(nlohmann::json(9).get<HandCategory>()), DecodingError);
    EXPECT_THROW(static_cast<void>(nlohmann::json("pair").get<HandCategory>()), DecodingError);
}

TEST(HandValueDeathTest, StopsOnAStrengthNoEvaluationGives) {
    EXPECT_DEATH(static_cast<void>(HandValue{0}.category()), "Precondition failed");
    EXPECT_DEATH(static_cast<void>(HandValue{7463}.name()), "Precondition failed");
}
