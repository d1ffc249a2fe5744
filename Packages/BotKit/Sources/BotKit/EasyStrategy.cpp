#include "BotKit/EasyStrategy.h"

#include "BotKit/HandReading.h"
#include "BotKit/Preflop.h"
#include "BotKit/PreflopChart.h"
#include "BotKit/StrategyMath.h"

#include "PokerEngine/CheckedMath.h"

namespace BotKit::EasyStrategy {

using PokerEngine::Action;
using PokerEngine::checkedMul;
using PokerEngine::HandCategory;
using Strength = HandReading::Strength;
using namespace StrategyMath;

Plan preflop(const Situation& situation, const BotProfile& profile) {
    if (ratio(situation.effectiveStack, situation.bigBlind) < 10.0) {
        return Preflop::pushOrFold(situation, 0.3, 0.25);
    }
    const StartingHand hand = holeHand(situation);
    const int tier = PreflopChart::tier(hand);
    const double percentile = PreflopChart::percentile(hand);
    const Action passive = situation.legal.canCheck ? Action::check() : Action::call();

    if (tier == 1 && situation.preflopRaises == 0) {
        return Plan(aggressive(situation, checkedMul(situation.bigBlind, 300) / 100), passive);
    }
    if (tier == 1 && situation.preflopRaises == 1) {
        return Plan(aggressive(situation, checkedMul(situation.view.currentBet, 3)), passive);
    }
    if (situation.legal.canCheck) {
        return Action::check();
    }
    const double limit = profile.looseness * 0.5 + 0.35;
    if (situation.preflopRaises == 0) {
        return percentile <= limit ? Action::call() : Action::fold();
    }
    const double price = ratio(situation.toCall, situation.bigBlind);
    if (price <= 4.0 && percentile <= limit * 0.75) {
        return Action::call();
    }
    if (price <= 15.0 && percentile <= 0.25) {
        return Action::call();
    }
    if (tier <= 2) {
        return Action::call();
    }
    return Action::fold();
}

Plan postflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng) {
    const HandReading reading(situation.hole, situation.board);
    const HandCategory category = reading.value.category();
    const bool made = reading.usesHoleCards && category >= HandCategory::pair;
    const bool strong =
        reading.usesHoleCards && category >= HandCategory::twoPair && reading.strength >= Strength::strong;
    const std::int64_t half = situation.sizeTo(0.5);

    if (situation.toCall <= 0) {
        if (strong) {
            return Plan(aggressive(situation, half), Action::check());
        }
        if (rng.nextUnit() < profile.bluffFrequency) {
            return aggressive(situation, half);
        }
        return Action::check();
    }
    if (strong && reading.strength == Strength::monster) {
        if (rng.nextUnit() < profile.aggression) {
            return Plan(aggressive(situation, situation.sizeTo(1.0)), Action::call());
        }
        return Action::call();
    }
    if (strong) {
        return Action::call();
    }
    if (made || reading.flushDraw || reading.straightDrawOuts > 0) {
        return Plan(Action::call(), Action::fold());
    }
    if (reading.overcards == 2 && situation.street != PokerEngine::Street::river) {
        const double price =
            ratio(situation.toCall,
                  std::max<std::int64_t>(PokerEngine::checkedSub(situation.pot, situation.toCall), 1));
        if (price > 0.6) {
            return Plan(Action::fold(), Action::call());
        }
        if (rng.nextUnit() < 0.4) {
            return Action::call();
        }
        return Plan(Action::fold(), Action::call());
    }
    return Plan(Action::fold(), Action::call());
}

} // namespace BotKit::EasyStrategy
