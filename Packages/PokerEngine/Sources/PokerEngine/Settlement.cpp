// The money side of a hand: uncalled bets, pots, awards, showdown and eliminations.
#include "PokerEngine/HandFlow.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/PotLayers.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>

namespace PokerEngine {

void HandFlow::endBettingRound() {
    returnUncalledBet();
    for (auto& seat : state_.seats_) {
        seat.streetBet = 0;
    }
    state_.pots_ = derivedPots();
}

void HandFlow::returnUncalledBet() {
    std::int64_t top = 0;
    for (const auto& seat : state_.seats_) {
        top = std::max(top, seat.totalCommitted);
    }
    const auto atTop = std::count_if(state_.seats_.begin(), state_.seats_.end(),
                                     [top](const Seat& seat) { return seat.totalCommitted == top; });
    if (top < 1 || atTop > 1) {
        return;
    }
    std::int64_t second = 0;
    for (const auto& seat : state_.seats_) {
        if (seat.totalCommitted < top) {
            second = std::max(second, seat.totalCommitted);
        }
    }
    auto& winner = *std::find_if(state_.seats_.begin(), state_.seats_.end(),
                                 [top](const Seat& seat) { return seat.totalCommitted == top; });
    const auto excess = top - second;
    winner.stack = checkedAdd(winner.stack, excess);
    winner.totalCommitted -= excess;
    winner.streetBet -= std::min(winner.streetBet, excess);
    if (winner.status == SeatStatus::allIn) {
        winner.status = SeatStatus::active;
    }
    log(HandEvent::UncalledBetReturned{winner.index, excess});
}

std::vector<Pot> HandFlow::derivedPots() const {
    return potsFromCommitments(state_.seats_);
}

void HandFlow::awardUncontested(std::int64_t winner) {
    state_.actingIndex_.reset();
    endBettingRound();
    for (auto potIndex = static_cast<std::int64_t>(state_.pots_.size()) - 1; potIndex >= 0; --potIndex) {
        const auto amount = state_.pots_[static_cast<std::size_t>(potIndex)].amount;
        auto& seat = seatAt(winner);
        seat.stack = checkedAdd(seat.stack, amount);
        log(HandEvent::PotAwarded{potIndex, amount, {SeatAmount{winner, amount}}, std::nullopt});
    }
    finishHand();
}

void HandFlow::showdown() {
    state_.street_ = Street::showdown;
    state_.actingIndex_.reset();

    struct Contender {
        std::int64_t seat;
        HandValue value;
    };
    std::vector<Contender> contenders;
    for (const auto index : orderFrom(state_.buttonIndex_ + 1)) {
        const auto& seat = seatAt(index);
        if (!seat.isInHand()) {
            continue;
        }
        std::vector<Card> cards = seat.holeCards;
        cards.insert(cards.end(), state_.board_.begin(), state_.board_.end());
        contenders.push_back(Contender{index, HandEvaluator::evaluate(cards)});
    }

    // The river's last bettor or raiser shows first; otherwise the first seat after the button.
    auto first = contenders.begin();
    if (const auto aggressor = state_.lastAggressorIndex_) {
        const auto found = std::find_if(contenders.begin(), contenders.end(),
                                        [&](const Contender& c) { return c.seat == *aggressor; });
        if (found != contenders.end()) {
            first = found;
        }
    }
    std::vector<Contender> revealOrder(first, contenders.end());
    revealOrder.insert(revealOrder.end(), contenders.begin(), first);
    for (const auto& contender : revealOrder) {
        log(HandEvent::HandRevealed{contender.seat, seatAt(contender.seat).holeCards, contender.value});
    }

    for (auto potIndex = static_cast<std::int64_t>(state_.pots_.size()) - 1; potIndex >= 0; --potIndex) {
        const auto& pot = state_.pots_[static_cast<std::size_t>(potIndex)];
        std::vector<Contender> eligible;
        for (const auto& contender : contenders) {
            if (pot.eligible.contains(*seatAt(contender.seat).player)) {
                eligible.push_back(contender);
            }
        }
        CW_PRECONDITION(!eligible.empty());
        const auto best =
            std::max_element(eligible.begin(), eligible.end(), [](const auto& a, const auto& b) {
                return a.value < b.value;
            })->value;
        std::vector<std::int64_t> winners;
        for (const auto& contender : eligible) {
            if (contender.value == best) {
                winners.push_back(contender.seat);
            }
        }
        const auto count = static_cast<std::int64_t>(winners.size());
        const auto share = pot.amount / count;
        const auto oddChips = pot.amount % count;
        std::vector<SeatAmount> shares;
        for (std::int64_t i = 0; i < count; ++i) {
            // Odd chips go to the winners nearest the button's left.
            const auto part = share + (i < oddChips ? 1 : 0);
            auto& seat = seatAt(winners[static_cast<std::size_t>(i)]);
            seat.stack = checkedAdd(seat.stack, part);
            shares.push_back(SeatAmount{seat.index, part});
        }
        log(HandEvent::PotAwarded{potIndex, pot.amount, std::move(shares), best});
    }
    finishHand();
}

void HandFlow::finishHand() {
    state_.street_ = Street::handComplete;
    state_.actingIndex_.reset();
    state_.currentBet_ = 0;
    state_.pots_.clear();
    for (auto& seat : state_.seats_) {
        seat.streetBet = 0;
        seat.totalCommitted = 0;
    }

    std::vector<SeatAmount> startingStacks;
    if (!state_.log_.empty()) {
        if (const auto* started = state_.log_.front().as<HandEvent::HandStarted>()) {
            startingStacks = started->stacks;
        }
    }
    std::vector<SeatAmount> busted;
    for (const auto& seat : state_.seats_) {
        const auto dealt =
            std::find_if(startingStacks.begin(), startingStacks.end(),
                         [&seat](const SeatAmount& entry) { return entry.seat == seat.index; });
        if (seat.player && seat.stack == 0 && dealt != startingStacks.end()) {
            busted.push_back(*dealt);
        }
    }
    // The player who started the hand with fewer chips went out first.
    std::stable_sort(busted.begin(), busted.end(), [](const SeatAmount& a, const SeatAmount& b) {
        return a.amount != b.amount ? a.amount < b.amount : a.seat < b.seat;
    });
    for (const auto& entry : busted) {
        auto& seat = seatAt(entry.seat);
        seat.status = SeatStatus::busted;
        state_.eliminated_.push_back(*seat.player);
        log(HandEvent::PlayerEliminated{entry.seat, *seat.player});
    }
}

} // namespace PokerEngine
