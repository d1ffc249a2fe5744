#include "BotKit/Equity.h"

#include "BotKit/HandReading.h"
#include "BotKit/PreflopChart.h"

#include "PokerEngine/DealtCards.h"
#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandAccumulator.h"
#include "PokerEngine/HandValue.h"
#include "PokerEngine/Precondition.h"

#include <array>
#include <vector>

namespace BotKit::Equity {

using PokerEngine::Card;
using PokerEngine::HandCategory;

namespace {

// One bit per card, numbered by Card::index().
using CardMask = std::uint64_t;

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

CardMask bit(int number) {
    return CardMask{1} << number;
}

int randomCard(CardMask taken, PokerEngine::SeededRNG& rng) {
    while (true) {
        const auto number = static_cast<int>(rng.next(52));
        if (((taken >> number) & 1) == 0) {
            return number;
        }
    }
}

// The chart percentile of every ordered pair of card numbers, so the range test is one lookup.
struct PairPercentiles {
    std::array<double, 52 * 52> values{};
};

const PairPercentiles& pairPercentiles() {
    static const PairPercentiles table = [] {
        PairPercentiles built;
        const auto& all = Card::all();
        for (int a = 0; a < 52; ++a) {
            for (int b = 0; b < 52; ++b) {
                if (a != b) {
                    built.values[static_cast<std::size_t>(a * 52 + b)] =
                        PreflopChart::percentile(all[a], all[b]);
                }
            }
        }
        return built;
    }();
    return table;
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
bool connects(int c1, int c2, const DealtCards& pair, const DealtCards& knownBoard, const BoardSuits& board,
              std::uint16_t boardCategoryBest, const PokerEngine::EvaluatorTables& tables) {
    if (tables.strength(knownBoard + pair) > boardCategoryBest) {
        return true;
    }
    const int suit1 = c1 / 13;
    const int suit2 = c2 / 13;
    const int sameSuit = suit1 == suit2 ? 2 : 1;
    return board.counts[static_cast<std::size_t>(suit1)] + sameSuit >= 4 ||
           board.counts[static_cast<std::size_t>(suit2)] + sameSuit >= 4;
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
    const auto& percentiles = pairPercentiles().values;
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

    std::vector<DealtCards> hands(opponents.size());
    double total = 0.0;
    for (std::int64_t trial = 0; trial < iterations; ++trial) {
        CardMask used = dead;
        for (std::size_t opponent = 0; opponent < opponents.size(); ++opponent) {
            const OpponentRange& range = opponents[opponent];
            int c1 = 0;
            int c2 = 0;
            for (int attempt = 1;; ++attempt) {
                c1 = randomCard(used, rng);
                c2 = randomCard(used | bit(c1), rng);
                if (attempt > attemptsTested) {
                    break;
                }
                if (percentiles[static_cast<std::size_t>(c1 * 52 + c2)] > range.top) {
                    continue;
                }
                if (!boardTest || rng.nextUnit() >= range.strengthShown ||
                    connects(c1, c2, cardsOf(c1) + cardsOf(c2), knownBoard, boardSuits, boardCategoryBest,
                             tables)) {
                    break;
                }
            }
            used |= bit(c1) | bit(c2);
            hands[opponent] = cardsOf(c1) + cardsOf(c2);
        }

        DealtCards completed = knownBoard;
        for (std::size_t missing = board.size(); missing < 5; ++missing) {
            const int number = randomCard(used, rng);
            used |= bit(number);
            completed = completed + cardsOf(number);
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
