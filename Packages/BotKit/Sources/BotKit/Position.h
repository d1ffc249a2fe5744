#pragma once

#include <optional>
#include <string_view>

namespace BotKit {

// Where a seat acts in the hand, as the strategies judge it.
enum class Position { early, middle, cutoff, button, smallBlind, bigBlind };

std::string_view toString(Position position);
std::optional<Position> positionFromString(std::string_view text);

} // namespace BotKit
