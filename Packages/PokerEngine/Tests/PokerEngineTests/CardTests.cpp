#include "PokerEngine/Card.h"
#include "PokerEngine/DecodingError.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <string>

using namespace PokerEngine;

TEST(CardParsing, AcceptsEitherCaseInBothPlaces) {
    for (const char* text : {"As", "as", "AS", "aS"}) {
        EXPECT_EQ(Card::fromCode(text), (Card{Rank::ace, Suit::spades})) << text;
    }
    EXPECT_EQ(Card::fromCode("Td"), (Card{Rank::ten, Suit::diamonds}));
    EXPECT_EQ(Card::fromCode("td"), (Card{Rank::ten, Suit::diamonds}));
}

TEST(CardParsing, RejectsAnythingButTwoLetters) {
    for (const char* text : {"10d", "A", "", "Asx", "Ax", "1s", "A\u2660", "A ", " s"}) {
        EXPECT_FALSE(Card::fromCode(text).has_value()) << text;
    }
}

TEST(CardParsing, RanksAndSuitsFromRawValuesAndLetters) {
    EXPECT_FALSE(rankFromRawValue(1));
    EXPECT_FALSE(rankFromRawValue(15));
    EXPECT_EQ(rankFromRawValue(14), Rank::ace);
    EXPECT_EQ(rankFromRawValue(2), Rank::two);
    EXPECT_FALSE(suitFromRawValue(4));
    EXPECT_FALSE(suitFromRawValue(-1));
    EXPECT_EQ(suitFromRawValue(3), Suit::spades);
    EXPECT_EQ(rankFromLetter('t'), Rank::ten);
    EXPECT_FALSE(rankFromLetter('1'));
    EXPECT_EQ(suitFromLetter('S'), Suit::spades);
    EXPECT_FALSE(suitFromLetter('x'));
    EXPECT_LT(Rank::king, Rank::ace);
    EXPECT_GE(Rank::two, Rank::two);
}

TEST(CardText, CodesAndNames) {
    EXPECT_EQ((Card{Rank::two, Suit::clubs}).code(), "2c");
    EXPECT_EQ((Card{Rank::ten, Suit::diamonds}).code(), "Td");
    EXPECT_EQ((Card{Rank::queen, Suit::hearts}).name(), "Queen of hearts");
    EXPECT_EQ(pluralName(Rank::six), "Sixes");
    EXPECT_EQ(pluralName(Rank::ace), "Aces");
    EXPECT_EQ(pluralName(Rank::ten), "Tens");
    EXPECT_EQ(symbol(Suit::spades), "\u2660");
    EXPECT_EQ(symbol(Suit::hearts), "\u2665");
    EXPECT_EQ(name(Suit::diamonds), "diamonds");
}

TEST(CardAll, IsSuitMajorAndDistinct) {
    const auto& all = Card::all();
    ASSERT_EQ(all.size(), 52u);
    std::set<std::string> codes;
    for (const auto& card : all) {
        codes.insert(card.code());
    }
    EXPECT_EQ(codes.size(), 52u);
    EXPECT_EQ(all[0].code(), "2c");
    EXPECT_EQ(all[12].code(), "Ac");
    EXPECT_EQ(all[13].code(), "2d");
    EXPECT_EQ(all[51].code(), "As");
    for (std::size_t place = 0; place < all.size(); ++place) {
        EXPECT_EQ(all[place].index(), static_cast<int>(place)) << all[place].code();
    }
}

TEST(CardJson, WritesCanonicalCodeAndReadsAnyCase) {
    const auto card = nlohmann::json("kh").get<Card>();
    EXPECT_EQ(nlohmann::json(card), nlohmann::json("Kh"));
    EXPECT_EQ(nlohmann::json(Rank::ace), nlohmann::json(14));
    EXPECT_EQ(nlohmann::json(Suit::hearts), nlohmann::json(2));
    EXPECT_EQ(nlohmann::json(14).get<Rank>(), Rank::ace);
}

TEST(CardJson, RejectsBadCodesAndRawValues) {
    try {
        (void)nlohmann::json("10h").get<Card>();
        FAIL() << "10h decoded";
    } catch (const DecodingError& error) {
        EXPECT_EQ(error.kind(), DecodingError::Kind::dataCorrupted);
        EXPECT_EQ(error.description(), "Invalid card code \"10h\"");
    }
    EXPECT_THROW((void)nlohmann::json(12).get<Card>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json(15).get<Rank>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json(1).get<Rank>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json(4).get<Suit>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json("3").get<Suit>(), DecodingError);
}
