#include "BotKit/Preflop.h"

#include "BotKit/PreflopChart.h"
#include "BotKit/StrategyMath.h"

#include "PokerEngine/CheckedMath.h"

#include <algorithm>

namespace BotKit::Preflop {

using PokerEngine::Action;
using PokerEngine::checkedMul;
using namespace StrategyMath;

namespace {

// (round(bigBlinds x 100) x BB) / 100: an amount in big blinds, counted in hundredths.
std::int64_t bigBlindsTo(double bigBlinds, std::int64_t bigBlind) {
    return checkedMul(roundToInteger(bigBlinds * 100.0), bigBlind) / 100;
}

std::int64_t openingBase(const Situation& situation) {
    if (situation.playersDealt == 2) {
        return 7;
    }
    switch (situation.position) {
    case Position::early:
        return 3;
    case Position::middle:
        return 4;
    case Position::cutoff:
        return 5;
    case Position::button:
        return 6;
    case Position::smallBlind:
        return 5;
    case Position::bigBlind:
        return 4;
    }
    return 3;
}

Action threeBet(const Situation& situation) {
    const std::int64_t currentBet = situation.view.currentBet;
    return aggressive(situation,
                      situation.inPosition() ? checkedMul(currentBet, 3) : checkedMul(currentBet, 7) / 2);
}

Plan unraisedWithOption(const Situation& situation, std::int64_t tier, std::int64_t shift) {
    if (tier <= shift + 3) {
        const double bigBlinds = static_cast<double>(situation.limpers) + 3.5;
        return Plan(aggressive(situation, bigBlindsTo(bigBlinds, situation.bigBlind)), Action::check());
    }
    return Action::check();
}

Plan unraisedFacingBlind(const Situation& situation, std::int64_t tier, std::int64_t shift) {
    const std::int64_t limit = openingBase(situation) + shift - (situation.limpers > 0 ? 1 : 0);
    if (tier <= limit) {
        const double bigBlinds = static_cast<double>(situation.limpers) + 2.5;
        return Plan(aggressive(situation, bigBlindsTo(bigBlinds, situation.bigBlind)), Action::call());
    }
    if (situation.limpers > 0 && tier <= limit + 1) {
        return Plan(Action::call(), Action::fold());
    }
    return Action::fold();
}

Plan facingOneRaise(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng,
                    std::int64_t tier, std::int64_t shift) {
    if (tier == 1) {
        return Plan(threeBet(situation), Action::call());
    }
    if (tier == 2 && rng.nextUnit() < 0.5 * (profile.aggression / 0.6)) {
        return Plan(threeBet(situation), Action::call());
    }
    const bool defendsWider = situation.inPosition() || situation.position == Position::bigBlind;
    const std::int64_t callLimit = shift + (defendsWider ? 4 : 3);
    const double price = ratio(situation.toCall, situation.bigBlind);
    const double maxPrice = std::max(4.0, ratio(situation.effectiveStack, situation.bigBlind) * 0.1);
    if (tier <= callLimit && price <= maxPrice) {
        return Plan(Action::call(), Action::fold());
    }
    if (situation.position == Position::bigBlind && tier <= shift + 6 && price <= 2.5) {
        return Plan(Action::call(), Action::fold());
    }
    return Action::fold();
}

Plan facingReraise(const Situation& situation, std::int64_t tier) {
    if (tier == 1 && ratio(situation.effectiveStack, situation.bigBlind) < 40.0) {
        return Plan(Action::allIn(), Action::call());
    }
    if (tier == 1) {
        return Plan(aggressive(situation, checkedMul(situation.view.currentBet, 23) / 10), Action::call());
    }
    if (tier == 2 && situation.toCall <= situation.stack / 4) {
        return Plan(Action::call(), Action::fold());
    }
    return Action::fold();
}

} // namespace

Plan pushOrFold(const Situation& situation, double pushTop, double callTop) {
    const double percentile = PreflopChart::percentile(holeHand(situation));
    const double limit = situation.preflopRaises > 0 ? callTop : pushTop;
    if (percentile <= limit) {
        return Action::allIn();
    }
    return situation.legal.canCheck ? Action::check() : Action::fold();
}

double pushRange(const Situation& situation) {
    const double stackInBigBlinds = ratio(situation.effectiveStack, situation.bigBlind);
    double range = std::min(std::max((12.0 - stackInBigBlinds) * 0.05 + 0.1, 0.1), 0.7);
    if (situation.position == Position::button || situation.position == Position::smallBlind) {
        range += 0.15;
    } else if (situation.position == Position::cutoff) {
        range += 0.08;
    }
    if (situation.playersDealt == 2) {
        range += 0.15;
    }
    return std::min(range, 1.0);
}

Plan chart(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng) {
    const std::int64_t tier = PreflopChart::tier(holeHand(situation));
    const std::int64_t shift = roundToInteger((profile.looseness - 0.5) * 4.0);
    if (situation.preflopRaises == 0) {
        return situation.legal.canCheck ? unraisedWithOption(situation, tier, shift)
                                        : unraisedFacingBlind(situation, tier, shift);
    }
    if (situation.preflopRaises == 1) {
        return facingOneRaise(situation, profile, rng, tier, shift);
    }
    return facingReraise(situation, tier);
}

} // namespace BotKit::Preflop
