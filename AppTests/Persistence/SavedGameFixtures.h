#pragma once

#include "Persistence/SavedGame.h"
#include "PokerEngine/Engine.h"

#include <cstdint>
#include <vector>

// Real tables played by the engine, saved the way the game controller saves them: the hero in seat 0,
// a bot with its own generator in every other seat.
namespace SavedGameFixtures {

inline Instant wholeSecond() {
    return Instant(std::chrono::seconds(1773480605));
}

inline std::vector<BotKit::BotProfile> bots(std::size_t count) {
    std::vector<BotKit::BotProfile> profiles;
    for (std::size_t index = 0; index < count; ++index) {
        profiles.push_back(BotKit::BotProfile::standard(BotKit::allBotTiers[index % 3]));
    }
    return profiles;
}

// Plays `actions` actions of the first hand: every third a minimum raise while raising is open,
// the others a call or a check; stops early when the hand completes. A negative count leaves the
// table before its first hand.
inline PokerEngine::GameState played(PokerEngine::GameState state, int actions) {
    using namespace PokerEngine;
    if (actions < 0) {
        return state;
    }
    state = startHand(state);
    for (int count = 0; count < actions && state.actingIndex(); ++count) {
        const auto legal = legalActions(state);
        const auto& player = *state.seats().at(static_cast<std::size_t>(*state.actingIndex())).player;
        Action action = legal.canCheck ? Action::check() : Action::call();
        if (count % 3 == 0 && legal.minRaiseTo && *legal.minRaiseTo < legal.maxRaiseTo) {
            action = legal.aggressiveAction(*legal.minRaiseTo);
        }
        state = apply(action, player, state);
    }
    return state;
}

inline SavedGame saved(const GameSetup& setup, std::size_t bots, const PokerEngine::TableConfig& config,
                       int actions) {
    using namespace PokerEngine;
    std::vector<PlayerID> players{PlayerID::random()};
    std::vector<std::optional<BotKit::PlayerKind>> kinds{BotKit::PlayerKind::human()};
    std::map<std::int64_t, SeededRNG> generators;
    const auto profiles = SavedGameFixtures::bots(bots);
    for (std::size_t seat = 1; seat <= bots; ++seat) {
        players.push_back(PlayerID::random());
        kinds.push_back(BotKit::PlayerKind::bot(profiles[seat - 1]));
        generators.emplace(static_cast<std::int64_t>(seat), SeededRNG(setup.seed(), seat));
    }
    auto state = played(newTable(config, players, setup.seed()), actions);
    return SavedGame{1, wholeSecond(), setup, players[0], kinds, generators, 0, state, false};
}

inline SavedGame sitAndGo(int actions) {
    const auto setup = GameSetup::sitAndGo({bots(5), 2026});
    return saved(setup, 5, {6, PokerEngine::BlindSchedule::sitAndGoTurbo(), 1500}, actions);
}

inline SavedGame cashTable(std::size_t opponents, int actions) {
    const auto setup =
        GameSetup::cashTable({CashStakes::medium, 100, TableDifficulty::mixed, bots(opponents), 99});
    return saved(
        setup, opponents,
        {static_cast<std::int64_t>(opponents + 1), PokerEngine::BlindSchedule::fixed(25, 50, 0), 5000},
        actions);
}

inline SavedGame quickHand(int actions) {
    const auto setup = GameSetup::quickHand({BotKit::BotProfile::standard(BotKit::BotTier::medium), 7, 3});
    return saved(setup, 1, {2, PokerEngine::BlindSchedule::fixed(10, 20, 0), 2000}, actions);
}

} // namespace SavedGameFixtures
