// The fast sampler must draw exactly what the plain one draws: the same generator outputs in the
// same order, the same estimate to the last bit and the same end state, for every input. The plain
// sampler is kept here, one card and one test at a time, as the reference.
#include "BotKit/Equity.h"
#include "BotKit/HandReading.h"
#include "BotKit/PreflopChart.h"

#include "PokerEngine/DealtCards.h"
#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandValue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using namespace BotKit;
using PokerEngine::Card;
using PokerEngine::DealtCards;
using PokerEngine::SeededRNG;

namespace {

constexpr int attemptsTested = 30;

bool taken(std::uint64_t used, int number) {
    return ((used >> number) & 1) != 0;
}

int referenceCard(std::uint64_t used, SeededRNG& rng) {
    while (true) {
        const auto number = static_cast<int>(rng.next(52));
        if (!taken(used, number)) {
            return number;
        }
    }
}

DealtCards dealt(const std::vector<Card>& cards) {
    DealtCards sum;
    for (const Card card : cards) {
        sum += DealtCards::of(card);
    }
    return sum;
}

double referenceEstimate(const std::vector<Card>& hole, const std::vector<Card>& board,
                         const std::vector<OpponentRange>& opponents, std::int64_t iterations,
                         SeededRNG& rng) {
    if (iterations == 0) {
        return 0.0;
    }
    const auto& tables = PokerEngine::EvaluatorTables::shared();
    const auto& all = Card::all();
    std::uint64_t dead = 0;
    std::array<int, 4> boardSuits{};
    for (const Card card : hole) {
        dead |= std::uint64_t{1} << card.index();
    }
    for (const Card card : board) {
        dead |= std::uint64_t{1} << card.index();
        ++boardSuits[PokerEngine::rawValue(card.suit)];
    }
    const bool boardTest = board.size() >= 3;
    const auto boardBest = PokerEngine::strengthRange(boardTest ? HandReading::boardOnlyCategory(board)
                                                                : PokerEngine::HandCategory::highCard)
                               .upperBound;
    const auto connects = [&](int c1, int c2) {
        std::vector<Card> cards = board;
        cards.push_back(all[c1]);
        cards.push_back(all[c2]);
        if (tables.strength(dealt(cards)) > boardBest) {
            return true;
        }
        const int extra = c1 / 13 == c2 / 13 ? 2 : 1;
        return boardSuits[c1 / 13] + extra >= 4 || boardSuits[c2 / 13] + extra >= 4;
    };

    double total = 0.0;
    for (std::int64_t trial = 0; trial < iterations; ++trial) {
        std::uint64_t used = dead;
        std::vector<std::vector<Card>> hands;
        for (const OpponentRange& range : opponents) {
            int c1 = 0;
            int c2 = 0;
            for (int attempt = 1;; ++attempt) {
                c1 = referenceCard(used, rng);
                c2 = referenceCard(used | (std::uint64_t{1} << c1), rng);
                if (attempt > attemptsTested) {
                    break;
                }
                if (PreflopChart::percentile(all[c1], all[c2]) > range.top) {
                    continue;
                }
                if (!boardTest || rng.nextUnit() >= range.strengthShown || connects(c1, c2)) {
                    break;
                }
            }
            used |= (std::uint64_t{1} << c1) | (std::uint64_t{1} << c2);
            hands.push_back({all[c1], all[c2]});
        }
        std::vector<Card> completed = board;
        while (completed.size() < 5) {
            const int number = referenceCard(used, rng);
            used |= std::uint64_t{1} << number;
            completed.push_back(all[number]);
        }
        const auto strengthWith = [&](const std::vector<Card>& two) {
            std::vector<Card> seven = completed;
            seven.insert(seven.end(), two.begin(), two.end());
            return tables.strength(dealt(seven));
        };
        const auto heroStrength = strengthWith(hole);
        bool lost = false;
        int ties = 0;
        for (const auto& hand : hands) {
            const auto strength = strengthWith(hand);
            lost = lost || strength > heroStrength;
            ties += strength == heroStrength ? 1 : 0;
        }
        total += lost ? 0.0 : 1.0 / (1.0 + static_cast<double>(ties));
    }
    return total / static_cast<double>(iterations);
}

struct Situation {
    std::vector<Card> hole;
    std::vector<Card> board;
    std::vector<OpponentRange> ranges;
    std::int64_t iterations = 1;
};

std::string describe(const Situation& situation, const SeededRNG& rng) {
    std::ostringstream text;
    for (const Card card : situation.hole) {
        text << card.code() << ' ';
    }
    text << "/ ";
    for (const Card card : situation.board) {
        text << card.code() << ' ';
    }
    text << "/";
    for (const OpponentRange& range : situation.ranges) {
        text << " {" << range.top << ", " << range.strengthShown << "}";
    }
    text << " x" << situation.iterations << " state " << std::hex << rng.s0 << ' ' << rng.s1 << ' ' << rng.s2
         << ' ' << rng.s3;
    return text.str();
}

// Runs both samplers from the same state and compares the estimates bit for bit and the states.
void expectSameDraws(const Situation& situation, const SeededRNG& start) {
    SeededRNG reference = start;
    SeededRNG fast = start;
    const double expected =
        referenceEstimate(situation.hole, situation.board, situation.ranges, situation.iterations, reference);
    const double actual =
        Equity::estimate(situation.hole, situation.board, situation.ranges, situation.iterations, fast);
    EXPECT_EQ(actual, expected) << describe(situation, start);
    EXPECT_EQ(fast, reference) << describe(situation, start);
}

// Situations drawn at random: 0, 3, 4 or 5 board cards, any number of opponents a table seats,
// ranges from any two cards to nearly nothing with every shown strength.
class SituationMaker {
  public:
    explicit SituationMaker(std::uint64_t seed)
        : rng_(seed) {}

