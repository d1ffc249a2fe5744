#include "BotKit/HardStrategy.h"

#include "BotKit/BoardTexture.h"
#include "BotKit/Equity.h"
#include "BotKit/HandReading.h"
#include "BotKit/Preflop.h"
#include "BotKit/PreflopChart.h"
#include "BotKit/StrategyMath.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/Precondition.h"

namespace BotKit::HardStrategy {

using PokerEngine::Action;
using PokerEngine::checkedAdd;
using PokerEngine::checkedMul;
using PokerEngine::Rank;
using PokerEngine::Street;
using namespace StrategyMath;

namespace {

double rangeTop(const Situation::SeatHistory* history, std::int64_t preflopRaises) {
    if (history && history->preflopRaiseLevel >= 1) {
        switch (history->preflopRaiseLevel) {
        case 1:
            return 0.2;
        case 2:
            return 0.08;
        default:
            return 0.04;
        }
    }
    if (history && history->calledPreflopRaise) {
        return 0.3;
    }
    return preflopRaises == 0 ? 1.0 : 0.7;
}

double strengthShown(const Situation::SeatHistory* history) {
    if (history && history->postflopAggression > 0) {
        return 0.75;
    }
    if (history && history->postflopCalls > 0) {
        return 0.4;
    }
    return 0.0;
}

// Pairs and suited connectors from 54s up: hands that flop well enough to call a small raise deep.
bool isSpeculative(const StartingHand& hand) {
    if (hand.isPair()) {
        return true;
    }
    const int gap = PokerEngine::rankIndex(hand.high) - PokerEngine::rankIndex(hand.low);
    return hand.suited && gap == 1 && hand.low >= Rank::four;
}

double price(const Situation& situation) {
    if (situation.toCall == 0) {
        return 0.0;
    }
    return ratio(situation.toCall, checkedAdd(situation.pot, situation.toCall));
}

} // namespace

std::vector<OpponentRange> ranges(const Situation& situation) {
    std::vector<OpponentRange> result;
    result.reserve(situation.opponents.size());
    for (const std::int64_t index : situation.opponents) {
        CW_PRECONDITION(index >= 0 && index < static_cast<std::int64_t>(situation.view.seats.size()));
        const auto found = situation.histories.find(index);
        const Situation::SeatHistory* history = found == situation.histories.end() ? nullptr : &found->second;
        OpponentRange range{rangeTop(history, situation.preflopRaises), strengthShown(history)};
        const auto& seat = situation.view.seats[static_cast<std::size_t>(index)];
        const double startingBigBlinds =
            ratio(checkedAdd(seat.stack, seat.totalCommitted), situation.bigBlind);
        if (seat.status == PokerEngine::SeatStatus::allIn && startingBigBlinds < 15.0 && range.top <= 0.35) {
            range.top = 0.35;
        }
        result.push_back(range);
    }
    return result;
}

Plan preflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng) {
    const StartingHand hand = holeHand(situation);
    const int tier = PreflopChart::tier(hand);
    const double r = ratio(situation.effectiveStack, situation.bigBlind);

    const bool expensive = checkedMul(situation.toCall, 100) >= checkedMul(situation.stack, 35);
    if (situation.preflopRaises > 0 && (expensive || r < 12.0)) {
        if (tier == 1) {
            return Action::allIn();
        }
        const auto opponentRanges = ranges(situation);
        const double equity = Equity::estimate(situation.hole, {}, opponentRanges, preflopTrials, rng);
        if (equity > price(situation) + 0.02) {
            return r < 25.0 ? Action::allIn() : Action::call();
        }
        return Action::fold();
    }
    if (r < 12.0) {
        return Preflop::pushOrFold(situation, Preflop::pushRange(situation) + 0.05,
                                   shortStackCallTop(situation));
    }
    const bool deepCheapCall = situation.preflopRaises == 1 && r >= 80.0 &&
                               ratio(situation.toCall, situation.bigBlind) <= 4.0 &&
                               (situation.inPosition() || situation.position == Position::bigBlind);
    if (deepCheapCall && isSpeculative(hand)) {
        const Plan charted = Preflop::chart(situation, profile, rng);
        if (charted.action == Action::fold()) {
            return Plan(Action::call(), Action::fold());
        }
        return charted;
    }
    if (situation.preflopRaises == 1 && r < 25.0 && tier <= 2) {
        return Action::allIn();
    }
    return Preflop::chart(situation, profile, rng);
}

Plan postflop(const Situation& situation, const BotProfile& profile, PokerEngine::SeededRNG& rng) {
    const HandReading reading(situation.hole, situation.board);
    const bool hasDraw = reading.hasDraw();
    const BoardTexture texture(situation.board);
    const std::int64_t trials = situation.opponents.size() == 1 ? headsUpTrials : multiwayTrials;
    const auto opponentRanges = ranges(situation);
    const double equity = Equity::estimate(situation.hole, situation.board, opponentRanges, trials, rng);
    const double jitter = (rng.nextUnit() - 0.5) * 0.2;
    const double valueFraction = equity >= 0.85 ? 0.9 : (texture.isWet() ? 0.75 : 0.5);
    const double a = profile.aggression / 0.6;
    const bool river = situation.street == Street::river;
    const bool headsUp = situation.opponents.size() == 1;

    if (situation.toCall > 0) {
        const double cost = price(situation);
        if (equity >= 0.75 && rng.nextUnit() < 0.7 * a) {
            return Plan(aggressive(situation, situation.sizeTo(0.8 + jitter)), Action::call());
        }
        if (cost + 0.04 <= equity) {
            if (equity > 0.6) {
                return Plan(Action::call(), aggressive(situation, situation.sizeTo(0.8)));
            }
            return Plan(Action::call(), Action::fold());
        }
        if (hasDraw && !river) {
            if (situation.effectiveStack > checkedMul(situation.pot, 4) && cost <= equity + 0.08) {
                return Plan(Action::call(), Action::fold());
            }
            if (headsUp && rng.nextUnit() < profile.bluffFrequency * 0.5) {
                return Plan(aggressive(situation, situation.sizeTo(0.8)), Action::fold());
            }
        }
        return Action::fold();
    }

    if (equity >= 0.7) {
        const Action valueBet = aggressive(situation, situation.sizeTo(valueFraction + jitter));
        if (equity > 0.9 && !texture.isWet()) {
            if (rng.nextUnit() < 0.2) {
                return Plan(Action::check(), valueBet);
            }
            return Plan(valueBet, Action::check());
        }
        return Plan(valueBet, Action::check());
    }
    if (equity >= 0.55) {
        const Action thinBet = aggressive(situation, situation.sizeTo(0.33));
        if (rng.nextUnit() < 0.5 * a) {
            return Plan(thinBet, Action::check());
        }
        return Plan(Action::check(), thinBet);
    }
    if (hasDraw && !river && rng.nextUnit() < 0.5 * a) {
        return Plan(aggressive(situation, situation.sizeTo(0.6 + jitter)), Action::check());
    }
    if (equity < 0.3) {
        double bluff = profile.bluffFrequency * (texture.isScary() ? 1.5 : 0.8);
        if (situation.opponents.size() > 1) {
            bluff *= 0.35;
        }
        if (river) {
            bluff *= 1.2;
        }
        if (rng.nextUnit() < bluff) {
            return Plan(aggressive(situation, situation.sizeTo(0.66 + jitter)), Action::check());
        }
        return Action::check();
    }
    return Action::check();
}

} // namespace BotKit::HardStrategy
