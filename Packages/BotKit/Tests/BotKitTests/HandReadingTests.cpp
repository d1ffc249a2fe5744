#include "BotKit/BoardTexture.h"
#include "BotKit/HandReading.h"

#include "TestCards.h"

#include <gtest/gtest.h>

using namespace BotKit;
using BotKitTesting::cards;
using PokerEngine::HandCategory;
using Strength = HandReading::Strength;

namespace {

HandReading read(const std::string& hole, const std::string& board) {
    return HandReading(cards(hole), cards(board));
}

std::set<int> completions(const std::string& codes) {
    return HandReading::straightCompletions(cards(codes));
}

} // namespace

TEST(HandReading, GradesPairsByBoardPositionAndKicker) {
    const std::string board = "As Kd 7c";
    const auto noPlay = read("3h 2d", board);
    EXPECT_FALSE(noPlay.usesHoleCards);
    EXPECT_EQ(noPlay.strength, Strength::air);
    EXPECT_EQ(read("Ah 2d", board).strength, Strength::medium);
    EXPECT_EQ(read("Ah Jd", board).strength, Strength::strong);
    EXPECT_EQ(read("Ah Td", board).strength, Strength::strong);
    EXPECT_EQ(read("Kh Td", board).strength, Strength::medium);
    EXPECT_EQ(read("7h Qd", board).strength, Strength::weak);
    EXPECT_EQ(read("Kh Jd", "Ks 9d 7c").strength, Strength::strong);
    EXPECT_EQ(read("Kh Td", "Ks 9d 7c").strength, Strength::medium);
}

TEST(HandReading, BigCardsThatDoNotPlayAreWeak) {
    const auto reading = read("Ah Ks", "9c 9d 5s");
    EXPECT_FALSE(reading.usesHoleCards);
    EXPECT_EQ(reading.value.category(), HandCategory::pair);
    EXPECT_EQ(reading.strength, Strength::weak);
}

TEST(HandReading, GradesPocketPairsAgainstTheBoard) {
    const std::string board = "Kc 7d 2s";
    EXPECT_EQ(read("Th Td", board).strength, Strength::medium);
    EXPECT_EQ(read("6h 6d", board).strength, Strength::weak);
    EXPECT_EQ(read("Ah Ad", board).strength, Strength::strong);
    EXPECT_EQ(read("7h 7s", "7c Kd 2s").strength, Strength::monster);
    EXPECT_EQ(read("7h Ad", "7c 7d Ks").strength, Strength::strong);
}

TEST(HandReading, GradesTwoPairs) {
    EXPECT_EQ(read("Kh 7h", "Ks 7d 2c").strength, Strength::monster);
    EXPECT_EQ(read("Kh 7h", "Ks 7d 7c 2c").value.category(), HandCategory::fullHouse);
    EXPECT_EQ(read("Kh 2h", "Ks 2d 9c 9h").strength, Strength::strong);
    EXPECT_EQ(read("Ah 3h", "9s 9d 5c 5h 2c").strength, Strength::air);
    EXPECT_EQ(read("Ah 3h", "9s 9d 5c 5h").strength, Strength::weak);
    // A pocket pair with a paired board: above every unpaired board rank, between the two, below both.
    EXPECT_EQ(read("Qh Qd", "Js 5d 5c").strength, Strength::strong);
    EXPECT_EQ(read("Th Td", "Js 8d 5c 5h").strength, Strength::medium);
    EXPECT_EQ(read("6h 6d", "Js 8d 5c 5h").strength, Strength::weak);
    EXPECT_EQ(read("6h 6d", "Js 5d 5c").strength, Strength::weak);
}

