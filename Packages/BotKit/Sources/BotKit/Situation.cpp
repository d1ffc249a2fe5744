#include "BotKit/Situation.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/HandEvent.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <cmath>

namespace BotKit {

using PokerEngine::ActionKind;
using PokerEngine::HandEvent;
using PokerEngine::Street;

namespace {

bool isAggressive(ActionKind kind) {
    return kind == ActionKind::bet || kind == ActionKind::raise;
}

} // namespace

Situation::Situation(const PokerEngine::PlayerView& view)
    : view(view) {
    CW_PRECONDITION(view.seatIndex.has_value());
    seat = *view.seatIndex;
    CW_PRECONDITION(seat >= 0 && seat < static_cast<std::int64_t>(view.seats.size()));
    const auto& own = view.seats[static_cast<std::size_t>(seat)];

    legal = view.legalActions.value_or(PokerEngine::LegalActions::none());
    hole = view.holeCards;
    board = view.board;
    street = view.street;
    bigBlind = std::max<std::int64_t>(view.blinds.bigBlind, 1);
    stack = own.stack;
    toCall = legal.callAmount.value_or(0);
    pot = view.totalPot();

    std::int64_t deepestOpponent = 0;
    for (const auto& other : view.seats) {
        if (other.index != seat && other.hasCards) {
            opponents.push_back(other.index);
            deepestOpponent =
                std::max(deepestOpponent, PokerEngine::checkedAdd(other.stack, other.streetBet));
        }
    }
    effectiveStack = std::min(deepestOpponent, PokerEngine::checkedAdd(own.stack, own.streetBet));

    std::vector<std::int64_t> order;
    Street current = Street::preflop;
    for (const HandEvent& event : view.log) {
        if (const auto* started = event.as<HandEvent::HandStarted>()) {
            order.clear();
            for (const auto& entry : started->stacks) {
                order.push_back(entry.seat);
            }
        } else if (const auto* dealt = event.as<HandEvent::BoardDealt>()) {
            current = dealt->street;
        } else if (const auto* acted = event.as<HandEvent::Acted>()) {
            SeatHistory history = histories[acted->seat];
            if (current == Street::preflop) {
                if (isAggressive(acted->kind)) {
                    ++preflopRaises;
                    preflopRaiser = acted->seat;
                    history.preflopRaiseLevel = preflopRaises;
                } else if (acted->kind == ActionKind::call) {
                    if (preflopRaises == 0) {
                        ++limpers;
                    } else {
                        history.calledPreflopRaise = true;
                    }
                }
            } else if (isAggressive(acted->kind)) {
                ++history.postflopAggression;
            } else if (acted->kind == ActionKind::call) {
                ++history.postflopCalls;
            }
            if (current == view.street && isAggressive(acted->kind)) {
                ++raisesThisStreet;
            }
            histories[acted->seat] = history;
        }
    }
    position = positionOf(seat, order);
    playersDealt = static_cast<std::int64_t>(order.size());
}

std::int64_t Situation::sizeTo(double potFraction) const {
    const double scaled = std::round(potFraction * 1000.0);
    CW_PRECONDITION(std::isfinite(scaled) && std::fabs(scaled) < 9.2e18);
    const auto thousandths = static_cast<std::int64_t>(scaled);
    const std::int64_t share =
        PokerEngine::checkedMul(PokerEngine::checkedAdd(pot, toCall), thousandths) / 1000;
    return PokerEngine::checkedAdd(view.currentBet, share);
}

Position Situation::positionOf(std::int64_t seat, const std::vector<std::int64_t>& dealtInOrder) {
    const auto found = std::find(dealtInOrder.begin(), dealtInOrder.end(), seat);
    if (found == dealtInOrder.end()) {
        return Position::early;
    }
    const auto n = static_cast<std::int64_t>(dealtInOrder.size());
    const auto i = static_cast<std::int64_t>(found - dealtInOrder.begin());
    if (i == n - 1) {
        return Position::button;
    }
    if (n == 2) {
        return Position::bigBlind;
    }
    if (i == 0) {
        return Position::smallBlind;
    }
    if (i == 1) {
        return Position::bigBlind;
    }
    if (i == n - 2) {
        return Position::cutoff;
    }
    if (i - 2 >= (n - 3) / 2) {
        return Position::middle;
    }
    return Position::early;
}

} // namespace BotKit
