#include "EngineTestSupport.h"

#include "PokerEngine/EngineError.h"
#include "PokerEngine/GameStateCheck.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace PokerEngine;
using namespace EngineTest;

namespace {

std::int64_t between(SeededRNG& rng, std::int64_t low, std::int64_t high) {
    return low + rng.next(high - low + 1);
}

// A random action, legal or not: sometimes any case with any amount, mostly a legal choice.
Action randomAction(const GameState& state, SeededRNG& rng) {
    const auto legal = legalActions(state);
    if (rng.next(4) == 0) {
        const auto amount = between(rng, -10, legal.maxRaiseTo + 50);
        switch (rng.next(6)) {
        case 0:
            return Action::fold();
        case 1:
            return Action::check();
        case 2:
            return Action::call();
        case 3:
            return Action::bet(amount);
        case 4:
            return Action::raise(amount);
        default:
            return Action::allIn();
        }
    }
    std::vector<Action> choices{Action::fold()};
    if (legal.canCheck) {
        choices.push_back(Action::check());
        choices.push_back(Action::check());
    }
    if (legal.callAmount) {
        choices.push_back(Action::call());
        choices.push_back(Action::call());
    }
    if (legal.minRaiseTo) {
        choices.push_back(legal.aggressiveAction(between(rng, *legal.minRaiseTo, legal.maxRaiseTo)));
    }
    if (legal.canAllIn) {
        choices.push_back(Action::allIn());
    }
    return choices[static_cast<std::size_t>(rng.next(static_cast<std::int64_t>(choices.size())))];
}

std::int64_t committedOutsidePots(const GameState& state) {
    std::int64_t total = 0;
    for (const auto& seat : state.seats()) {
        total += seat.totalCommitted - seat.streetBet;
    }
    for (const auto& pot : state.pots()) {
        total -= pot.amount;
    }
    return total;
}

void checkInvariants(const GameState& state, std::int64_t chips) {
    ASSERT_EQ(state.totalChips(), chips);
    ASSERT_NE(state.street(), Street::showdown);
    ASSERT_EQ(committedOutsidePots(state), 0);
    ASSERT_EQ(state.actingIndex().has_value(), isBetting(state.street()));
    ASSERT_EQ(findInconsistency(state), std::nullopt);
}

GameState randomTable(SeededRNG& rng, std::uint64_t seed) {
    const auto seatCount = between(rng, 2, 6);
    const auto playerCount = between(rng, 2, seatCount);
    const auto ante = rng.next(3) == 0 ? between(rng, 1, 30) : 0;
    const TableConfig config{seatCount,
                             BlindSchedule({BlindLevel{10, 20, ante}, BlindLevel{25, 50, ante * 2}}, 3),
                             between(rng, 1, 400)};
    auto state = newTable(config, players(static_cast<int>(playerCount)), seed);
    // Give some seats short stacks and fill some empty seats with different stacks.
    for (std::int64_t index = playerCount; index < seatCount; ++index) {
        if (rng.next(2) == 0) {
            state = seat(player(static_cast<int>(100 + index)), index, between(rng, 1, 60), state);
        }
    }
    return state;
}

} // namespace

TEST(EngineProperties, RandomPlayConservesChipsAndRefusalsChangeNothing) {
    SeededRNG rng(20240601);
    int handsPlayed = 0;
    int refusals = 0;
    for (std::uint64_t table = 0; table < 150; ++table) {
        auto state = randomTable(rng, table);
        const auto chips = state.totalChips();
        for (int hand = 0; hand < 8; ++hand) {
            try {
                state = startHand(state);
            } catch (const EngineError& error) {
                ASSERT_EQ(error, EngineError::notEnoughPlayers());
                break;
            }
            ++handsPlayed;
            checkInvariants(state, chips);
            while (state.street() != Street::handComplete) {
                const auto action = randomAction(state, rng);
                const auto before = state;
                try {
                    state = apply(action, actor(state), state);
                } catch (const EngineError&) {
                    ++refusals;
                    ASSERT_EQ(state, before);
                }
                checkInvariants(state, chips);
            }
        }
    }
    EXPECT_GT(handsPlayed, 500);
    EXPECT_GT(refusals, 100);
}

TEST(EngineProperties, JsonAtARandomPointContinuesIdentically) {
    SeededRNG rng(777);
    for (std::uint64_t table = 0; table < 40; ++table) {
        auto state = randomTable(rng, 1000 + table);
        auto saveAt = rng.next(30);
        std::optional<GameState> restored;
        for (int step = 0; step < 60; ++step) {
            if (step == saveAt) {
                restored = nlohmann::json(state).get<GameState>();
                ASSERT_EQ(*restored, state);
            }
            if (state.street() == Street::handComplete || state.street() == Street::waitingToStart) {
                try {
                    state = startHand(state);
                    if (restored) {
                        restored = startHand(*restored);
                    }
                } catch (const EngineError&) {
                    break;
                }
                continue;
            }
            const auto action = randomAction(state, rng);
            try {
                state = apply(action, actor(state), state);
                if (restored) {
                    restored = apply(action, actor(*restored), *restored);
                }
            } catch (const EngineError&) {
            }
            if (restored) {
                ASSERT_EQ(*restored, state);
            }
        }
    }
}
