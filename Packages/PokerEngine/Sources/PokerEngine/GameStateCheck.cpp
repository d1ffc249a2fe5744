#include "PokerEngine/GameStateCheck.h"

#include <bitset>
#include <limits>
#include <set>

namespace PokerEngine {

namespace {

// Far above any chips in play, and low enough that adding two amounts never overflows.
constexpr std::int64_t maxChipAmount = std::int64_t{1} << 62;

bool isChipAmount(std::int64_t amount) {
    return amount >= 0 && amount <= maxChipAmount;
}

bool isSeatIndex(const GameState& state, std::int64_t index) {
    return index >= 0 && index < static_cast<std::int64_t>(state.seats().size());
}

std::optional<std::size_t> boardSizeFor(Street street) {
    switch (street) {
    case Street::preflop:
        return 0;
    case Street::flop:
        return 3;
    case Street::turn:
        return 4;
    case Street::river:
        return 5;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> findSeatProblem(const GameState& state) {
    const bool betweenHands = !isBetting(state.street());
    std::set<PlayerID> players;
    for (std::size_t i = 0; i < state.seats().size(); ++i) {
        const auto& seat = state.seats()[i];
        const auto where = " at seat " + std::to_string(i);
        if (seat.index != static_cast<std::int64_t>(i)) {
            return "seat index out of place" + where;
        }
        if (!isChipAmount(seat.stack) || !isChipAmount(seat.streetBet) ||
            !isChipAmount(seat.totalCommitted) || !isChipAmount(seat.betWhenLastActed) ||
            seat.streetBet > seat.totalCommitted) {
            return "chip amounts out of range" + where;
        }
        if (seat.player.has_value() == (seat.status == SeatStatus::empty)) {
            return "player and status disagree" + where;
        }
        if (seat.player && !players.insert(*seat.player).second) {
            return "a player sits twice";
        }
        if (!seat.holeCards.empty() && seat.holeCards.size() != 2) {
            return "wrong number of hole cards" + where;
        }
        if (betweenHands && (seat.streetBet != 0 || seat.totalCommitted != 0)) {
            return "chips committed between hands" + where;
        }
        if (!betweenHands && seat.isInHand() && seat.holeCards.size() != 2) {
            return "a seat in the hand holds no cards" + where;
        }
    }
    return std::nullopt;
}

std::optional<std::string> findCardProblem(const GameState& state) {
    if (!state.deck().isWellFormed()) {
        return "the deck is not a dealt deck of 52 distinct cards";
    }
    if (state.board().size() > 5) {
        return "more than five board cards";
    }
    if (const auto expected = boardSizeFor(state.street())) {
        if (state.board().size() != *expected) {
            return "board size does not match the street";
        }
        if (state.deck().remaining() < static_cast<std::int64_t>(5 - state.board().size())) {
            return "the deck cannot deal the rest of the board";
        }
    }
    std::bitset<52> seen;
    auto distinct = [&seen](const Card& card) {
        const auto index = static_cast<std::size_t>(card.index());
        const bool fresh = !seen.test(index);
        seen.set(index);
        return fresh;
    };
    for (const auto& seat : state.seats()) {
        for (const auto& card : seat.holeCards) {
            if (!distinct(card)) {
                return "card " + card.code() + " appears twice";
            }
        }
    }
    for (const auto& card : state.board()) {
        if (!distinct(card)) {
            return "card " + card.code() + " appears twice";
        }
    }
    return std::nullopt;
}

std::optional<std::string> findTableProblem(const GameState& state) {
    const auto& config = state.config();
    if (config.seatCount < 2 || config.seatCount > 6) {
        return "seat count outside 2 to 6";
    }
    if (static_cast<std::int64_t>(state.seats().size()) != config.seatCount) {
        return "seat list does not match the seat count";
    }
    if (config.blinds.levels.empty() || (config.blinds.handsPerLevel && *config.blinds.handsPerLevel < 1)) {
        return "the blind schedule cannot be looked up";
    }
    for (const auto& level : config.blinds.levels) {
        if (!isChipAmount(level.smallBlind) || !isChipAmount(level.bigBlind) || !isChipAmount(level.ante)) {
            return "blind level amounts out of range";
        }
    }
    const auto& blinds = state.blinds();
    if (!isChipAmount(config.startingStack) || !isChipAmount(blinds.smallBlind) ||
        !isChipAmount(blinds.bigBlind) || !isChipAmount(blinds.ante) || !isChipAmount(state.currentBet()) ||
        !isChipAmount(state.lastFullRaiseSize())) {
        return "table amounts out of range";
    }
    for (const auto& pot : state.pots()) {
        if (!isChipAmount(pot.amount)) {
            return "pot amount out of range";
        }
    }
    if (state.handNumber() < 0) {
        return "negative hand number";
    }
    // The next deal looks its blinds up, and a hand number so far on that they no longer fit a
    // 64-bit integer would stop the program there.
    if (state.handNumber() == std::numeric_limits<std::int64_t>::max() ||
        !config.blinds.levelInRange(state.handNumber() + 1)) {
        return "the next hand's blinds are out of range";
    }
    if (!isSeatIndex(state, state.buttonIndex())) {
        return "button outside the table";
    }
    if (state.lastAggressorIndex() && !isSeatIndex(state, *state.lastAggressorIndex())) {
        return "last aggressor outside the table";
    }
    if (state.street() == Street::showdown) {
        return "a state at showdown";
    }
    if (state.actingIndex().has_value() != isBetting(state.street())) {
        return "seat to act does not match the street";
    }
    if (state.actingIndex()) {
        if (!isSeatIndex(state, *state.actingIndex())) {
            return "seat to act outside the table";
        }
        if (state.seat(*state.actingIndex()).status != SeatStatus::active) {
            return "the seat to act cannot act";
        }
    }
    return std::nullopt;
}

bool chipTotalFits(const GameState& state) {
    std::int64_t total = 0;
    for (const auto& seat : state.seats()) {
        if (__builtin_add_overflow(total, seat.stack, &total) ||
            __builtin_add_overflow(total, seat.totalCommitted, &total)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> findInconsistency(const GameState& state) {
    if (auto problem = findTableProblem(state)) {
        return problem;
    }
    if (auto problem = findSeatProblem(state)) {
        return problem;
    }
    if (auto problem = findCardProblem(state)) {
        return problem;
    }
    if (!chipTotalFits(state)) {
        return "chip total out of range";
    }
    return std::nullopt;
}

} // namespace PokerEngine
