#pragma once

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string_view>

namespace PokerEngine {

// The stage of a hand. `showdown` exists only inside the operation that settles a hand: no
// state the engine hands back is at it.
enum class Street { waitingToStart, preflop, flop, turn, river, showdown, handComplete };

// preflop, flop, turn and river.
bool isBetting(Street street);

std::string_view toString(Street street);
std::optional<Street> streetFromString(std::string_view text);

void to_json(nlohmann::json& json, Street street);
void from_json(const nlohmann::json& json, Street& street);

} // namespace PokerEngine
