#include "Persistence/SavedGame.h"

#include "Game/GameModeRules.h"
#include "Persistence/SaturatingMath.h"

namespace {

bool isBetweenHands(PokerEngine::Street street) {
    return street == PokerEngine::Street::waitingToStart || street == PokerEngine::Street::handComplete;
}

} // namespace

std::int64_t SavedGame::chipsAtTable() const {
    if (setup.mode() == GameMode::sitAndGo) {
        return GameModeRules::sitAndGoBuyIn;
    }
    const auto seat = state.seatIndex(hero);
    if (!seat) {
        return 0;
    }
    const auto& heroSeat = state.seats().at(static_cast<std::size_t>(*seat));
    return Saturating::add(heroSeat.stack, heroSeat.totalCommitted);
}

std::int64_t SavedGame::forfeit(const GameSetup& setup, const PokerEngine::GameState& state,
                                const PokerEngine::PlayerID& hero) {
    switch (setup.mode()) {
    case GameMode::sitAndGo:
        return GameModeRules::sitAndGoBuyIn;
    case GameMode::practice:
        return 0;
    case GameMode::quickHand:
    case GameMode::cashTable:
        break;
    }
    if (isBetweenHands(state.street())) {
        return 0;
    }
    const auto seat = state.seatIndex(hero);
    if (!seat) {
        return 0;
    }
    return state.seats().at(static_cast<std::size_t>(*seat)).totalCommitted;
}
