#include "BotKit/HandReading.h"

#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace BotKit {

using PokerEngine::Card;
using PokerEngine::HandCategory;
using PokerEngine::Rank;
using Strength = HandReading::Strength;

namespace {

std::array<int, 13> rankCounts(std::span<const Card> cards) {
    std::array<int, 13> counts{};
    for (const Card card : cards) {
        ++counts[static_cast<std::size_t>(PokerEngine::rankIndex(card.rank))];
    }
    return counts;
}

int boardCount(const std::array<int, 13>& counts, Rank rank) {
    return counts[static_cast<std::size_t>(PokerEngine::rankIndex(rank))];
}

bool contains(const std::vector<Rank>& ranks, Rank rank) {
    return std::find(ranks.begin(), ranks.end(), rank) != ranks.end();
}

std::vector<Rank> distinctRanksHighFirst(std::span<const Card> cards) {
    std::vector<Rank> ranks;
    for (const Card card : cards) {
        if (!contains(ranks, card.rank)) {
            ranks.push_back(card.rank);
        }
    }
    std::sort(ranks.begin(), ranks.end(), std::greater<>());
    return ranks;
}

int suitCount(std::span<const Card> cards, PokerEngine::Suit suit) {
    return static_cast<int>(
        std::count_if(cards.begin(), cards.end(), [suit](Card c) { return c.suit == suit; }));
}

Strength classifyFlush(std::span<const Card> hole, std::span<const Card> board) {
    for (const Card boardCard : board) {
        const int onBoard = suitCount(board, boardCard.suit);
        if (onBoard < 3) {
            continue;
        }
        std::optional<Rank> highestHole;
        for (const Card holeCard : hole) {
            if (holeCard.suit == boardCard.suit && (!highestHole || holeCard.rank > *highestHole)) {
                highestHole = holeCard.rank;
            }
        }
        const bool weakFlushOnFourFlushBoard = onBoard >= 4 && (!highestHole || *highestHole < Rank::queen);
        return weakFlushOnFourFlushBoard ? Strength::strong : Strength::monster;
    }
    return Strength::monster;
}

Strength classifyHolePairTwoPair(Rank pair, std::span<const Card> board,
                                 const std::vector<Rank>& boardRanks) {
    const auto counts = rankCounts(board);
    std::vector<Rank> singletons;
    for (const Rank rank : boardRanks) {
        if (boardCount(counts, rank) == 1) {
            singletons.push_back(rank);
        }
    }
    if (singletons.empty() || pair > singletons[0]) {
        return Strength::strong;
    }
    if (singletons.size() == 1 || pair <= singletons[1]) {
        return Strength::weak;
    }
    return Strength::medium;
}

} // namespace

HandReading::HandReading(std::span<const Card> hole, std::span<const Card> board) {
    CW_PRECONDITION(hole.size() == 2);
    CW_PRECONDITION(board.size() >= 3 && board.size() <= 5);

    PokerEngine::HandAccumulator all(board);
    all.add(hole[0]);
    all.add(hole[1]);
    value = PokerEngine::HandEvaluator::evaluate(all);
    const HandCategory category = value.category();

    if (board.size() == 5) {
        usesHoleCards = value > PokerEngine::HandEvaluator::evaluate(board);
    } else {
        usesHoleCards = category > boardOnlyCategory(board);
    }

    const std::vector<Rank> boardRanks = distinctRanksHighFirst(board);
    const std::vector<Rank> holeRanks{hole[0].rank, hole[1].rank};

    for (const Rank rank : holeRanks) {
        if (rank > boardRanks.front()) {
            ++overcards;
        }
    }

    if (board.size() < 5 && category < HandCategory::straight) {
        std::vector<Card> combined(hole.begin(), hole.end());
        combined.insert(combined.end(), board.begin(), board.end());
        for (const auto suit : PokerEngine::allSuits) {
            const bool holeHasSuit = hole[0].suit == suit || hole[1].suit == suit;
            if (suitCount(combined, suit) == 4 && holeHasSuit) {
                flushDraw = true;
                break;
            }
        }
        const auto withHole = straightCompletions(combined);
        const auto boardAlone = straightCompletions(board);
        std::int64_t newCompletions = 0;
        for (const int rank : withHole) {
            if (!boardAlone.contains(rank)) {
                ++newCompletions;
            }
        }
        straightDrawOuts = std::min<std::int64_t>(4 * newCompletions, 8);
    }

    strength = classify(value, hole, holeRanks, board, boardRanks, usesHoleCards);
}

std::int64_t HandReading::outs() const {
    std::int64_t total = straightDrawOuts;
    if (flushDraw) {
        total = 9 + straightDrawOuts - (straightDrawOuts > 0 ? 2 : 0);
    }
    return std::min<std::int64_t>(total, 15);
}

double HandReading::estimatedEquity(std::int64_t cardsToCome, std::int64_t opponents) const {
    double equity = 0;
    switch (strength) {
    case Strength::air:
        equity = cardsToCome != 0 ? 0.1 + 0.03 * static_cast<double>(overcards) : 0.04;
        break;
    case Strength::weak:
        equity = 0.3;
        break;
    case Strength::medium:
        equity = 0.5;
        break;
    case Strength::strong:
        equity = 0.72;
        break;
    case Strength::monster:
        equity = 0.9;
        break;
    }
    if (strength < Strength::strong) {
        const double perOut = cardsToCome == 2 ? 0.04 : (cardsToCome == 1 ? 0.02 : 0.0);
        equity += perOut * static_cast<double>(std::min<std::int64_t>(outs(), 15));
        equity = std::min(equity, 0.9);
    }
    return equity * std::pow(0.85, static_cast<double>(std::max<std::int64_t>(opponents - 1, 0)));
}

