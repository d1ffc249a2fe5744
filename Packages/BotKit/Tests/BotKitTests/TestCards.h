#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/Precondition.h"

#include <sstream>
#include <string>
#include <vector>

namespace BotKitTesting {

inline PokerEngine::Card card(const std::string& code) {
    const auto parsed = PokerEngine::Card::fromCode(code);
    CW_PRECONDITION(parsed.has_value());
    return *parsed;
}

// "As Kd 7c" -> the three cards.
inline std::vector<PokerEngine::Card> cards(const std::string& codes) {
    std::vector<PokerEngine::Card> result;
    std::istringstream stream(codes);
    std::string code;
    while (stream >> code) {
        result.push_back(card(code));
    }
    return result;
}

} // namespace BotKitTesting
