#include "HandEvaluatorTestSupport.h"

#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandEvaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <unordered_set>

using namespace PokerEngine;
using HandEvaluatorTesting::cards;

namespace {

int strengthOf(const std::string& codes) {
    return HandEvaluator::evaluate(cards(codes)).strength;
}

} // namespace

TEST(HandEvaluator, GivesTheWorkedValues) {
    const std::vector<std::pair<std::string, int>> worked = {
        {"Kh Ks Kd 7c 7h 7s 2d", 7278}, // full house, kings over sevens, from two sets of trips
        {"Ah Kh 5h 6h 7h 8h 9h", 7457}, // nine-high straight flush inside a seven-card flush
        {"As Ad Ks Kd Qs Qd 2c", 4995}, // three pairs: the third pair's queen is the kicker
        {"2c 3d 4h 5s 7c", 1},          {"7d 5c 4s 3h 2h", 1},    {"Ac 2d 3h 4s 5c 9d Kh", 5854}, // the wheel
        {"As Ks Qs Js Ts 9s 8s", 7462}, {"Ah Kh Qh Jh Th", 7462}, {"5d 4d 3d 2d Ad", 7453},
        {"Kc Qc Jc Tc 9c", 7461},
    };
    for (const auto& [codes, strength] : worked) {
        EXPECT_EQ(strengthOf(codes), strength) << codes;
    }
}

TEST(HandEvaluator, PrefersTheFlushOverPairsAndStraights) {
    EXPECT_EQ(HandEvaluator::evaluate(cards("Ah 9h 5h 3h 2h Ad 9c")).category(), HandCategory::flush);
    EXPECT_EQ(HandEvaluator::evaluate(cards("Ah Kh 2h 3h 4h 5c 9d")).category(), HandCategory::flush);
    EXPECT_EQ(HandEvaluator::evaluate(cards("9c Td Jh Qs Kc 2c 3c")).category(), HandCategory::straight);
    // Six cards of one suit: the best five of them.
    const HandValue sixSuited = HandEvaluator::evaluate(cards("2s 4s 6s 8s Ts Qs"));
    EXPECT_EQ(sixSuited.category(), HandCategory::flush);
    EXPECT_EQ(sixSuited.ranks(),
              (std::vector<Rank>{Rank::queen, Rank::ten, Rank::eight, Rank::six, Rank::four}));
    EXPECT_EQ(strengthOf("9d 8d 7d 6d 5d 4d"), strengthOf("9d 8d 7d 6d 5d"));
}

TEST(HandEvaluator, KeepsTheBestKickers) {
    EXPECT_EQ(strengthOf("Ac Ad Ks Kd 2c 2d 7h"), strengthOf("Ac Ad Ks Kd 7h"));
    EXPECT_EQ(strengthOf("Qc Qd Qs 9d 9c 9h As"), strengthOf("Qc Qd Qs 9d 9c"));
    EXPECT_EQ(strengthOf("8c 8d 8s 8h Kc Kd 2h"), strengthOf("8c 8d 8s 8h Kc"));
    // A better kicker wins; a kicker below the best five does not count.
    EXPECT_GT(strengthOf("Ac Ad 9s 7h 4c 3d 2h"), strengthOf("Ac Ad 8s 7h 4c 3d 2h"));
    EXPECT_EQ(strengthOf("Ac Ad Ks Qh Jc 3d 2h"), strengthOf("Ac Ad Ks Qh Jc 4d 2h"));
}

TEST(HandEvaluator, NeverDependsOnCardOrder) {
    SeededRNG rng(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<Card> hand =
            HandEvaluatorTesting::distinctCards(rng, 5 + static_cast<std::size_t>(round % 3));
        const HandValue value = HandEvaluator::evaluate(hand);
        std::reverse(hand.begin(), hand.end());
        EXPECT_EQ(HandEvaluator::evaluate(hand), value);
        std::rotate(hand.begin(), hand.begin() + 2, hand.end());
        EXPECT_EQ(HandEvaluator::evaluate(HandAccumulator(hand)), value);
    }
}

