#pragma once

#include "PokerEngine/Engine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace EngineTest {

inline PokerEngine::PlayerID player(int number) {
    char text[37];
    std::snprintf(text, sizeof text, "00000000-0000-4000-8000-%012d", number);
    return PokerEngine::PlayerID{*PokerEngine::Uuid::fromString(text)};
}

inline std::vector<PokerEngine::PlayerID> players(int count) {
    std::vector<PokerEngine::PlayerID> result;
    for (int i = 0; i < count; ++i) {
        result.push_back(player(i));
    }
    return result;
}

inline PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

inline std::vector<PokerEngine::Card> cards(std::initializer_list<const char*> codes) {
    std::vector<PokerEngine::Card> result;
    for (const auto* code : codes) {
        result.push_back(card(code));
    }
    return result;
}

// A table of `count` players with the given stack at fixed 10/20 blinds (or the given schedule).
inline PokerEngine::GameState table(int count, std::int64_t stack = 1000, std::int64_t ante = 0,
                                    int seats = 0, std::uint64_t seed = 1) {
    const PokerEngine::TableConfig config{seats == 0 ? count : seats,
                                          PokerEngine::BlindSchedule::fixed(10, 20, ante), stack};
    return PokerEngine::newTable(config, players(count), seed);
}

// The player sitting at the seat to act.
inline PokerEngine::PlayerID actor(const PokerEngine::GameState& state) {
    return *state.seat(*state.actingIndex()).player;
}

inline PokerEngine::GameState act(const PokerEngine::GameState& state, const PokerEngine::Action& action) {
    return PokerEngine::apply(action, actor(state), state);
}

// Stacks in seat order.
inline std::vector<std::int64_t> stacks(const PokerEngine::GameState& state) {
    std::vector<std::int64_t> result;
    for (const auto& seat : state.seats()) {
        result.push_back(seat.stack);
    }
    return result;
}

template <class Case> std::vector<Case> eventsOf(const PokerEngine::GameState& state) {
    std::vector<Case> result;
    for (const auto& event : state.log()) {
        if (const auto* found = event.as<Case>()) {
            result.push_back(*found);
        }
    }
    return result;
}

// Seat index of the player to act relative to the button.
inline std::int64_t afterButton(const PokerEngine::GameState& state, std::int64_t steps) {
    return (state.buttonIndex() + steps) % static_cast<std::int64_t>(state.seats().size());
}

// A table whose seats hold the given stacks (0 leaves the seat empty), between hands.
inline PokerEngine::GameState
tableWithStacks(const std::vector<std::int64_t>& seatStacks,
                PokerEngine::BlindSchedule blinds = PokerEngine::BlindSchedule::fixed(10, 20, 0),
                std::uint64_t seed = 3) {
    auto state = PokerEngine::newTable(
        PokerEngine::TableConfig{static_cast<std::int64_t>(seatStacks.size()), blinds, 1000}, {}, seed);
    for (std::size_t i = 0; i < seatStacks.size(); ++i) {
        if (seatStacks[i] > 0) {
            state = PokerEngine::seat(player(static_cast<int>(i)), static_cast<std::int64_t>(i),
                                      seatStacks[i], state);
        }
    }
    return state;
}

} // namespace EngineTest
