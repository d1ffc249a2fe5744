#include "Style/TableStyleID.h"

#include "PokerEngine/DecodingError.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(TableStyleID, TextFormsRoundTripAndUnknownTextIsAbsent) {
    for (auto style : allTableStyleIDs) {
        EXPECT_EQ(tableStyleIDFromString(toString(style)), style);
        EXPECT_EQ(nlohmann::json(style).get<TableStyleID>(), style);
    }
    EXPECT_EQ(nlohmann::json(TableStyleID::pixel).dump(), "\"pixel\"");
    EXPECT_FALSE(tableStyleIDFromString("Satin").has_value());
    EXPECT_FALSE(tableStyleIDFromString("").has_value());
}

TEST(TableStyleID, OnlySatinIsOfferedAndOthersDrawAsSatin) {
    EXPECT_TRUE(isOffered(TableStyleID::satin));
    EXPECT_FALSE(isOffered(TableStyleID::paper));
    EXPECT_FALSE(isOffered(TableStyleID::pixel));
    for (auto style : allTableStyleIDs) {
        EXPECT_EQ(offeredOrSatin(style), TableStyleID::satin);
    }
}

TEST(TableStyleID, ReadingRejectsUnknownTextAndWrongTypes) {
    EXPECT_THROW(nlohmann::json("velvet").get<TableStyleID>(), PokerEngine::DecodingError);
    EXPECT_THROW(nlohmann::json(1).get<TableStyleID>(), PokerEngine::DecodingError);
}
