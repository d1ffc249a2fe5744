#include "BotKit/Equity.h"

#include "BotKit/HandReading.h"
#include "BotKit/PreflopChart.h"

#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/Precondition.h"

#include <array>
#include <vector>

namespace BotKit::Equity {

using PokerEngine::Card;
using PokerEngine::HandAccumulator;
using PokerEngine::HandCategory;

namespace {

// One bit per card, numbered by Card::index().
using CardMask = std::uint64_t;

constexpr int attemptsTested = 30;

CardMask bit(int number) {
    return CardMask{1} << number;
}

int randomCard(CardMask taken, PokerEngine::SeededRNG& rng) {
    while (true) {
        const auto number = static_cast<int>(rng.next(52));
        if ((taken & bit(number)) == 0) {
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

bool connects(int c1, int c2, const BoardSuits& board, const HandAccumulator& boardHand,
              HandCategory boardCategory) {
    const auto& all = Card::all();
    const auto value = PokerEngine::HandEvaluator::evaluate(boardHand.adding(all[c1]).adding(all[c2]));
    if (value.category() > boardCategory) {
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
                PokerEngine::SeededRNG& rng) {
    CW_PRECONDITION(hole.size() == 2);
    CW_PRECONDITION(board.size() <= 5);
    CW_PRECONDITION(!opponents.empty());
    CW_PRECONDITION(iterations >= 0);
    // Every deal must find free cards, or the sampling below would never end.
    CW_PRECONDITION(7 + 2 * opponents.size() <= 52);
    if (iterations == 0) {
        return 0.0;
    }

    const auto& all = Card::all();
    const auto& percentiles = pairPercentiles().values;

    CardMask dead = 0;
    BoardSuits known;
    for (const Card card : hole) {
        dead |= bit(card.index());
    }
    for (const Card card : board) {
        dead |= bit(card.index());
        ++known.counts[PokerEngine::rawValue(card.suit)];
    }
    const HandAccumulator knownBoard(board);
    const bool boardTest = board.size() >= 3;
    const HandCategory boardCategory =
        boardTest ? HandReading::boardOnlyCategory(board) : HandCategory::highCard;

    std::vector<std::array<int, 2>> hands(opponents.size());
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
                    connects(c1, c2, known, knownBoard, boardCategory)) {
                    break;
                }
            }
            used |= bit(c1) | bit(c2);
            hands[opponent] = {c1, c2};
        }

        HandAccumulator completed = knownBoard;
        for (std::size_t missing = board.size(); missing < 5; ++missing) {
            const int number = randomCard(used, rng);
            used |= bit(number);
            completed.add(all[number]);
        }

        const auto heroValue =
            PokerEngine::HandEvaluator::evaluate(completed.adding(hole[0]).adding(hole[1]));
        int ties = 0;
        bool lost = false;
        for (const auto& hand : hands) {
            const auto value =
                PokerEngine::HandEvaluator::evaluate(completed.adding(all[hand[0]]).adding(all[hand[1]]));
            if (value > heroValue) {
                lost = true;
                break;
            }
            if (value == heroValue) {
                ++ties;
            }
        }
        if (!lost) {
            total += 1.0 / (1.0 + ties);
        }
    }
    return total / static_cast<double>(iterations);
}

} // namespace BotKit::Equity
