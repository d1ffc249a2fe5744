#include "BotKit/MediumStrategy.h"

#include "BotKit/BoardTexture.h"
#include "BotKit/HandReading.h"
#include "BotKit/Preflop.h"
#include "BotKit/StrategyMath.h"

#include "PokerEngine/CheckedMath.h"

namespace BotKit::MediumStrategy {

using PokerEngine::Action;
using PokerEngine::Street;
using Strength = HandReading::Strength;
using namespace StrategyMath;

Plan plan(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng) {
    if (situation.street != Street::preflop) {
        return postflop(situation, profile, rng);
    }
    if (ratio(situation.effectiveStack, situation.bigBlind) >= 10.0) {
        return Preflop::chart(situation, profile, rng);
    }
    return Preflop::pushOrFold(situation, Preflop::pushRange(situation), shortStackCallTop(situation));
}

Plan postflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng) {
    const HandReading reading(situation.hole, situation.board);
    const BoardTexture texture(situation.board);
    const auto cardsToCome = 5 - static_cast<std::int64_t>(situation.board.size());
    const double equity =
        reading.estimatedEquity(cardsToCome, static_cast<std::int64_t>(situation.opponents.size()));
    const double a = profile.aggression / 0.6;
    const Strength strength = reading.strength;

    if (situation.toCall <= 0) {
        const Action bigBet = aggressive(situation, situation.sizeTo(0.66));
        if (strength == Strength::monster && !texture.isWet()) {
            if (rng.nextUnit() < 0.15) {
                return Plan(Action::check(), bigBet);
            }
            return Plan(bigBet, Action::check());
        }
        if (strength >= Strength::strong) {
            return Plan(bigBet, Action::check());
        }
        if (situation.preflopRaiser == situation.seat && situation.street == Street::flop &&
            situation.opponents.size() <= 2 && rng.nextUnit() < 0.6 * a) {
            return Plan(aggressive(situation, situation.sizeTo(0.5)), Action::check());
        }
        if (reading.hasDraw() && situation.street != Street::river && rng.nextUnit() < 0.4 * a) {
            return Plan(aggressive(situation, situation.sizeTo(0.6)), Action::check());
        }
        if (texture.isScary() && rng.nextUnit() < profile.bluffFrequency) {
            return Plan(bigBet, Action::check());
        }
        if (strength == Strength::medium && situation.opponents.size() == 1 && rng.nextUnit() < 0.25 * a) {
            return Plan(aggressive(situation, situation.sizeTo(0.5)), Action::check());
        }
        return Action::check();
    }

    if (strength == Strength::strong && situation.raisesThisStreet <= 2) {
        return Plan(Action::call(), aggressive(situation, situation.sizeTo(0.75)));
    }
    if (strength == Strength::monster) {
        const Action potRaise = aggressive(situation, situation.sizeTo(1.0));
        if (rng.nextUnit() < 0.6 * a) {
            return Plan(potRaise, Action::call());
        }
        return Plan(Action::call(), potRaise);
    }
    const double price =
        ratio(situation.toCall,
              std::max<std::int64_t>(PokerEngine::checkedSub(situation.pot, situation.toCall), 1));
    if (price > 0.75 && strength <= Strength::weak && !reading.hasDraw()) {
        return Action::fold();
    }
    if (ratio(situation.toCall, PokerEngine::checkedAdd(situation.pot, situation.toCall)) < equity) {
        return Plan(Action::call(), Action::fold());
    }
    return Action::fold();
}

} // namespace BotKit::MediumStrategy