TEST(HandAccumulator, BuildsCardByCard) {
    const std::vector<Card> hole = cards("As Kd");
    HandAccumulator hand;
    EXPECT_EQ(hand.count(), 0);
    EXPECT_EQ(hand.rankKey(), 0u);
    EXPECT_EQ(hand.suitTally(), 0u);
    EXPECT_EQ(hand.cardMask(), 0u);
    for (const Card card : hole) {
        hand.add(card);
    }
    EXPECT_EQ(hand, HandAccumulator(hole));
    EXPECT_EQ(hand.cardMask(), (std::uint64_t{1} << (48 + 12)) | (std::uint64_t{1} << (16 + 11)));
    EXPECT_EQ(hand.rankKey(), powersOf5[12] + powersOf5[11]);
    EXPECT_EQ(hand.suitTally(), 0x1010u);
    EXPECT_TRUE(hand.contains(hole[0]));
    EXPECT_FALSE(hand.contains(cards("Ad")[0]));

    // adding leaves the original alone, so one base serves many completions.
    const HandAccumulator board = hand.adding(cards("Ks")[0]).adding(cards("7h")[0]).adding(cards("2c")[0]);
    EXPECT_EQ(hand.count(), 2);
    EXPECT_EQ(board.count(), 5);
    EXPECT_EQ(HandEvaluator::evaluate(board), HandEvaluator::evaluate(cards("As Kd Ks 7h 2c")));
    EXPECT_NE(board, hand);
    EXPECT_EQ(std::hash<HandAccumulator>{}(board),
              std::hash<HandAccumulator>{}(HandAccumulator(cards("2c 7h Ks Kd As"))));
}