TEST(HandReading, GradesFlushesAndStraightsByWhatTheBoardOffers) {
    EXPECT_EQ(read("5h 8d", "Ah Kh 9h 2h 3c").strength, Strength::strong);
    EXPECT_EQ(read("Qh 8d", "Ah Kh 9h 2h 3c").strength, Strength::monster);
    EXPECT_EQ(read("5h 8h", "Ah Kh 9h 2c 3c").strength, Strength::monster);
    EXPECT_EQ(read("8c 9d", "5h 6s 7d").strength, Strength::monster);
    EXPECT_EQ(read("9c Td", "5h 6s 7d 8c").strength, Strength::strong);
    EXPECT_EQ(read("8c 9d", "5h 6s 7d 2c").strength, Strength::monster);
    EXPECT_EQ(read("Kh Kd", "Ks Kc 2d").strength, Strength::monster);
}

TEST(HandReading, MeasuresDrawsAndOuts) {
    const auto gutshot = read("7h Kc", "5s 6d 9c");
    EXPECT_EQ(gutshot.straightDrawOuts, 4);
    EXPECT_FALSE(gutshot.hasDraw());
    EXPECT_EQ(gutshot.outs(), 4);

    const auto openEnded = read("8h 9c", "6s 7d Kc");
    EXPECT_EQ(openEnded.straightDrawOuts, 8);
    EXPECT_TRUE(openEnded.hasDraw());
    EXPECT_EQ(openEnded.outs(), 8);

    const auto flushDraw = read("Ah 3h", "Kh 8h 2c");
    EXPECT_TRUE(flushDraw.flushDraw);
    EXPECT_EQ(flushDraw.outs(), 9);
    EXPECT_EQ(flushDraw.overcards, 1);

    const auto combo = read("8h 9h", "6h 7h Kc");
    EXPECT_TRUE(combo.flushDraw);
    EXPECT_EQ(combo.outs(), 15);

    const auto comboGutshot = read("8h Th", "6h 7h Kc");
    EXPECT_EQ(comboGutshot.straightDrawOuts, 4);
    EXPECT_EQ(comboGutshot.outs(), 11);

    // A draw the board holds alone adds no outs for the player.
    EXPECT_EQ(read("2c 2d", "5s 6d 7c 8h").straightDrawOuts, 0);

    const auto river = read("Ah 3h", "Kh 8h 2c 4d Js");
    EXPECT_FALSE(river.flushDraw);
    EXPECT_EQ(river.straightDrawOuts, 0);
}

TEST(HandReading, StraightCompletions) {
    EXPECT_TRUE(completions("4c 5d 6h 7s 8c").empty());
    EXPECT_TRUE(completions("5c 6d 7h").empty());
    EXPECT_EQ(completions("5c 6d 7h 8s"), (std::set<int>{4, 9}));
    EXPECT_EQ(completions("2c 3d 4h 5s"), (std::set<int>{6, 14}));
    EXPECT_EQ(completions("Ac Kd Qh Js"), (std::set<int>{10}));
}

TEST(HandReading, BoardOnlyCategoryIgnoresSuitsAndStraights) {
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("Kc Kd Ks 7c 7d")), HandCategory::fullHouse);
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("2c 5c 9c Jc Kc")), HandCategory::highCard);
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("4c 5d 6h 7s 8c")), HandCategory::highCard);
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("")), HandCategory::highCard);
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("9c 9d")), HandCategory::pair);
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("9c 9d 9h 9s")), HandCategory::fourOfAKind);
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("9c 9d 4h 4s")), HandCategory::twoPair);
    EXPECT_EQ(HandReading::boardOnlyCategory(cards("9c 9d 9h 4s")), HandCategory::threeOfAKind);
}

TEST(HandReading, RiverBoardPlaysWhenTheHoleCardsDoNotImproveIt) {
    const auto reading = read("2c 3d", "Ah Kd Qs Jc Th");
    EXPECT_FALSE(reading.usesHoleCards);
    EXPECT_EQ(reading.strength, Strength::air);
    EXPECT_TRUE(read("Ac 3d", "Ah Kd 8s 5c 2h").usesHoleCards);
}

