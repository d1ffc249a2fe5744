#pragma once

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string_view>

namespace PokerEngine {

// What the hand log records of an action; an all-in is the call, bet or raise it amounts to.
enum class ActionKind { fold, check, call, bet, raise };

std::string_view toString(ActionKind kind);
std::optional<ActionKind> actionKindFromString(std::string_view text);

void to_json(nlohmann::json& json, ActionKind kind);
void from_json(const nlohmann::json& json, ActionKind& kind);

} // namespace PokerEngine
