#include "Learn/HandNames.h"

#include "PokerEngine/HandEvaluator.h"

#include <gtest/gtest.h>

using PokerEngine::Card;

namespace {

Card card(const char* code) {
    return *Card::fromCode(code);
}

PokerEngine::HandValue valueOf(std::vector<Card> cards) {
    return PokerEngine::HandEvaluator::evaluate(cards);
}

} // namespace

TEST(HandNames, ArticlesAndNames) {
    EXPECT_EQ(withArticle("Ace High"), "Ace High");
    EXPECT_EQ(withArticle("Eight-high Straight"), "An Eight-high Straight");
    EXPECT_EQ(withArticle("Two Pair, Jacks and Fours"), "Two Pair, Jacks and Fours");
    EXPECT_EQ(withArticle("Pair of Kings"), "A Pair of Kings");
    EXPECT_EQ(withArticle(""), "A ");
    EXPECT_EQ(withArticle("ace"), "A ace");
    EXPECT_EQ(spokenName(BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true)),
              "King-queen suited");
    EXPECT_EQ(spokenName(BotKit::StartingHand(PokerEngine::Rank::six, PokerEngine::Rank::six, false)),
              "Pair of sixes");
    const auto flush = valueOf(std::vector{card("Ah"), card("9h"), card("7h"), card("4h"), card("2h")});
    EXPECT_EQ(plainName(flush), "Ace-high Flush");
    EXPECT_EQ(kickerName(flush), "an Ace-high Flush");
    const auto royal = valueOf(std::vector{card("Ah"), card("Kh"), card("Qh"), card("Jh"), card("Th")});
    EXPECT_EQ(plainName(royal), "Royal Flush");
    EXPECT_EQ(categoryName(royal), "Royal Flush");
}

TEST(HandNames, KickerNames) {
    EXPECT_EQ(kickerName(valueOf({card("Kh"), card("Kd"), card("Ks"), card("Kc"), card("2h")})),
              "four Kings");
    EXPECT_EQ(kickerName(valueOf({card("6h"), card("6d"), card("6s"), card("Kc"), card("2h")})),
              "three Sixes");
    EXPECT_EQ(kickerName(valueOf({card("Jh"), card("Jd"), card("4s"), card("4c"), card("2h")})),
              "Jacks and Fours");
    EXPECT_EQ(kickerName(valueOf({card("Ah"), card("Ad"), card("9s"), card("4c"), card("2h")})),
              "a Pair of Aces");
    EXPECT_EQ(kickerName(valueOf({card("Kh"), card("Qd"), card("9s"), card("4c"), card("2h")})), "King High");
    EXPECT_EQ(plainName(valueOf({card("Th"), card("9d"), card("8s"), card("7c"), card("6h")})),
              "Ten-high Straight");
    EXPECT_EQ(categoryName(valueOf({card("Th"), card("9d"), card("8s"), card("7c"), card("6h")})),
              "Straight");
}
