#pragma once

#include "PokerEngine/Action.h"

#include <optional>

namespace BotKit {

// A strategy's answer: the action it wants, and a second choice the tiered bot takes one time in ten.
struct Plan {
    PokerEngine::Action action;
    std::optional<PokerEngine::Action> alternative;

    Plan(PokerEngine::Action action)
        : action(action) {}
    Plan(PokerEngine::Action action, PokerEngine::Action alternative)
        : action(action)
        , alternative(alternative) {}

    bool operator==(const Plan&) const = default;
};

} // namespace BotKit
