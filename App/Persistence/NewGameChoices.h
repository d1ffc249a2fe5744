#pragma once

#include "Game/CashStakes.h"
#include "Game/TableDifficulty.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>

// What the player last chose on the new-game sheet. Values are kept as stored, in range or not; the
// sheet brings them into its own range.
struct NewGameChoices {
    TableDifficulty quickHandDifficulty = TableDifficulty::medium;
    std::int64_t quickHandHands = 1;
    TableDifficulty sitAndGoDifficulty = TableDifficulty::medium;
    CashStakes cashStakes = CashStakes::low;
    std::int64_t cashBuyInBB = 100;
    std::int64_t cashOpponents = 5;
    TableDifficulty cashDifficulty = TableDifficulty::mixed;

    bool operator==(const NewGameChoices&) const = default;
};

void to_json(nlohmann::json& json, const NewGameChoices& choices);
// Key by key: each absent or malformed key keeps its default. Anything but an object gives defaults.
void from_json(const nlohmann::json& json, NewGameChoices& choices);
