#include "PokerEngine/Engine.h"

#include "PokerEngine/HandFlow.h"

namespace PokerEngine {

GameState newTable(const TableConfig& config, const std::vector<PlayerID>& players, std::uint64_t seed) {
    return HandFlow::makeTable(config, players, seed);
}

GameState seat(const PlayerID& player, std::int64_t index, std::int64_t stack, const GameState& state) {
    auto next = state;
    HandFlow(next).seatPlayer(player, index, stack);
    return next;
}

GameState startHand(const GameState& state, const std::optional<RiggedDeal>& rigged) {
    auto next = state;
    HandFlow(next).startHand(rigged);
    return next;
}

GameState apply(const Action& action, const PlayerID& player, const GameState& state) {
    auto next = state;
    HandFlow(next).apply(action, player);
    return next;
}

LegalActions legalActions(const GameState& state) {
    return HandFlow::legalActions(state);
}

} // namespace PokerEngine
