#pragma once

#include "BotKit/BotTier.h"

#include <nlohmann/json_fwd.hpp>

#include <functional>
#include <string>

namespace BotKit {

// One member of the cast: its stable slug (which names its avatar art), the name shown, and its tier.
struct BotCharacter {
    std::string slug;
    std::string name;
    BotTier tier = BotTier::easy;

    bool operator==(const BotCharacter&) const = default;
};

void to_json(nlohmann::json& json, const BotCharacter& character);
void from_json(const nlohmann::json& json, BotCharacter& character);

} // namespace BotKit

template <> struct std::hash<BotKit::BotCharacter> {
    std::size_t operator()(const BotKit::BotCharacter& character) const noexcept;
};
