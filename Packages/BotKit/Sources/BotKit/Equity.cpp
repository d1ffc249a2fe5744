#include "BotKit/Equity.h"

#include "BotKit/EquityDraws.h"
#include "BotKit/HandReading.h"
#include "BotKit/PairPercentileRanks.h"

#include "PokerEngine/DealtCards.h"
#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandAccumulator.h"
#include "PokerEngine/HandValue.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace BotKit::Equity {

using PokerEngine::Card;
using PokerEngine::HandCategory;
using namespace EquityDraws;

namespace {

constexpr int attemptsTested = 30;

// Every deal must find free cards, or the sampling would never end: seven cards besides the
// opponents' two each.
constexpr std::size_t mostOpponents = (52 - 7) / 2;

// What a trial scores for the hero when tying with 0 ... mostOpponents opponents, then last when
// beaten: adding the 0 of a lost trial leaves the total as it was.
constexpr std::array<double, mostOpponents + 2> shareOfTrial = [] {
    std::array<double, mostOpponents + 2> shares{};
    for (std::size_t ties = 0; ties <= mostOpponents; ++ties) {
        shares[ties] = 1.0 / (1.0 + static_cast<double>(ties));
    }
    return shares;
}();

// The 53 bits of a unit draw at or above which it is at least `limit`: nextUnit() >= limit exactly
// when next() >> 11 >= unitBitsAtLeast(limit). A NaN limit is never reached.
std::uint64_t unitBitsAtLeast(double limit) {
    constexpr double scale = 0x1.0p53;
    if (!(limit > 0.0)) {
        return std::isnan(limit) ? std::uint64_t{1} << 53 : 0;
    }
    if (limit >= 1.0) {
        return std::uint64_t{1} << 53;
    }
    // Scaling by a power of two is exact, and so is rounding up a number below 2^53.
    return static_cast<std::uint64_t>(std::ceil(limit * scale));
}

struct BoardSuits {
    std::array<int, 4> counts{};
};

using PokerEngine::DealtCards;

// Each card by its number.
const std::array<DealtCards, 52>& singleCards() {
    static const std::array<DealtCards, 52> cards = [] {
        std::array<DealtCards, 52> built{};
        for (int number = 0; number < 52; ++number) {
            const Card card = Card::all()[number];
            built[static_cast<std::size_t>(number)] = DealtCards::of(card);
        }
        return built;
    }();
    return cards;
}

// Whether a pair's hand connects with the board: a better category than the board shows alone
// (categories rise with strength, so a strength above the board category's best), or four cards
// to a flush.
bool connects(int c1, int c2, const DealtCards& knownBoard, const BoardSuits& board,
              std::uint16_t boardCategoryBest, const PokerEngine::EvaluatorTables& tables) {
    const auto& cards = singleCards();
    const DealtCards pair = cards[static_cast<std::size_t>(c1)] + cards[static_cast<std::size_t>(c2)];
    if (tables.strength(knownBoard + pair) > boardCategoryBest) {
        return true;
    }
    const int suit1 = c1 / 13;
    const int suit2 = c2 / 13;
    const int sameSuit = suit1 == suit2 ? 2 : 1;
    return board.counts[static_cast<std::size_t>(suit1)] + sameSuit >= 4 ||
           board.counts[static_cast<std::size_t>(suit2)] + sameSuit >= 4;
}

using ConnectedPairs = std::array<std::uint8_t, pairCount>;

// Whether each pair of live cards ranked below `rankBelow` connects with the board; 0 for the rest.
ConnectedPairs connectedPairs(CardMask dead, std::uint16_t rankBelow, const PercentileRanks& ranks,
                              const DealtCards& knownBoard, const BoardSuits& boardSuits,
                              std::uint16_t boardCategoryBest, const PokerEngine::EvaluatorTables& tables) {
    ConnectedPairs connected{};
    for (int c1 = 0; c1 < 52; ++c1) {
        for (int c2 = c1 + 1; c2 < 52; ++c2) {
            if (((dead >> c1) & 1) == 0 && ((dead >> c2) & 1) == 0 &&
                ranks.ranks[pairOf(c1, c2)] < rankBelow) {
                const auto value = static_cast<std::uint8_t>(
                    connects(c1, c2, knownBoard, boardSuits, boardCategoryBest, tables));
                connected[pairOf(c1, c2)] = value;
                connected[pairOf(c2, c1)] = value;
            }
        }
    }
    return connected;
}

// What the trials test of one opponent's dealt pair, as integers.
struct OpponentTest {
    std::uint16_t inRangeBelow = 0;
    std::uint64_t unitBitsAtLeast = 0;
    bool keepsFirstPair = false;
};

// Deals one opponent's pair: two free cards per attempt; up to the thirtieth attempt a pair out of
// range is dealt again, and on a board a pair in range draws a unit that passes it when at least
// the shown strength, or else when it connects. The range test stays a branch of its own: it is
// known soonest after the cards, so a wrong guess costs least there. Inlined into the trials, where
// the generator's state stays in registers instead of passing through memory on every attempt.
template <bool boardTest>
[[gnu::always_inline]] inline std::size_t
dealOpponent(CardMask used, const OpponentTest& test, const std::uint16_t* ranks,
             const std::uint8_t* connected, PokerEngine::SeededRNG& rng) {
    if (test.keepsFirstPair) {
        // Every pair is in range and, on a board, passes its unit: the first pair stays.
        const int c1 = randomCard(used, rng);
        const int c2 = randomCard(used | bit(c1), rng);
        if constexpr (boardTest) {
            rng.next();
        }
        return pairOf(c1, c2);
    }
    for (int attempt = 1;; ++attempt) {
        const int c1 = randomCard(used, rng);
        const int c2 = randomCard(used | bit(c1), rng);
        const std::size_t pair = pairOf(c1, c2);
        if (attempt > attemptsTested) {
            return pair;
        }
        if (ranks[pair] >= test.inRangeBelow) {
            continue;
        }
        bool accepted = true;
        if constexpr (boardTest) {
            accepted = (rng.next() >> 11) >= test.unitBitsAtLeast || connected[pair] != 0;
        }
        if (accepted) {
            return pair;
        }
    }
}

} // namespace

