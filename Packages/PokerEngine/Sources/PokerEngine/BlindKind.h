#pragma once

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string_view>

namespace PokerEngine {

enum class BlindKind { small, big };

std::string_view toString(BlindKind kind);
std::optional<BlindKind> blindKindFromString(std::string_view text);

void to_json(nlohmann::json& json, BlindKind kind);
void from_json(const nlohmann::json& json, BlindKind& kind);

} // namespace PokerEngine
