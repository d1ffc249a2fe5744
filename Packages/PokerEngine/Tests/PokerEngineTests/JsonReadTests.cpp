#include "PokerEngine/JsonRead.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace PokerEngine;

TEST(JsonReadUnsigned, TakesEveryNonNegativeIntegerHoweverItIsHeld) {
    EXPECT_EQ(readUnsigned(nlohmann::json::parse("42")), 42u);
    EXPECT_EQ(readUnsigned(nlohmann::json(std::int64_t{42})), 42u);
    EXPECT_EQ(readUnsigned(nlohmann::json(std::int64_t{0})), 0u);
    const auto largest = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(readUnsigned(nlohmann::json::parse("18446744073709551615")), largest);
}

TEST(JsonReadUnsigned, RefusesNegativesFractionsAndText) {
    try {
        readUnsigned(nlohmann::json(std::int64_t{-1}));
        FAIL() << "a negative number was read as unsigned";
    } catch (const DecodingError& error) {
        EXPECT_EQ(error.description(), "Number -1 does not fit in UInt64.");
    }
    EXPECT_THROW(readUnsigned(nlohmann::json::parse("1.5")), DecodingError);
    EXPECT_THROW(readUnsigned(nlohmann::json("7")), DecodingError);
}
