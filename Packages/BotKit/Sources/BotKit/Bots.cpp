#include "BotKit/Bots.h"

#include "PokerEngine/Precondition.h"

namespace BotKit::Bots {

PokerEngine::SeededRNG rng(std::uint64_t tableSeed, std::int64_t seat) {
    CW_PRECONDITION(seat >= 0);
    return PokerEngine::SeededRNG(tableSeed, static_cast<std::uint64_t>(seat));
}

} // namespace BotKit::Bots
