#pragma once

#include "PokerEngine/Uuid.h"

#include <nlohmann/json_fwd.hpp>

#include <compare>
#include <functional>

namespace PokerEngine {

// Names one player at one table.
struct PlayerID {
    Uuid raw;

    static PlayerID random() { return PlayerID{Uuid::random()}; }

    auto operator<=>(const PlayerID&) const = default;
};

// {"raw": "<UUID>"}; never a bare string.
void to_json(nlohmann::json& json, const PlayerID& player);
void from_json(const nlohmann::json& json, PlayerID& player);

} // namespace PokerEngine

template <> struct std::hash<PokerEngine::PlayerID> {
    std::size_t operator()(const PokerEngine::PlayerID& player) const noexcept {
        return std::hash<PokerEngine::Uuid>{}(player.raw);
    }
};
