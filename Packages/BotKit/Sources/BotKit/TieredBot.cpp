#include "BotKit/TieredBot.h"

#include "BotKit/EasyStrategy.h"
#include "BotKit/HardStrategy.h"
#include "BotKit/Legalizer.h"
#include "BotKit/MediumStrategy.h"
#include "BotKit/Situation.h"

#include "PokerEngine/Precondition.h"

namespace BotKit {

namespace {

Plan planFor(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng) {
    const bool preflop = situation.street == PokerEngine::Street::preflop;
    switch (profile.tier) {
    case BotTier::easy:
        return preflop ? EasyStrategy::preflop(situation, profile)
                       : EasyStrategy::postflop(situation, profile, rng);
    case BotTier::medium:
        return MediumStrategy::plan(situation, profile, rng);
    case BotTier::hard:
        return preflop ? HardStrategy::preflop(situation, profile, rng)
                       : HardStrategy::postflop(situation, profile, rng);
    }
    return PokerEngine::Action::fold();
}

} // namespace

PokerEngine::Action TieredBot::decide(const PokerEngine::PlayerView& view, const BotProfile& profile,
                                      PokerEngine::SeededRNG& rng) const {
    CW_PRECONDITION(view.legalActions.has_value());
    const PokerEngine::LegalActions legal = *view.legalActions;
    const Situation situation(view);
    const Plan plan = planFor(situation, profile, rng);
    PokerEngine::Action chosen = plan.action;
    if (plan.alternative && rng.nextUnit() < 0.1) {
        chosen = *plan.alternative;
    }
    return Legalizer::legalize(chosen, legal);
}

} // namespace BotKit
