#include "Game/GameModeRules.h"

#include "Game/CashStakes.h"

#include "PokerEngine/BlindSchedule.h"

#include <QtGlobal>

#include <algorithm>
#include <set>

using BotKit::BotProfile;

namespace GameModeRules {

std::int64_t sitAndGoPrize(int place) {
    if (place < 1 || place > static_cast<int>(SitAndGoSetup::payoutPercents.size())) {
        return 0;
    }
    return SitAndGoSetup::payoutPercents[static_cast<std::size_t>(place - 1)] * sitAndGoPrizePool / 100;
}

std::vector<BotProfile> botsOf(const GameSetup& setup) {
    struct Bots {
        std::vector<BotProfile> operator()(const QuickHandSetup& quick) const { return {quick.opponent}; }
        std::vector<BotProfile> operator()(const CashTableSetup& cash) const { return cash.opponents; }
        std::vector<BotProfile> operator()(const SitAndGoSetup& sitAndGo) const { return sitAndGo.opponents; }
        std::vector<BotProfile> operator()(const PracticeSetup& practice) const {
            return {practice.opponent};
        }
    };
    return std::visit(Bots{}, setup.value());
}

std::int64_t startingStack(const GameSetup& setup) {
    struct Stack {
        std::int64_t operator()(const QuickHandSetup&) const { return quickHandStack; }
        std::int64_t operator()(const CashTableSetup& cash) const {
            // A buy-in no screen offers could overflow; such a table gets no chips and is refused.
            std::int64_t chips = 0;
            if (__builtin_mul_overflow(bigBlind(cash.stakes), cash.buyInBB, &chips)) {
                return 0;
            }
            return chips;
        }
        std::int64_t operator()(const SitAndGoSetup&) const { return sitAndGoStack; }
        std::int64_t operator()(const PracticeSetup&) const { return practiceStack; }
    };
    return std::visit(Stack{}, setup.value());
}

std::int64_t entryCost(GameMode mode) {
    switch (mode) {
    case GameMode::quickHand:
        return quickHandStack;
    case GameMode::cashTable:
        return cashMinimumBuyInBB * bigBlind(CashStakes::low);
    case GameMode::sitAndGo:
        return sitAndGoBuyIn;
    case GameMode::practice:
        return 0;
    }
    return 0;
}

std::int64_t setupCost(const GameSetup& setup) {
    if (setup.mode() == GameMode::cashTable)
        return startingStack(setup);
    return entryCost(setup.mode());
}

PokerEngine::TableConfig tableConfig(const GameSetup& setup) {
    using PokerEngine::BlindSchedule;
    const auto seats = static_cast<std::int64_t>(botsOf(setup).size()) + 1;
    const std::int64_t stack = startingStack(setup);
    if (const auto* cash = std::get_if<CashTableSetup>(&setup.value())) {
        const std::int64_t big = bigBlind(cash->stakes);
        return PokerEngine::TableConfig{seats, BlindSchedule::fixed(big / 2, big, 0), stack};
    }
    if (std::holds_alternative<SitAndGoSetup>(setup.value())) {
        return PokerEngine::TableConfig{seats, BlindSchedule::sitAndGoTurbo(), stack};
    }
    return PokerEngine::TableConfig{seats, BlindSchedule::fixed(10, 20, 0), stack};
}

std::chrono::milliseconds resultDuration(const std::vector<PokerEngine::HandEvent>& log) {
    bool shown = false;
    std::set<std::int64_t> pots;
    for (const auto& event : log) {
        if (const auto* awarded = event.as<PokerEngine::HandEvent::PotAwarded>()) {
            shown = shown || awarded->hand.has_value();
            pots.insert(awarded->potIndex);
        }
    }
    const auto extraPots = static_cast<std::int64_t>(pots.empty() ? 0 : pots.size() - 1);
    return std::chrono::milliseconds(shown ? 5000 : 2500) + std::chrono::milliseconds(2000) * extraPots;
}

} // namespace GameModeRules
