#include "BotKit/Legalizer.h"

#include <algorithm>

namespace BotKit::Legalizer {

using PokerEngine::Action;

namespace {

Action fallback(const PokerEngine::LegalActions& legal) {
    if (legal.canCheck) {
        return Action::check();
    }
    if (legal.callAmount) {
        return Action::call();
    }
    return Action::fold();
}

Action aggressive(std::int64_t to, const PokerEngine::LegalActions& legal) {
    if (!legal.minRaiseTo) {
        return fallback(legal);
    }
    const std::int64_t amount = std::min(legal.maxRaiseTo, std::max(*legal.minRaiseTo, to));
    return legal.aggressiveAction(amount);
}

} // namespace

Action legalize(const Action& wished, const PokerEngine::LegalActions& legal) {
    if (const auto* bet = wished.as<Action::Bet>()) {
        return aggressive(bet->to, legal);
    }
    if (const auto* raise = wished.as<Action::Raise>()) {
        return aggressive(raise->to, legal);
    }
    if (wished.is<Action::Fold>() || wished.is<Action::Check>()) {
        return legal.canCheck ? Action::check() : Action::fold();
    }
    if (wished.is<Action::Call>()) {
        return legal.callAmount ? Action::call() : Action::check();
    }
    return legal.canAllIn ? Action::allIn() : fallback(legal);
}

} // namespace BotKit::Legalizer
