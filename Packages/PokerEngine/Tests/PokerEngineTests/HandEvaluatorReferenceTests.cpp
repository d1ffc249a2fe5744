// The evaluator checked against poker's rules worked out card by card, with no tables.
#include "HandEvaluatorTestSupport.h"

#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandEvaluator.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <functional>

using namespace PokerEngine;
using HandEvaluatorTesting::referenceBest;
using HandEvaluatorTesting::referenceFive;
using HandEvaluatorTesting::ReferenceValue;

namespace {

ReferenceValue asReference(HandValue value) {
    return HandEvaluatorTesting::referenceValue(value.category(), value.ranks());
}

std::string codes(std::span<const Card> hand) {
    std::string text;
    for (const Card card : hand) {
        text += card.code() + " ";
    }
    return text;
}

} // namespace

TEST(HandEvaluatorReference, ClassesRunInPokerOrder) {
    const auto& classes = EvaluatorTables::shared().classes();
    for (std::uint16_t strength = 1; strength < 7462; ++strength) {
        const auto lower =
            HandEvaluatorTesting::referenceValue(classes[strength].category, classes[strength].ranks);
        const HandClass& next = classes[strength + 1u];
        const auto higher = HandEvaluatorTesting::referenceValue(next.category, next.ranks);
        ASSERT_LT(lower, higher) << "strength " << strength;
    }
}

// All 2,598,960 five-card hands: the hands of each category number what every poker table lists,
// and each category has its count of classes.
TEST(HandEvaluatorReference, EveryFiveCardHand) {
    const auto& deck = Card::all();
    std::vector<std::int64_t> handsPerStrength(7463, 0);
    for (std::size_t a = 0; a < 52; ++a) {
        const HandAccumulator ha = HandAccumulator{}.adding(deck[a]);
        for (std::size_t b = a + 1; b < 52; ++b) {
            const HandAccumulator hb = ha.adding(deck[b]);
            for (std::size_t c = b + 1; c < 52; ++c) {
                const HandAccumulator hc = hb.adding(deck[c]);
                for (std::size_t d = c + 1; d < 52; ++d) {
                    const HandAccumulator hd = hc.adding(deck[d]);
                    for (std::size_t e = d + 1; e < 52; ++e) {
                        ++handsPerStrength[HandEvaluator::evaluate(hd.adding(deck[e])).strength];
                    }
                }
            }
        }
    }
    std::array<std::int64_t, 9> handsPerCategory{};
    std::array<std::int64_t, 9> classesPerCategory{};
    for (std::uint16_t strength = 1; strength <= 7462; ++strength) {
        const auto category = rawValue(HandValue{strength}.category());
        handsPerCategory[category] += handsPerStrength[strength];
        classesPerCategory[category] += handsPerStrength[strength] > 0 ? 1 : 0;
    }
    const std::array<std::int64_t, 9> expectedHands = {1'302'540, 1'098'240, 123'552, 54'912, 10'200,
                                                       5'108,     3'744,     624,     40};
    const std::array<std::int64_t, 9> expectedClasses = {1277, 2860, 858, 858, 10, 1277, 156, 156, 10};
    EXPECT_EQ(handsPerCategory, expectedHands);
    EXPECT_EQ(classesPerCategory, expectedClasses);
}

// Suits only matter through a flush, so checking every rank multiset of five to seven cards dealt
// without a flush, and every five- to seven-card flush shape, covers every hand there is.
TEST(HandEvaluatorReference, EveryTableEntry) {
    std::array<int, 13> counts{};
    std::int64_t multisets = 0;
    const auto checkMultiset = [&] {
        std::vector<Card> hand;
        for (std::size_t rank = 0; rank < 13; ++rank) {
            for (int copy = 0; copy < counts[rank]; ++copy) {
                // Dealing suits in turn keeps every suit under five cards.
                hand.push_back(Card{allRanks[rank], allSuits[hand.size() % 4]});
            }
        }
        ++multisets;
        ASSERT_EQ(asReference(HandEvaluator::evaluate(hand)), referenceBest(hand)) << codes(hand);
    };
    const std::function<void(std::size_t, int)> fill = [&](std::size_t rank, int left) {
        if (rank == 13) {
            if (left == 0) {
                checkMultiset();
            }
            return;
        }
        for (int count = 0; count <= std::min(4, left); ++count) {
            counts[rank] = count;
            fill(rank + 1, left - count);
        }
        counts[rank] = 0;
    };
    for (int size = 5; size <= 7; ++size) {
        fill(0, size);
    }
    EXPECT_EQ(multisets, 6'175 + 18'395 + 49'205);

    int shapes = 0;
    for (unsigned mask = 0; mask < 8192; ++mask) {
        if (std::popcount(mask) < 5 || std::popcount(mask) > 7) {
            continue;
        }
        std::vector<Card> hand;
        for (std::size_t rank = 0; rank < 13; ++rank) {
            if ((mask >> rank) & 1u) {
                hand.push_back(Card{allRanks[rank], Suit::hearts});
            }
        }
        ++shapes;
        ASSERT_EQ(asReference(HandEvaluator::evaluate(hand)), referenceBest(hand)) << codes(hand);
    }
    EXPECT_EQ(shapes, 1287 + 1716 * 2);
}

TEST(HandEvaluatorReference, RandomSixAndSevenCardHands) {
    SeededRNG rng(2024);
    for (int round = 0; round < 40'000; ++round) {
        const std::vector<Card> hand = HandEvaluatorTesting::distinctCards(rng, round % 4 == 0 ? 6 : 7);
        if (asReference(HandEvaluator::evaluate(hand)) != referenceBest(hand)) {
            FAIL() << codes(hand);
        }
    }
}