HandCategory HandReading::boardOnlyCategory(std::span<const Card> board) {
    const auto counts = rankCounts(board);
    std::vector<int> sorted;
    for (const int count : counts) {
        if (count > 0) {
            sorted.push_back(count);
        }
    }
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    if (sorted.empty()) {
        return HandCategory::highCard;
    }
    const int largest = sorted[0];
    const int second = sorted.size() > 1 ? sorted[1] : 0;
    switch (largest) {
    case 2:
        return second == 2 ? HandCategory::twoPair : HandCategory::pair;
    case 3:
        return second >= 2 ? HandCategory::fullHouse : HandCategory::threeOfAKind;
    case 4:
        return HandCategory::fourOfAKind;
    default:
        return HandCategory::highCard;
    }
}

std::set<int> HandReading::straightCompletions(std::span<const Card> cards) {
    std::array<bool, 15> present{};
    for (const Card card : cards) {
        present[PokerEngine::rawValue(card.rank)] = true;
    }
    present[1] = present[14];

    std::set<int> completions;
    for (int start = 1; start <= 10; ++start) {
        int missingCount = 0;
        int missing = 0;
        for (int rank = start; rank < start + 5; ++rank) {
            if (!present[static_cast<std::size_t>(rank)]) {
                ++missingCount;
                missing = rank;
            }
        }
        if (missingCount == 0) {
            return {};
        }
        if (missingCount == 1) {
            completions.insert(missing == 1 ? 14 : missing);
        }
    }
    return completions;
}

Strength HandReading::pairStrength(Rank pairRank, Rank kicker, const std::vector<Rank>& boardRanks) {
    const auto found = std::find(boardRanks.begin(), boardRanks.end(), pairRank);
    if (found == boardRanks.end()) {
        return Strength::weak;
    }
    const auto position = found - boardRanks.begin();
    if (position == 0) {
        const bool goodKicker = kicker >= Rank::jack || (kicker == Rank::ten && pairRank == Rank::ace);
        return goodKicker ? Strength::strong : Strength::medium;
    }
    return position == 1 ? Strength::medium : Strength::weak;
}

Strength HandReading::classify(PokerEngine::HandValue value, std::span<const Card> hole,
                               const std::vector<Rank>& holeRanks, std::span<const Card> board,
                               const std::vector<Rank>& boardRanks, bool usesHoleCards) {
    const HandCategory category = value.category();
    if (!usesHoleCards) {
        const bool bigCard = std::any_of(holeRanks.begin(), holeRanks.end(),
                                         [](Rank rank) { return rank == Rank::king || rank == Rank::ace; });
        return bigCard && category < HandCategory::straight ? Strength::weak : Strength::air;
    }
    const bool holePair = holeRanks[0] == holeRanks[1];
    switch (category) {
    case HandCategory::straightFlush:
    case HandCategory::fourOfAKind:
    case HandCategory::fullHouse:
        return Strength::monster;
    case HandCategory::flush:
        return classifyFlush(hole, board);
    case HandCategory::straight:
        return board.size() >= 4 && !straightCompletions(board).empty() ? Strength::strong
                                                                        : Strength::monster;
    case HandCategory::threeOfAKind: {
        const bool set = holePair && boardCount(rankCounts(board), holeRanks[0]) == 1;
        return set ? Strength::monster : Strength::strong;
    }
    case HandCategory::twoPair: {
        if (holePair) {
            return classifyHolePairTwoPair(holeRanks[0], board, boardRanks);
        }
        const bool firstOnBoard = contains(boardRanks, holeRanks[0]);
        const bool secondOnBoard = contains(boardRanks, holeRanks[1]);
        if (firstOnBoard && secondOnBoard) {
            const auto counts = rankCounts(board);
            const bool unpaired = std::all_of(boardRanks.begin(), boardRanks.end(),
                                              [&counts](Rank rank) { return boardCount(counts, rank) == 1; });
            return unpaired ? Strength::monster : Strength::strong;
        }
        if (!firstOnBoard && !secondOnBoard) {
            return Strength::air;
        }
        return firstOnBoard ? pairStrength(holeRanks[0], holeRanks[1], boardRanks)
                            : pairStrength(holeRanks[1], holeRanks[0], boardRanks);
    }
    case HandCategory::pair: {
        if (holePair) {
            const Rank pair = holeRanks[0];
            if (pair > boardRanks[0]) {
                return Strength::strong;
            }
            if (boardRanks.size() == 1 || pair <= boardRanks[1]) {
                return Strength::weak;
            }
            return Strength::medium;
        }
        if (contains(boardRanks, holeRanks[0])) {
            return pairStrength(holeRanks[0], holeRanks[1], boardRanks);
        }
        if (contains(boardRanks, holeRanks[1])) {
            return pairStrength(holeRanks[1], holeRanks[0], boardRanks);
        }
        return Strength::air;
    }
    case HandCategory::highCard:
        return Strength::air;
    }
    return Strength::air;
}

std::optional<HandReading::Strength> strengthFromRawValue(std::int64_t raw) {
    if (raw < 0 || raw > 4) {
        return std::nullopt;
    }
    return static_cast<HandReading::Strength>(raw);
}

} // namespace BotKit
