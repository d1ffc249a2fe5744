#include "BotKit/Position.h"

#include "PokerEngine/EnumText.h"

namespace BotKit {

namespace {
constexpr PokerEngine::EnumNames<Position, 6> positionNames{
    "Position", {"early", "middle", "cutoff", "button", "smallBlind", "bigBlind"}};
} // namespace

std::string_view toString(Position position) {
    return positionNames.toString(position);
}

std::optional<Position> positionFromString(std::string_view text) {
    return positionNames.fromString(text);
}

} // namespace BotKit