double estimate(std::span<const Card> hole, std::span<const Card> board,
                std::span<const OpponentRange> opponents, std::int64_t iterations,
                PokerEngine::SeededRNG& callerRng) {
    CW_PRECONDITION(hole.size() == 2);
    CW_PRECONDITION(board.size() <= 5);
    CW_PRECONDITION(!opponents.empty());
    CW_PRECONDITION(iterations >= 0);
    CW_PRECONDITION(opponents.size() <= mostOpponents);
    if (iterations == 0) {
        return 0.0;
    }

    // Drawn from a local copy, whose state can stay in registers through the trials, and handed
    // back at the end: the same draws in the same order.
    PokerEngine::SeededRNG rng = callerRng;
    // Fetched once: the trials below only add cards and look up strengths.
    const PokerEngine::EvaluatorTables& tables = PokerEngine::EvaluatorTables::shared();
    const PercentileRanks& ranks = percentileRanks();
    const auto& cards = singleCards();
    const auto cardsOf = [&](int number) { return cards[static_cast<std::size_t>(number)]; };

    // The hole cards and the board must be distinct cards; an accumulator checks that once here.
    static_cast<void>(PokerEngine::HandAccumulator(board).adding(hole[0]).adding(hole[1]));
    CardMask dead = 0;
    BoardSuits boardSuits;
    DealtCards knownBoard;
    DealtCards heroHole;
    for (const Card card : hole) {
        dead |= bit(card.index());
        heroHole = heroHole + cardsOf(card.index());
    }
    for (const Card card : board) {
        dead |= bit(card.index());
        ++boardSuits.counts[PokerEngine::rawValue(card.suit)];
        knownBoard = knownBoard + cardsOf(card.index());
    }
    const bool boardTest = board.size() >= 3;
    const std::uint16_t boardCategoryBest =
        PokerEngine::strengthRange(boardTest ? HandReading::boardOnlyCategory(board) : HandCategory::highCard)
            .upperBound;

    std::vector<OpponentTest> tests;
    tests.reserve(opponents.size());
    // Only pairs in range whose unit can fall short of the shown strength are ever tested for
    // connecting, so only those are evaluated, once for the whole run.
    std::uint16_t connectsTestedBelow = 0;
    for (const OpponentRange& range : opponents) {
        OpponentTest test{ranks.inRangeBelow(range.top), unitBitsAtLeast(range.strengthShown)};
        test.keepsFirstPair =
            test.inRangeBelow == ranks.distinct.size() && (!boardTest || test.unitBitsAtLeast == 0);
        tests.push_back(test);
        if (test.unitBitsAtLeast > 0) {
            connectsTestedBelow = std::max(connectsTestedBelow, test.inRangeBelow);
        }
    }
    const ConnectedPairs connected = boardTest ? connectedPairs(dead, connectsTestedBelow, ranks, knownBoard,
                                                                boardSuits, boardCategoryBest, tables)
                                               : ConnectedPairs{};

    const std::size_t missing = 5 - board.size();
    // Before the flop, opponents whose range holds every pair take their first two free cards.
    const bool everyPairTaken =
        !boardTest && std::all_of(tests.begin(), tests.end(),
                                  [&](const OpponentTest& test) { return test.keepsFirstPair; });
    const std::size_t knownCount = hole.size() + board.size();
    const bool trialByScan = everyPairTaken && scanPays(knownCount, 2 * opponents.size() + missing);
    const bool boardByScan = scanPays(knownCount + 2 * opponents.size(), missing);
    std::vector<DealtCards> hands(opponents.size());
    // The cards dealt in a trial, the opponents' places first.
    std::array<int, 52> dealt{};
    double total = 0.0;
    for (std::int64_t trial = 0; trial < iterations; ++trial) {
        DealtCards completed = knownBoard;
        if (trialByScan) {
            // Each opponent keeps the first two free cards, so the whole trial is one run of free
            // cards: the opponents' pairs in turn, then the board.
            scanFreeCards(2 * opponents.size() + missing, dead, rng, dealt.data());
            for (std::size_t opponent = 0; opponent < opponents.size(); ++opponent) {
                hands[opponent] = cardsOf(dealt[2 * opponent]) + cardsOf(dealt[2 * opponent + 1]);
            }
            for (std::size_t drawn = 2 * opponents.size(); drawn < 2 * opponents.size() + missing; ++drawn) {
                completed += cardsOf(dealt[drawn]);
            }
        } else {
            CardMask used = dead;
            for (std::size_t opponent = 0; opponent < opponents.size(); ++opponent) {
                const std::size_t pair =
                    boardTest
                        ? dealOpponent<true>(used, tests[opponent], ranks.ranks.data(), connected.data(), rng)
                        : dealOpponent<false>(used, tests[opponent], ranks.ranks.data(), connected.data(),
                                              rng);
                const int c1 = static_cast<int>(pair / pairStride);
                const int c2 = static_cast<int>(pair % pairStride);
                used |= bit(c1) | bit(c2);
                hands[opponent] = cardsOf(c1) + cardsOf(c2);
            }
            if (boardByScan) {
                scanFreeCards(missing, used, rng, dealt.data());
                for (std::size_t drawn = 0; drawn < missing; ++drawn) {
                    completed += cardsOf(dealt[drawn]);
                }
            } else {
                for (std::size_t drawn = 0; drawn < missing; ++drawn) {
                    const int number = randomCard(used, rng);
                    used |= bit(number);
                    completed += cardsOf(number);
                }
            }
        }

        // Scored without an early exit or a branch on the outcome, which no predictor can guess:
        // a trial is lost when any opponent is stronger, and otherwise shared among the ties.
        const std::uint16_t heroStrength = tables.strength(completed + heroHole);
        bool lost = false;
        std::size_t ties = 0;
        for (const DealtCards& hand : hands) {
            const std::uint16_t strength = tables.strength(completed + hand);
            lost |= strength > heroStrength;
            ties += strength == heroStrength;
        }
        // The index is computed rather than chosen, so the compiler cannot turn it back into a branch.
        const std::size_t beaten = shareOfTrial.size() - 1;
        total += shareOfTrial[ties + static_cast<std::size_t>(lost) * (beaten - ties)];
    }
    callerRng = rng;
    return total / static_cast<double>(iterations);
}

} // namespace BotKit::Equity
