#include "Persistence/ChoicesSetup.h"

#include "Game/BotSeating.h"
#include "Game/CashStakes.h"
#include "Game/GameModeRules.h"

#include <QtGlobal>

#include <algorithm>

using GameModeRules::cashMaximumBuyInBB;
using GameModeRules::cashMinimumBuyInBB;

namespace ChoicesSetup {

std::int64_t cashBuyInBB(const NewGameChoices& choices, std::int64_t spendable) {
    const std::int64_t reach = std::max<std::int64_t>(spendable, 0) / bigBlind(choices.cashStakes);
    const std::int64_t most = std::clamp(reach, cashMinimumBuyInBB, cashMaximumBuyInBB);
    return std::clamp(choices.cashBuyInBB, cashMinimumBuyInBB, most);
}

GameSetup setupFromChoices(GameMode mode, const NewGameChoices& choices, std::int64_t spendable,
                           std::uint64_t seed) {
    switch (mode) {
    case GameMode::quickHand:
        return GameSetup::quickHand(
            makeQuickHandSetup(choices.quickHandDifficulty, seed, choices.quickHandHands));
    case GameMode::cashTable: {
        const auto count = static_cast<int>(std::clamp<std::int64_t>(choices.cashOpponents, 1, 5));
        return GameSetup::cashTable(
            CashTableSetup{choices.cashStakes, cashBuyInBB(choices, spendable), choices.cashDifficulty,
                           BotSeating::opponents(count, choices.cashDifficulty, seed), seed});
    }
    case GameMode::sitAndGo: {
        auto bots = BotSeating::opponents(5, choices.sitAndGoDifficulty, seed);
        if (bots.size() != 5)
            qFatal("a Sit & Go seats exactly five opponents, not %zu", bots.size());
        return GameSetup::sitAndGo(SitAndGoSetup{std::move(bots), seed});
    }
    case GameMode::practice:
        break;
    }
    return GameSetup::practice(PracticeSetup{});
}

} // namespace ChoicesSetup