    Situation make(std::size_t opponents, std::size_t boardSize, std::int64_t iterations) {
        std::vector<Card> deck(Card::all().begin(), Card::all().end());
        std::shuffle(deck.begin(), deck.end(), rng_);
        Situation situation;
        situation.hole = {deck[0], deck[1]};
        situation.board.assign(deck.begin() + 2, deck.begin() + 2 + static_cast<std::ptrdiff_t>(boardSize));
        for (std::size_t opponent = 0; opponent < opponents; ++opponent) {
            situation.ranges.push_back(range());
        }
        situation.iterations = iterations;
        return situation;
    }

    std::size_t below(std::size_t n) {
        return static_cast<std::size_t>(rng_.next(static_cast<std::int64_t>(n)));
    }
    SeededRNG& rng() { return rng_; }

  private:
    OpponentRange range() {
        switch (rng_.next(5)) {
        case 0:
            return OpponentRange::any();
        case 1:
            // Tight enough that thirty tries often fail.
            return {0.005 + 0.04 * rng_.nextUnit(), 0.5 + 0.5 * rng_.nextUnit()};
        case 2:
            return {rng_.nextUnit(), 0.0};
        case 3:
            return {rng_.nextUnit(), 1.0};
        default:
            return {rng_.nextUnit(), rng_.nextUnit()};
        }
    }

