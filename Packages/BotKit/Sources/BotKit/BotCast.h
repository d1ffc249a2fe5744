#pragma once

#include "BotKit/BotCharacter.h"

#include <optional>
#include <string_view>
#include <vector>

// The fixed roster of twelve characters, four per tier, from which every table seats its bots.
namespace BotKit::BotCast {

const std::vector<BotCharacter>& all();
std::vector<BotCharacter> characters(BotTier tier);
std::optional<BotCharacter> character(std::string_view slug);

} // namespace BotKit::BotCast
