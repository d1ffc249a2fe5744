#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandCategory.h"
#include "PokerEngine/HandValue.h"
#include "PokerEngine/Rank.h"

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <vector>

namespace BotKit {

// A bot's grading of its two hole cards on a board of three to five cards: how strong the made
// hand is, whether the hole cards play at all, and which draws and overcards it holds.
struct HandReading {
    enum class Strength : std::uint8_t { air = 0, weak = 1, medium = 2, strong = 3, monster = 4 };

    PokerEngine::HandValue value;
    Strength strength = Strength::air;
    // The hole cards make the hand better than the board alone.
    bool usesHoleCards = false;
    // Four cards of one suit, at least one of them a hole card.
    bool flushDraw = false;
    // 0, 4 or 8: four for each rank that would complete a straight with the hole cards' help.
    std::int64_t straightDrawOuts = 0;
    // Hole cards ranked above every board card.
    std::int64_t overcards = 0;

    // Exactly two hole cards and three to five board cards.
    HandReading(std::span<const PokerEngine::Card> hole, std::span<const PokerEngine::Card> board);

    // A flush draw or an open-ended straight draw; a lone gutshot is not a draw.
    bool hasDraw() const { return straightDrawOuts >= 8 || flushDraw; }
    std::int64_t outs() const;
    // The rule-of-thumb winning chance with the given number of board cards still to come.
    double estimatedEquity(std::int64_t cardsToCome, std::int64_t opponents) const;

    // The category the board's ranks alone make; suits and straights are ignored.
    static PokerEngine::HandCategory boardOnlyCategory(std::span<const PokerEngine::Card> board);
    // The raw rank values (ace as 14) that, added as one card, complete a straight; empty when the
    // cards already hold one.
    static std::set<int> straightCompletions(std::span<const PokerEngine::Card> cards);

    // `boardRanks` are the distinct board ranks, highest first.
    static Strength pairStrength(PokerEngine::Rank pairRank, PokerEngine::Rank kicker,
                                 const std::vector<PokerEngine::Rank>& boardRanks);
    static Strength classify(PokerEngine::HandValue value, std::span<const PokerEngine::Card> hole,
                             const std::vector<PokerEngine::Rank>& holeRanks,
                             std::span<const PokerEngine::Card> board,
                             const std::vector<PokerEngine::Rank>& boardRanks, bool usesHoleCards);
};

std::optional<HandReading::Strength> strengthFromRawValue(std::int64_t raw);

} // namespace BotKit