TEST(HandReading, EstimatedEquityRuleOfThumb) {
    // A second pair with the nut flush draw on the flop.
    const auto mediumWithFlushDraw = read("8h Ah", "Kh 8c 2h");
    ASSERT_EQ(mediumWithFlushDraw.strength, Strength::medium);
    ASSERT_EQ(mediumWithFlushDraw.outs(), 9);
    EXPECT_DOUBLE_EQ(mediumWithFlushDraw.estimatedEquity(2, 1), 0.86);
    EXPECT_DOUBLE_EQ(mediumWithFlushDraw.estimatedEquity(2, 3), 0.62135);
    EXPECT_DOUBLE_EQ(mediumWithFlushDraw.estimatedEquity(0, 1), 0.5);

    const auto overcardsOnTurn = read("Qh Jd", "9c 7d 3s 2h");
    ASSERT_EQ(overcardsOnTurn.strength, Strength::air);
    ASSERT_EQ(overcardsOnTurn.overcards, 2);
    EXPECT_DOUBLE_EQ(overcardsOnTurn.estimatedEquity(1, 1), 0.16);
    EXPECT_DOUBLE_EQ(overcardsOnTurn.estimatedEquity(0, 1), 0.04);

    const auto comboDraw = read("8h 9h", "6h 7h 9c");
    ASSERT_EQ(comboDraw.strength, Strength::medium);
    ASSERT_EQ(comboDraw.outs(), 15);
    EXPECT_DOUBLE_EQ(comboDraw.estimatedEquity(2, 1), 0.9);
    EXPECT_DOUBLE_EQ(comboDraw.estimatedEquity(2, 2), 0.9 * 0.85);
    EXPECT_DOUBLE_EQ(read("7h 7s", "7c Kd 2s").estimatedEquity(2, 0), 0.9);
}

TEST(HandReading, StrengthRawValues) {
    EXPECT_EQ(strengthFromRawValue(4), Strength::monster);
    EXPECT_FALSE(strengthFromRawValue(5).has_value());
    EXPECT_FALSE(strengthFromRawValue(-1).has_value());
    EXPECT_LT(Strength::air, Strength::weak);
}

TEST(HandReadingDeathTest, NeedsTwoHoleCardsAndThreeToFiveBoardCards) {
    EXPECT_DEATH(read("Ah", "Kh 8c 2h"), "Precondition failed");
    EXPECT_DEATH(read("Ah Ad", "Kh 8c"), "Precondition failed");
    EXPECT_DEATH(read("Ah Ad", "Kh 8c 2h 3h 4h 5h"), "Precondition failed");
}

TEST(BoardTexture, DescribesPairsFlushesAndStraights) {
    const BoardTexture dry(cards("Kc 7d 2s"));
    EXPECT_FALSE(dry.paired);
    EXPECT_FALSE(dry.flushDrawPossible);
    EXPECT_FALSE(dry.straightPossible);
    EXPECT_FALSE(dry.isWet());
    EXPECT_FALSE(dry.isScary());
    EXPECT_EQ(dry.highCard, PokerEngine::Rank::king);

    const BoardTexture paired(cards("9c 9d 5s"));
    EXPECT_TRUE(paired.paired);
    EXPECT_FALSE(paired.isScary());

    const BoardTexture twoTone(cards("Kh 8h 2c"));
    EXPECT_TRUE(twoTone.flushDrawPossible);
    EXPECT_FALSE(twoTone.flushPossible);
    EXPECT_TRUE(twoTone.isWet());
    EXPECT_FALSE(twoTone.isScary());

    const BoardTexture monotone(cards("Kh 8h 2h"));
    EXPECT_TRUE(monotone.flushPossible);
    EXPECT_TRUE(monotone.isScary());

    const BoardTexture connected(cards("9c 8d 6s"));
    EXPECT_TRUE(connected.straightPossible);
    EXPECT_TRUE(connected.isWet());
    EXPECT_TRUE(connected.isScary());

    const BoardTexture wheel(cards("Ac 2d 4s"));
    EXPECT_TRUE(wheel.straightPossible);
    EXPECT_EQ(wheel.highCard, PokerEngine::Rank::ace);
    EXPECT_TRUE(BoardTexture(cards("Ac 8d 3s")).isScary());
}

TEST(BoardTextureDeathTest, NeedsABoard) {
    EXPECT_DEATH(BoardTexture(cards("")), "Precondition failed");
}
