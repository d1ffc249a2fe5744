#pragma once

#include "BotKit/Plan.h"

#include "PokerEngine/Action.h"

#include <nlohmann/json.hpp>

#include <ostream>

// Readable failure messages for actions and plans.
namespace PokerEngine {
inline void PrintTo(const Action& action, std::ostream* out) {
    *out << nlohmann::json(action).dump();
}
} // namespace PokerEngine

namespace BotKit {
inline void PrintTo(const Plan& plan, std::ostream* out) {
    *out << nlohmann::json(plan.action).dump();
    if (plan.alternative) {
        *out << " alt " << nlohmann::json(*plan.alternative).dump();
    }
}
} // namespace BotKit
