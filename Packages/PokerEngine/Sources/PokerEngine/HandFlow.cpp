#include "PokerEngine/HandFlow.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/EngineError.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <set>
#include <utility>

namespace PokerEngine {

namespace {

bool isBetweenHands(Street street) {
    return street == Street::waitingToStart || street == Street::handComplete;
}

std::int64_t cardsDealtLeaving(Street street) {
    CW_PRECONDITION(street == Street::preflop || street == Street::flop || street == Street::turn);
    return street == Street::preflop ? 3 : 1;
}

Street streetAfter(Street street) {
    switch (street) {
    case Street::preflop:
        return Street::flop;
    case Street::flop:
        return Street::turn;
    default:
        return Street::river;
    }
}

} // namespace

GameState HandFlow::makeTable(const TableConfig& config, const std::vector<PlayerID>& players,
                              std::uint64_t seed) {
    CW_PRECONDITION(config.seatCount >= 2 && config.seatCount <= 6);
    CW_PRECONDITION(static_cast<std::int64_t>(players.size()) <= config.seatCount);
    CW_PRECONDITION(std::set<PlayerID>(players.begin(), players.end()).size() == players.size());
    CW_PRECONDITION(config.startingStack >= 1);
    for (const auto& level : config.blinds.levels) {
        CW_PRECONDITION(level.smallBlind >= 0 && level.bigBlind >= 0 && level.ante >= 0);
    }

    GameState state(config, SeededRNG(seed));
    for (std::int64_t index = 0; index < config.seatCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        if (i < players.size()) {
            state.seats_.emplace_back(index, players[i], config.startingStack, SeatStatus::active);
        } else {
            state.seats_.emplace_back(index, std::nullopt, 0, SeatStatus::empty);
        }
    }
    state.buttonIndex_ = state.rng_.next(config.seatCount);
    state.blinds_ = config.blinds.level(1);
    return state;
}

void HandFlow::seatPlayer(const PlayerID& player, std::int64_t index, std::int64_t stack) {
    CW_PRECONDITION(stack >= 1);
    CW_PRECONDITION(index >= 0 && index < seatCount());
    CW_PRECONDITION(!state_.seatIndex(player).has_value());
    if (!isBetweenHands(state_.street_)) {
        throw EngineError::handInProgress();
    }
    auto& target = seatAt(index);
    if (target.player && target.stack != 0) {
        throw EngineError::seatOccupied();
    }
    target = Seat(index, player, stack, SeatStatus::active);
}

void HandFlow::startHand(const std::optional<RiggedDeal>& rigged) {
    if (!isBetweenHands(state_.street_)) {
        throw EngineError::handInProgress();
    }
    for (auto& seat : state_.seats_) {
        seat.holeCards.clear();
        seat.streetBet = 0;
        seat.totalCommitted = 0;
        seat.hasActedThisRound = false;
        seat.betWhenLastActed = 0;
        if (!seat.player) {
            seat.status = SeatStatus::empty;
        } else if (seat.stack == 0) {
            seat.status = SeatStatus::busted;
        } else if (seat.status != SeatStatus::sittingOut) {
            seat.status = SeatStatus::active;
        }
    }
    const auto activeCount = std::count_if(state_.seats_.begin(), state_.seats_.end(), [](const Seat& seat) {
        return seat.status == SeatStatus::active;
    });
    if (activeCount < 2) {
        throw EngineError::notEnoughPlayers();
    }

    state_.handNumber_ = checkedAdd(state_.handNumber_, 1);
    state_.blinds_ = state_.config_.blinds.level(state_.handNumber_);
    state_.board_.clear();
    state_.pots_.clear();
    state_.log_.clear();
    state_.lastAggressorIndex_.reset();

    const auto order = orderFrom(state_.buttonIndex_ + 1);
    state_.buttonIndex_ = *std::find_if(order.begin(), order.end(), [this](std::int64_t index) {
        return seatAt(index).status == SeatStatus::active;
    });
    std::vector<std::int64_t> dealOrder;
    std::vector<SeatAmount> stacks;
    for (const auto index : orderFrom(state_.buttonIndex_ + 1)) {
        if (seatAt(index).status == SeatStatus::active) {
            dealOrder.push_back(index);
            stacks.push_back(SeatAmount{index, seatAt(index).stack});
        }
    }
    const auto& blinds = state_.blinds_;
    log(HandEvent::HandStarted{state_.handNumber_, state_.buttonIndex_, blinds, stacks});

    if (blinds.ante > 0) {
        for (const auto index : dealOrder) {
            log(HandEvent::AntePosted{index, commit(index, blinds.ante, false)});
        }
    }
    const bool headsUp = dealOrder.size() == 2;
    const auto smallBlindSeat = headsUp ? state_.buttonIndex_ : dealOrder.front();
    const auto orderAfterSmall = orderFrom(smallBlindSeat + 1);
    const auto bigBlindSeat = *std::find_if(orderAfterSmall.begin(), orderAfterSmall.end(),
                                            [this](std::int64_t index) { return seatAt(index).isInHand(); });
    log(HandEvent::BlindPosted{smallBlindSeat, commit(smallBlindSeat, blinds.smallBlind, true),
                               BlindKind::small});
    log(HandEvent::BlindPosted{bigBlindSeat, commit(bigBlindSeat, blinds.bigBlind, true), BlindKind::big});
    state_.currentBet_ = blinds.bigBlind;
    state_.lastFullRaiseSize_ = blinds.bigBlind;

    state_.deck_ = rigged ? riggedDeck(*rigged, dealOrder) : Deck::shuffled(state_.rng_);
    for (int round = 0; round < 2; ++round) {
        for (const auto index : dealOrder) {
            seatAt(index).holeCards.push_back(state_.deck_.draw());
        }
    }
    for (const auto index : dealOrder) {
        log(HandEvent::HoleCardsDealt{index, seatAt(index).holeCards});
    }

    state_.street_ = Street::preflop;
    state_.pots_ = derivedPots();
    advance(headsUp ? smallBlindSeat : bigBlindSeat + 1);
}

Deck HandFlow::riggedDeck(const RiggedDeal& rigged, const std::vector<std::int64_t>& dealOrder) {
    CW_PRECONDITION(rigged.board.size() <= 5);
    const auto seats = dealOrder.size();
    std::vector<std::optional<Card>> slots(2 * seats + 5);
    for (std::size_t position = 0; position < seats; ++position) {
        const auto preset = rigged.holeCards.find(dealOrder[position]);
        if (preset == rigged.holeCards.end()) {
            continue;
        }
        // Two hole cards per seat: a third has no slot that would not steal another's card.
        CW_PRECONDITION(preset->second.size() <= 2);
        for (std::size_t card = 0; card < preset->second.size(); ++card) {
            slots[position + card * seats] = preset->second[card];
        }
    }
    for (std::size_t card = 0; card < rigged.board.size(); ++card) {
        slots[2 * seats + card] = rigged.board[card];
    }

    std::vector<Card> rest;
    for (const auto& card : Card::all()) {
        if (std::find(slots.begin(), slots.end(), std::optional<Card>(card)) == slots.end()) {
            rest.push_back(card);
        }
    }
    std::vector<Card> cards;
    auto next = rest.begin();
    for (const auto& slot : slots) {
        cards.push_back(slot ? *slot : *next++);
    }
    cards.insert(cards.end(), next, rest.end());
    return Deck::stacked(std::move(cards));
}

LegalActions HandFlow::legalActions(const GameState& state) {
    if (!isBetting(state.street_) || !state.actingIndex_) {
        return LegalActions::none();
    }
    const auto actor = *state.actingIndex_;
    const auto& seat = state.seat(actor);
    const auto toCall = checkedSub(state.currentBet_, seat.streetBet);
    const auto maxRaiseTo = checkedAdd(seat.stack, seat.streetBet);

    LegalActions legal;
    legal.canFold = true;
    legal.canCheck = toCall < 1;
    if (toCall >= 1) {
        legal.callAmount = std::min(toCall, seat.stack);
    }
    legal.maxRaiseTo = maxRaiseTo;
    legal.opensBetting = state.currentBet_ == 0;

    const bool someoneElseActive =
        std::any_of(state.seats_.begin(), state.seats_.end(),
                    [actor](const Seat& s) { return s.index != actor && s.status == SeatStatus::active; });
    // A short all-in does not reopen raising for a player who already acted on this street.
    const bool reopened = !seat.hasActedThisRound ||
                          checkedSub(state.currentBet_, seat.betWhenLastActed) >= state.lastFullRaiseSize_;
    if (someoneElseActive && reopened && state.currentBet_ < maxRaiseTo) {
        const auto minimum = state.currentBet_ == 0 ? state.blinds_.bigBlind
                                                    : checkedAdd(state.currentBet_, state.lastFullRaiseSize_);
        legal.minRaiseTo = std::min(maxRaiseTo, minimum);
        legal.canAllIn = true;
    } else {
        legal.canAllIn = toCall >= 1 && legal.callAmount == seat.stack;
    }
    return legal;
}

void HandFlow::apply(const Action& action, const PlayerID& player) {
    if (!isBetting(state_.street_)) {
        throw EngineError::handNotInProgress();
    }
    if (!state_.actingIndex_) {
        throw EngineError::notYourTurn();
    }
    const auto actor = *state_.actingIndex_;
    if (seatAt(actor).player != player) {
        throw EngineError::notYourTurn();
    }
    const auto legal = legalActions(state_);

    if (const auto* bet = action.as<Action::Bet>()) {
        if (!legal.opensBetting) {
            throw EngineError::illegalAction();
        }
        aggress(actor, bet->to, legal);
    } else if (const auto* raise = action.as<Action::Raise>()) {
        if (legal.opensBetting) {
            throw EngineError::illegalAction();
        }
        aggress(actor, raise->to, legal);
    } else if (action.is<Action::Fold>()) {
        auto& seat = seatAt(actor);
        seat.status = SeatStatus::folded;
        log(HandEvent::Acted{actor, ActionKind::fold, 0, seat.streetBet, false});
    } else if (action.is<Action::Check>()) {
        if (!legal.canCheck) {
            throw EngineError::illegalAction();
        }
        log(HandEvent::Acted{actor, ActionKind::check, 0, seatAt(actor).streetBet, false});
    } else if (action.is<Action::Call>()) {
        if (!legal.callAmount) {
            throw EngineError::illegalAction();
        }
        call(actor, *legal.callAmount);
    } else {
        if (!legal.canAllIn) {
            throw EngineError::illegalAction();
        }
        if (legal.minRaiseTo) {
            aggress(actor, legal.maxRaiseTo, legal);
        } else {
            call(actor, *legal.callAmount);
        }
    }

    auto& seat = seatAt(actor);
    seat.hasActedThisRound = true;
    seat.betWhenLastActed = state_.currentBet_;
    advance((actor + 1) % seatCount());
}

std::int64_t HandFlow::commit(std::int64_t index, std::int64_t upTo, bool countsTowardBet) {
    auto& seat = seatAt(index);
    const auto amount = std::min(seat.stack, upTo);
    seat.stack = checkedSub(seat.stack, amount);
    seat.totalCommitted = checkedAdd(seat.totalCommitted, amount);
    if (countsTowardBet) {
        seat.streetBet = checkedAdd(seat.streetBet, amount);
    }
    if (seat.stack == 0) {
        seat.status = SeatStatus::allIn;
    }
    return amount;
}

void HandFlow::call(std::int64_t index, std::int64_t amount) {
    commit(index, amount, true);
    const auto& seat = seatAt(index);
    log(HandEvent::Acted{index, ActionKind::call, amount, seat.streetBet, seat.stack == 0});
}

void HandFlow::aggress(std::int64_t index, std::int64_t to, const LegalActions& legal) {
    if (!legal.minRaiseTo) {
        throw EngineError::illegalAction();
    }
    if (to > legal.maxRaiseTo) {
        throw EngineError::amountAboveStack();
    }
    if (to < *legal.minRaiseTo) {
        throw EngineError::amountBelowMinimum(*legal.minRaiseTo);
    }
    const auto betBefore = state_.currentBet_;
    const auto added = checkedSub(to, seatAt(index).streetBet);
    const auto raiseSize = checkedSub(to, betBefore);
    commit(index, added, true);
    if (raiseSize >= state_.lastFullRaiseSize_) {
        state_.lastFullRaiseSize_ = raiseSize;
    }
    state_.currentBet_ = to;
    state_.lastAggressorIndex_ = index;
    log(HandEvent::Acted{index, betBefore > 0 ? ActionKind::raise : ActionKind::bet, added, to,
                         seatAt(index).stack == 0});
}

bool HandFlow::needsToAct(std::int64_t index) const {
    const auto& seat = seatAt(index);
    if (seat.status != SeatStatus::active) {
        return false;
    }
    const bool onlyActive =
        std::none_of(state_.seats_.begin(), state_.seats_.end(), [index](const Seat& other) {
            return other.index != index && other.status == SeatStatus::active;
        });
    if (onlyActive) {
        // Nobody is left to bet against: the seat only has to match the all-ins.
        std::int64_t top = 0;
        for (const auto& other : state_.seats_) {
            if (other.index != index && other.isInHand()) {
                top = std::max(top, other.streetBet);
            }
        }
        if (seat.streetBet >= top) {
            return false;
        }
    }
    return !seat.hasActedThisRound || seat.streetBet < state_.currentBet_;
}

std::optional<std::int64_t> HandFlow::firstNeedingToAct(std::int64_t start) const {
    for (const auto index : orderFrom(start)) {
        if (needsToAct(index)) {
            return index;
        }
    }
    return std::nullopt;
}

void HandFlow::advance(std::int64_t startingAt) {
    const auto inHand = std::count_if(state_.seats_.begin(), state_.seats_.end(),
                                      [](const Seat& seat) { return seat.isInHand(); });
    if (inHand == 1) {
        const auto winner = std::find_if(state_.seats_.begin(), state_.seats_.end(),
                                         [](const Seat& seat) { return seat.isInHand(); });
        awardUncontested(winner->index);
        return;
    }
    if ((state_.actingIndex_ = firstNeedingToAct(startingAt))) {
        return;
    }
    endBettingRound();
    while (state_.street_ != Street::river) {
        dealNextStreet();
        // When nobody can act, the loop deals the next street: the all-in run-out.
        if ((state_.actingIndex_ = firstNeedingToAct(state_.buttonIndex_ + 1))) {
            return;
        }
    }
    showdown();
}

void HandFlow::dealNextStreet() {
    const auto count = cardsDealtLeaving(state_.street_);
    state_.street_ = streetAfter(state_.street_);
    std::vector<Card> cards;
    for (std::int64_t i = 0; i < count; ++i) {
        cards.push_back(state_.deck_.draw());
    }
    state_.board_.insert(state_.board_.end(), cards.begin(), cards.end());
    log(HandEvent::BoardDealt{state_.street_, std::move(cards)});
    for (auto& seat : state_.seats_) {
        seat.hasActedThisRound = false;
        seat.betWhenLastActed = 0;
    }
    state_.currentBet_ = 0;
    state_.lastFullRaiseSize_ = state_.blinds_.bigBlind;
    state_.lastAggressorIndex_.reset();
}

Seat& HandFlow::seatAt(std::int64_t index) {
    CW_PRECONDITION(index >= 0 && index < seatCount());
    return state_.seats_[static_cast<std::size_t>(index)];
}

const Seat& HandFlow::seatAt(std::int64_t index) const {
    return state_.seat(index);
}

std::int64_t HandFlow::seatCount() const {
    return static_cast<std::int64_t>(state_.seats_.size());
}

std::vector<std::int64_t> HandFlow::orderFrom(std::int64_t start) const {
    const auto count = seatCount();
    std::vector<std::int64_t> order;
    order.reserve(static_cast<std::size_t>(count));
    for (std::int64_t step = 0; step < count; ++step) {
        order.push_back((start + step) % count);
    }
    return order;
}

void HandFlow::log(HandEvent event) {
    state_.log_.push_back(std::move(event));
}

} // namespace PokerEngine
