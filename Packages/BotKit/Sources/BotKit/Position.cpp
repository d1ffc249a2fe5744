#include "BotKit/Position.h"

#include <array>

namespace BotKit {

namespace {

constexpr std::array<std::string_view, 6> names{"early",  "middle",     "cutoff",
                                                "button", "smallBlind", "bigBlind"};

} // namespace

std::string_view toString(Position position) {
    return names[static_cast<std::size_t>(position)];
}

std::optional<Position> positionFromString(std::string_view text) {
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (names[index] == text) {
            return static_cast<Position>(index);
        }
    }
    return std::nullopt;
}

} // namespace BotKit