    SeededRNG rng_;
};

TEST(EquityIdentity, DrawsAsThePlainSamplerInRandomSituations) {
    SituationMaker maker(20261207);
    constexpr std::array<std::size_t, 4> boardSizes = {0, 3, 4, 5};
    for (int round = 0; round < 160; ++round) {
        const std::size_t opponents = 1 + maker.below(9);
        const std::size_t boardSize = boardSizes[maker.below(boardSizes.size())];
        // Mostly short runs, so that many situations and seeds fit; some long ones.
        const std::int64_t iterations = round % 16 == 0 ? 1500 + static_cast<std::int64_t>(maker.below(1500))
                                                        : 1 + static_cast<std::int64_t>(maker.below(120));
        const Situation situation = maker.make(opponents, boardSize, iterations);
        expectSameDraws(situation, SeededRNG(maker.rng().next()));
    }
}

TEST(EquityIdentity, DrawsAsThePlainSamplerAgainstAnyTwoCards) {
    // Every opponent taking any pair, on every street and with up to a full deck's worth of them.
    SituationMaker maker(31);
    constexpr std::array<std::size_t, 4> boardSizes = {0, 3, 4, 5};
    for (int round = 0; round < 60; ++round) {
        const std::size_t opponents = 1 + maker.below(round % 10 == 0 ? 22 : 9);
        Situation situation =
            maker.make(opponents, boardSizes[maker.below(boardSizes.size())], 1 + maker.below(200));
        situation.ranges.assign(opponents, OpponentRange::any());
        expectSameDraws(situation, SeededRNG(maker.rng().next()));
    }
}

TEST(EquityIdentity, DrawsAsThePlainSamplerAtTheEdges) {
    SituationMaker maker(77);
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    // Limits outside 0 ... 1, exactly on a percentile or a unit value, and NaN, which every
    // comparison answers no; some take every pair and pass every unit, so each opponent keeps its
    // first pair.
    const std::vector<OpponentRange> unusual = {
        {0.0, 0.0},     {1.0, 1.0},     {-1.0, -1.0},         {2.0, 2.0},       {nan, 0.4},
        {0.3, nan},     {nan, nan},     {infinity, infinity}, {-infinity, 0.5}, {0.5, 0x1.fffffffffffffp-1},
        {0.5, 0x1p-53}, {0.5, 0x1p-60}, {0.5, 0.5},           {0.0, 1.0},       {nan, 0.0},
        {2.0, -1.0},    {1.0, -0.0}};
    constexpr std::array<std::size_t, 4> boardSizes = {0, 3, 4, 5};
    for (const OpponentRange& range : unusual) {
        for (const std::size_t boardSize : boardSizes) {
            Situation situation = maker.make(1, boardSize, 60);
            situation.ranges = {range, OpponentRange{0.2, 0.6}, range};
            expectSameDraws(situation, SeededRNG(maker.rng().next()));
        }
    }
    // The most opponents a deck serves, and single trials.
    for (const std::size_t boardSize : boardSizes) {
        expectSameDraws(maker.make(45 / 2, boardSize, 20), SeededRNG(maker.rng().next()));
        for (std::uint64_t seed = 0; seed < 8; ++seed) {
            expectSameDraws(maker.make(1 + seed, boardSize, 1), SeededRNG(seed));
        }
    }
}

// xoshiro256** run backwards one step, so a test can plant an output at any position of the stream.
SeededRNG stepBack(const SeededRNG& rng) {
    const std::uint64_t s3 = std::rotr(rng.s3, 45);
    const std::uint64_t s0 = rng.s0 ^ s3;
    // rng.s1 ^ rng.s2 is the old s1 ^ (old s1 << 17), undone by repeated shifting.
    std::uint64_t mixed = rng.s1 ^ rng.s2;
    const std::uint64_t s1 = mixed ^ (mixed << 17) ^ (mixed << 34) ^ (mixed << 51);
    const std::uint64_t s2 = rng.s1 ^ s1;
    return SeededRNG::fromState(s0, s1, s2 ^ s0, s3 ^ s1);
}

constexpr std::uint64_t inverseOf(std::uint64_t odd) {
    std::uint64_t inverse = odd;
    for (int round = 0; round < 6; ++round) {
        inverse *= 2 - odd * inverse;
    }
    return inverse;
}

// A generator whose outputs from number `position` on (counting from 0) are `outputs`: the first
// through s1, the second through s2, which the step mixes into the next s1.
SeededRNG withOutputsAt(std::uint64_t seed, int position, std::vector<std::uint64_t> outputs) {
    // An output is rotl(s1 × 5, 7) × 9, so s1 follows from it.
    const auto s1For = [](std::uint64_t output) {
        return std::rotr(output * inverseOf(9), 7) * inverseOf(5);
    };
    SeededRNG rng(seed);
    for (int step = 0; step < position; ++step) {
        rng.next();
    }
    const std::uint64_t s1 = s1For(outputs.front());
    // The next s1 is s1 ^ s2 ^ s0.
    const std::uint64_t s2 = outputs.size() > 1 ? s1For(outputs[1]) ^ s1 ^ rng.s0 : rng.s2;
    rng = SeededRNG::fromState(rng.s0, s1, s2, rng.s3);
    for (int step = 0; step < position; ++step) {
        rng = stepBack(rng);
    }
    return rng;
}

// An output whose product with 52 leaves `low` (a multiple of 4) in the low word.
std::uint64_t outputLeaving(std::uint64_t low) {
    __extension__ typedef unsigned __int128 UInt128;
    for (UInt128 high = 0;; ++high) {
        const UInt128 product = (high << 64) | low;
        if (product % 52 == 0) {
            return static_cast<std::uint64_t>(product / 52);
        }
    }
}

TEST(EquityIdentity, PlantedOutputsReachWhereTheyArePlanted) {
    SeededRNG rng = withOutputsAt(5, 17, {0x0123456789abcdefULL, 42});
    for (int step = 0; step < 17; ++step) {
        rng.next();
    }
    EXPECT_EQ(rng.next(), 0x0123456789abcdefULL);
    EXPECT_EQ(rng.next(), 42u);
    EXPECT_EQ(outputLeaving(20) * 52, 20u);
}

TEST(EquityIdentity, RejectedCardDrawsAreRedrawnAsThePlainSamplerDoes) {
    // A product below 16 in the low word is rejected by the unbiased draw and drawn again; one
    // below 52 is checked and kept. Planted at every early position, each lands on a first or
    // second card, a redraw, a unit draw or a board card somewhere.
    SituationMaker maker(4242);
    const std::array<std::uint64_t, 4> outputs = {0, std::uint64_t{1} << 62, outputLeaving(12),
                                                  outputLeaving(20)};
    for (int position = 0; position < 48; ++position) {
        for (const std::uint64_t output : outputs) {
            const std::size_t boardSize = position % 2 == 0 ? 3 : static_cast<std::size_t>(position % 3) * 2;
            Situation situation = maker.make(1 + static_cast<std::size_t>(position % 4),
                                             std::min<std::size_t>(boardSize, 5), 3);
            expectSameDraws(situation,
                            withOutputsAt(static_cast<std::uint64_t>(position), position, {output}));
        }
    }
    // Before the flop against any two cards, where several opponents' cards and the board are
    // dealt in one run.
    for (int position = 0; position < 40; ++position) {
        for (const std::uint64_t output : outputs) {
            Situation situation = maker.make(2 + static_cast<std::size_t>(position % 5), 0, 2);
            situation.ranges.assign(situation.ranges.size(), OpponentRange::any());
            expectSameDraws(situation,
                            withOutputsAt(static_cast<std::uint64_t>(position), position, {output}));
        }
    }
    // Two rejections in a row, deep into a long run.
    for (const int position : {700, 1000, 1300}) {
        expectSameDraws(maker.make(3, 3, 400), withOutputsAt(9, position, {0, 0}));
        expectSameDraws(maker.make(2, 0, 400),
                        withOutputsAt(9, position, {outputLeaving(8), outputLeaving(36)}));
    }
}

TEST(EquityIdentity, UnitDrawsOnTheShownStrengthAreJudgedAsThePlainSamplerDoes) {
    // A unit draw is a multiple of 2^-53: plant the multiples just below, on and just above each
    // shown strength where the third output of a trial is the unit of the first opponent's pair.
    SituationMaker maker(99);
    for (const double shown : {0.4, 0.75, 1.0 / 3.0, 0.5, 0x1p-53, 0x1.8p-53}) {
        const auto onGrid = static_cast<std::uint64_t>(shown * 0x1p53);
        for (std::uint64_t bits = onGrid == 0 ? 0 : onGrid - 1; bits <= onGrid + 1; ++bits) {
            for (std::uint64_t seed = 0; seed < 12; ++seed) {
                Situation situation = maker.make(1, 3, 1);
                situation.ranges = {OpponentRange{1.0, shown}};
                expectSameDraws(situation, withOutputsAt(seed, 2, {bits << 11}));
            }
        }
    }
}

} // namespace
