#include "BotKit/BotSimulator.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/Engine.h"
#include "PokerEngine/Precondition.h"
#include "PokerEngine/Uuid.h"

#include <cstdio>

namespace BotKit {

namespace {

PokerEngine::PlayerID simulatedPlayer(std::size_t position) {
    char text[40];
    std::snprintf(text, sizeof text, "B0000000-0000-0000-0000-%012zu", position);
    const auto uuid = PokerEngine::Uuid::fromString(text);
    CW_PRECONDITION(uuid.has_value());
    return PokerEngine::PlayerID{*uuid};
}

} // namespace

SimulationResult BotSimulator::run(const std::vector<BotProfile>& profiles, std::int64_t hands,
                                   std::int64_t bigBlind, std::int64_t stackInBB, std::uint64_t seed,
                                   const BotPolicy& policy) {
    const std::size_t n = profiles.size();
    CW_PRECONDITION(n >= 2 && n <= 6);
    // Below one chip the blinds and stacks make no game, so this is a caller's mistake.
    CW_PRECONDITION(bigBlind >= 1);
    // The engine makes no table of empty stacks.
    CW_PRECONDITION(stackInBB >= 1);

    std::vector<PokerEngine::PlayerID> players;
    for (std::size_t position = 0; position < n; ++position) {
        players.push_back(simulatedPlayer(position));
    }
    const std::int64_t startingStack = PokerEngine::checkedMul(bigBlind, stackInBB);
    const PokerEngine::TableConfig config{static_cast<std::int64_t>(n),
                                          PokerEngine::BlindSchedule::fixed(bigBlind / 2, bigBlind, 0),
                                          startingStack};

    std::vector<PokerEngine::SeededRNG> decisionRNGs;
    for (std::size_t position = 0; position < n; ++position) {
        decisionRNGs.emplace_back(seed, static_cast<std::uint64_t>(position));
    }
    PokerEngine::SeededRNG dealRNG(seed);

    std::vector<std::int64_t> netChips(n, 0);
    std::int64_t played = 0;
    while (played < hands) {
        const std::uint64_t dealSeed = dealRNG.next();
        for (std::size_t rotation = 0; rotation < n && played < hands; ++rotation) {
            const auto profileAt = [&](std::size_t seat) { return (seat + rotation) % n; };
            PokerEngine::GameState state =
                PokerEngine::startHand(PokerEngine::newTable(config, players, dealSeed));
            while (PokerEngine::isBetting(state.street())) {
                const auto acting = state.actingIndex();
                CW_PRECONDITION(acting.has_value());
                const auto seat = static_cast<std::size_t>(*acting);
                const std::size_t profile = profileAt(seat);
                const auto view = PokerEngine::view(state, players[seat]);
                const auto action = policy.decide(view, profiles[profile], decisionRNGs[profile]);
                state = PokerEngine::apply(action, players[seat], state);
            }
            for (std::size_t seat = 0; seat < n; ++seat) {
                const std::int64_t result = PokerEngine::checkedSub(state.seats()[seat].stack, startingStack);
                netChips[profileAt(seat)] = PokerEngine::checkedAdd(netChips[profileAt(seat)], result);
            }
            ++played;
        }
    }
    return SimulationResult(played, bigBlind, profiles, std::move(netChips));
}

} // namespace BotKit
