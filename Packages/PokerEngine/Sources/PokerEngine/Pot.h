#pragma once

#include "PokerEngine/PlayerID.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <set>

namespace PokerEngine {

struct Pot {
    std::int64_t amount = 0;
    // The players who can win it.
    std::set<PlayerID> eligible;

    bool operator==(const Pot&) const = default;
};

// "eligible" is an array of player ids; reading accepts any order and counts a repeated id once.
void to_json(nlohmann::json& json, const Pot& pot);
void from_json(const nlohmann::json& json, Pot& pot);

} // namespace PokerEngine