TEST(HandAccumulator, LargestKeyFitsAndNoKeyIsZero) {
    const HandAccumulator quadsAndTrips(cards("As Ah Ad Ac Ks Kh Kd"));
    EXPECT_EQ(quadsAndTrips.rankKey(), 1'123'046'875u);
    EXPECT_EQ(quadsAndTrips.suitTally(), 0x2221u);
    EXPECT_EQ(HandEvaluator::evaluate(quadsAndTrips).name(), "Four of a Kind, Aces");
    EXPECT_EQ(HandAccumulator(cards("2s 2h 2d 2c 3s")).rankKey(), 9u);
    EXPECT_EQ(HandAccumulator(cards("2s 3s 4s 5s 6s 7s 8s")).suitTally(), 0x7000u);
    EXPECT_EQ(HandAccumulator(cards("2s 3s 4s 5s 6s 7s 8s")).count(), 7);
    EXPECT_EQ(HandAccumulator(cards("2c 3d 4h 5s 6c 7d 8h")).suitTally(), 0x1222u);
}

// Evaluation reads a perfect hash and a suit-count mask; the open-addressing table and the suit
// tallies give the same strengths for every stored rank multiset and for random hands of every size.
// (tools/evaluator_check compares all 133,784,560 seven-card hands.)
TEST(HandEvaluator, AgreesWithTheOpenAddressingTable) {
    const EvaluatorTables& tables = EvaluatorTables::shared();
    int stored = 0;
    for (const auto& slot : tables.rankKeySlots()) {
        if (slot.key == 0) {
            continue;
        }
        ++stored;
        // Cards of the key's ranks dealt to the suits in turn, so no suit reaches five.
        std::vector<Card> hand;
        std::uint32_t rest = slot.key;
        for (const Rank rank : allRanks) {
            for (std::uint32_t copy = 0; copy < rest % 5; ++copy) {
                hand.push_back(Card{rank, allSuits[hand.size() % 4]});
            }
            rest /= 5;
        }
        ASSERT_EQ(HandEvaluator::evaluate(hand).strength, slot.strength) << slot.key;
    }
    EXPECT_EQ(stored, 73'775);

    SeededRNG rng(19);
    for (int round = 0; round < 30'000; ++round) {
        const HandAccumulator hand(
            HandEvaluatorTesting::distinctCards(rng, 5 + static_cast<std::size_t>(round % 3)));
        ASSERT_EQ(HandEvaluator::evaluate(hand).strength,
                  tables.strength(hand.cardMask(), hand.rankKey(), hand.suitTally()));
    }
}

// The unchecked sums the equity trials use: known cards plus dealt ones, summed in any grouping,
// hold what an accumulator of the same cards holds and evaluate the same.
TEST(DealtCards, SumLikeAnAccumulatorInAnyGrouping) {
    EXPECT_EQ(HandAccumulator().dealt(), DealtCards{});
    SeededRNG rng(23);
    for (int round = 0; round < 3'000; ++round) {
        const std::vector<Card> hand = HandEvaluatorTesting::distinctCards(rng, 7);
        const HandAccumulator known(std::span<const Card>(hand).first(5));
        const DealtCards pair = DealtCards::of(hand[5]) + DealtCards::of(hand[6]);
        const DealtCards cardByCard = known.dealt() + DealtCards::of(hand[5]) + DealtCards::of(hand[6]);
        ASSERT_EQ(known.dealt() + pair, HandAccumulator(hand).dealt());
        ASSERT_EQ(cardByCard, HandAccumulator(hand).dealt());
        ASSERT_EQ(HandEvaluator::evaluate(known.dealt() + pair), HandEvaluator::evaluate(hand));
    }
}

TEST(HandEvaluator, BestFiveNamesTheCardsThatMakeTheHand) {
    EXPECT_EQ(HandEvaluator::bestFive(cards("As Ah Ks Kh Qs Qh 2c")), cards("As Ah Ks Kh Qs"));
    EXPECT_EQ(HandEvaluator::bestFive(cards("2c 3d 4h 5s 7c")), cards("2c 3d 4h 5s 7c"));
    EXPECT_EQ(HandEvaluator::bestFive(cards("9h Ah Kh 5h 6h 7h 8h")), cards("9h 5h 6h 7h 8h"));

    SeededRNG rng(11);
    for (int round = 0; round < 500; ++round) {
        const std::vector<Card> hand = HandEvaluatorTesting::distinctCards(rng, 7);
        const std::vector<Card> five = HandEvaluator::bestFive(hand);
        ASSERT_EQ(five.size(), 5u);
        EXPECT_EQ(HandEvaluator::evaluate(five), HandEvaluator::evaluate(hand));
        // In their given order, and all taken from the hand.
        auto position = hand.begin();
        for (const Card card : five) {
            position = std::find(position, hand.end(), card);
            ASSERT_NE(position, hand.end());
        }
    }
}

TEST(EvaluatorTables, HoldEveryRankMultisetAndFlushShape) {
    const EvaluatorTables& tables = EvaluatorTables::shared();
    EXPECT_EQ(tables.classes().size(), 7463u);
    EXPECT_EQ(tables.rankKeySlots().size(), 262144u);
    EXPECT_EQ(std::count_if(tables.rankKeySlots().begin(), tables.rankKeySlots().end(),
                            [](const auto& slot) { return slot.key != 0; }),
              73'775);

    std::unordered_set<std::uint16_t> fiveBitStrengths;
    for (unsigned mask = 0; mask < tables.flush().size(); ++mask) {
        const int bits = std::popcount(mask);
        const std::uint16_t strength = tables.flush()[mask];
        if (bits < 5) {
            EXPECT_EQ(strength, 0) << mask;
        } else if (bits <= 7) {
            EXPECT_GE(HandValue{strength}.category(), HandCategory::flush) << mask;
        }
        if (bits == 5) {
            fiveBitStrengths.insert(strength);
        }
    }
    EXPECT_EQ(fiveBitStrengths.size(), 1287u);
    EXPECT_EQ(tables.flush()[0x100F], 7453);

    // A fresh build gives the same tables as the shared one.
    const EvaluatorTables rebuilt;
    EXPECT_EQ(rebuilt.classes(), tables.classes());
    EXPECT_EQ(rebuilt.flush(), tables.flush());
    EXPECT_EQ(rebuilt.rankKeySlots(), tables.rankKeySlots());
}

TEST(HandEvaluatorDeathTest, StopsOnImpossibleHands) {
    EXPECT_DEATH(HandEvaluator::evaluate(cards("As Ks Qs Js")), "Precondition failed");
    EXPECT_DEATH(HandEvaluator::evaluate(cards("As Ks Qs Js Ts 9s 8s 7s")), "Precondition failed");
    EXPECT_DEATH(HandEvaluator::evaluate(cards("As Ks Qs Js As")), "Precondition failed");
    EXPECT_DEATH(HandEvaluator::evaluate(cards("As Ks As Js As")), "Precondition failed");
    EXPECT_DEATH(HandEvaluator::evaluate(cards("2c 2c 2c 2c 2c 2c 2c")), "Precondition failed");
    EXPECT_DEATH(HandEvaluator::evaluate(HandAccumulator(cards("As Ks Qs Js"))), "Precondition failed");
    EXPECT_DEATH(HandEvaluator::bestFive(cards("As Ks Qs Js")), "Precondition failed");
    EXPECT_DEATH(HandEvaluator::bestFive(cards("As Ks Qs Js Ts 9s 8s 7s")), "Precondition failed");
}

TEST(HandAccumulatorDeathTest, StopsOnARepeatOrAnEighthCard) {
    HandAccumulator hand(cards("As Ks Qs Js Ts 9s 8s"));
    EXPECT_DEATH(hand.add(cards("7s")[0]), "Precondition failed");
    EXPECT_DEATH(static_cast<void>(HandAccumulator(cards("As")).adding(cards("As")[0])),
                 "Precondition failed");
    EXPECT_DEATH(EvaluatorTables::shared().strength(0, 12345, 0), "Precondition failed");
}
