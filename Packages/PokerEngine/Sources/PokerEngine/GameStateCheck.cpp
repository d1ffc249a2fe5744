#include "PokerEngine/GameStateCheck.h"

#include "PokerEngine/Overloaded.h"
#include "PokerEngine/PotLayers.h"

#include <algorithm>
#include <bitset>
#include <limits>
#include <set>

namespace PokerEngine {

namespace {

bool isChipAmount(std::int64_t amount) {
    return amount >= 0 && amount <= maxTableChips;
}

bool isSeatIndex(const GameState& state, std::int64_t index) {
    return index >= 0 && index < static_cast<std::int64_t>(state.seats().size());
}

// A small blind above the big one would leave its poster's street bet above the bet to call.
bool isLevelInRange(const BlindLevel& level) {
    return isChipAmount(level.smallBlind) && isChipAmount(level.bigBlind) && isChipAmount(level.ante) &&
           level.smallBlind <= level.bigBlind;
}

std::optional<std::size_t> boardSizeFor(Street street) {
    switch (street) {
    case Street::preflop:
        return 0;
    case Street::flop:
        return 3;
    case Street::turn:
        return 4;
    case Street::river:
        return 5;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> findSeatProblem(const GameState& state) {
    const bool betting = isBetting(state.street());
    std::set<PlayerID> players;
    for (std::size_t i = 0; i < state.seats().size(); ++i) {
        const auto& seat = state.seats()[i];
        const auto where = " at seat " + std::to_string(i);
        if (seat.index != static_cast<std::int64_t>(i)) {
            return "seat index out of place" + where;
        }
        if (!isChipAmount(seat.stack) || !isChipAmount(seat.streetBet) ||
            !isChipAmount(seat.totalCommitted) || !isChipAmount(seat.betWhenLastActed) ||
            seat.streetBet > seat.totalCommitted) {
            return "chip amounts out of range" + where;
        }
        if (seat.player.has_value() == (seat.status == SeatStatus::empty)) {
            return "player and status disagree" + where;
        }
        if (seat.player && !players.insert(*seat.player).second) {
            return "a player sits twice";
        }
        if (!seat.holeCards.empty() && seat.holeCards.size() != 2) {
            return "wrong number of hole cards" + where;
        }
        const bool committed = seat.streetBet != 0 || seat.totalCommitted != 0;
        if (!betting && committed) {
            return "chips committed between hands" + where;
        }
        // Only a seat dealt into the hand can have put chips into it; an empty or busted seat has
        // none at all.
        if (committed && !seat.isInHand() && seat.status != SeatStatus::folded) {
            return "a seat out of the hand has chips in it" + where;
        }
        if ((seat.status == SeatStatus::empty || seat.status == SeatStatus::busted) && seat.stack != 0) {
            return "a seat without a player in the game holds chips" + where;
        }
        if (betting && seat.isInHand() && seat.holeCards.size() != 2) {
            return "a seat in the hand holds no cards" + where;
        }
        // A seat left without chips is all-in, so an active one always has chips to act with.
        if (betting && seat.status == SeatStatus::active && seat.stack == 0) {
            return "an active seat without chips" + where;
        }
        // Only a seat with nothing behind is all-in; one with chips would be skipped with them.
        if (betting && seat.status == SeatStatus::allIn && seat.stack != 0) {
            return "an all-in seat with chips behind" + where;
        }
        if (betting && seat.streetBet > state.currentBet()) {
            return "a street bet above the bet to call" + where;
        }
    }
    return std::nullopt;
}

std::optional<std::string> findCardProblem(const GameState& state) {
    if (!state.deck().isWellFormed()) {
        return "the deck is not a dealt deck of 52 distinct cards";
    }
    if (state.board().size() > 5) {
        return "more than five board cards";
    }
    const auto expected = boardSizeFor(state.street());
    if (expected) {
        if (state.board().size() != *expected) {
            return "board size does not match the street";
        }
        if (state.deck().remaining() < static_cast<std::int64_t>(5 - state.board().size())) {
            return "the deck cannot deal the rest of the board";
        }
    }
    std::bitset<52> seen;
    // During a hand every card out was drawn from this deck, so none of them may still be in it.
    auto check = [&](const Card& card) -> std::optional<std::string> {
        const auto index = static_cast<std::size_t>(card.index());
        if (seen.test(index)) {
            return "card " + card.code() + " appears twice";
        }
        seen.set(index);
        if (expected && state.deck().holdsUndealt(card)) {
            return "card " + card.code() + " is out and still in the deck";
        }
        return std::nullopt;
    };
    for (const auto& seat : state.seats()) {
        for (const auto& card : seat.holeCards) {
            if (auto problem = check(card)) {
                return problem;
            }
        }
    }
    for (const auto& card : state.board()) {
        if (auto problem = check(card)) {
            return problem;
        }
    }
    return std::nullopt;
}

std::optional<std::string> findTableProblem(const GameState& state) {
    const auto& config = state.config();
    if (config.seatCount < 2 || config.seatCount > 6) {
        return "seat count outside 2 to 6";
    }
    if (static_cast<std::int64_t>(state.seats().size()) != config.seatCount) {
        return "seat list does not match the seat count";
    }
    if (config.blinds.levels.empty() || (config.blinds.handsPerLevel && *config.blinds.handsPerLevel < 1)) {
        return "the blind schedule cannot be looked up";
    }
    if (!std::all_of(config.blinds.levels.begin(), config.blinds.levels.end(), isLevelInRange)) {
        return "blind level amounts out of range";
    }
    if (!isChipAmount(config.startingStack) || !isLevelInRange(state.blinds()) ||
        !isChipAmount(state.currentBet()) || !isChipAmount(state.lastFullRaiseSize())) {
        return "table amounts out of range";
    }
    std::int64_t potTotal = 0;
    for (const auto& pot : state.pots()) {
        if (!isChipAmount(pot.amount) || (potTotal += pot.amount) > maxTableChips) {
            return "pot amount out of range";
        }
    }
    if (state.handNumber() < 0) {
        return "negative hand number";
    }
    // The next deal looks its blinds up; a level past every amount a table can hold would stop the
    // program there or in the bots' sizing.
    if (state.handNumber() == std::numeric_limits<std::int64_t>::max()) {
        return "the next hand's blinds are out of range";
    }
    const auto next = config.blinds.levelInRange(state.handNumber() + 1);
    if (!next || !isLevelInRange(*next)) {
        return "the next hand's blinds are out of range";
    }
    if (!isSeatIndex(state, state.buttonIndex())) {
        return "button outside the table";
    }
    if (state.lastAggressorIndex() && !isSeatIndex(state, *state.lastAggressorIndex())) {
        return "last aggressor outside the table";
    }
    if (state.street() == Street::showdown) {
        return "a state at showdown";
    }
    if (state.actingIndex().has_value() != isBetting(state.street())) {
        return "seat to act does not match the street";
    }
    if (state.actingIndex()) {
        if (!isSeatIndex(state, *state.actingIndex())) {
            return "seat to act outside the table";
        }
        if (state.seat(*state.actingIndex()).status != SeatStatus::active) {
            return "the seat to act cannot act";
        }
        const auto inHand = std::count_if(state.seats().begin(), state.seats().end(),
                                          [](const Seat& seat) { return seat.isInHand(); });
        if (inHand < 2) {
            return "a betting round with fewer than two players in the hand";
        }
    }
    return std::nullopt;
}

// The seats and amounts an event names.
struct EventFacts {
    std::vector<std::int64_t> seats;
    std::vector<std::int64_t> amounts;
};

EventFacts factsOf(const HandEvent& event) {
    EventFacts facts;
    const auto shares = [&facts](const std::vector<SeatAmount>& entries) {
        for (const auto& entry : entries) {
            facts.seats.push_back(entry.seat);
            facts.amounts.push_back(entry.amount);
        }
    };
    std::visit(Overloaded{
                   [&](const HandEvent::HandStarted& e) {
                       facts.seats.push_back(e.buttonIndex);
                       facts.amounts = {e.blinds.smallBlind, e.blinds.bigBlind, e.blinds.ante};
                       shares(e.stacks);
                   },
                   [&](const HandEvent::AntePosted& e) {
                       facts = {{e.seat}, {e.amount}};
                   },
                   [&](const HandEvent::BlindPosted& e) {
                       facts = {{e.seat}, {e.amount}};
                   },
                   [&](const HandEvent::HoleCardsDealt& e) { facts.seats = {e.seat}; },
                   [&](const HandEvent::BoardDealt&) {},
                   [&](const HandEvent::Acted& e) {
                       facts = {{e.seat}, {e.amount, e.streetBet}};
                   },
                   [&](const HandEvent::UncalledBetReturned& e) {
                       facts = {{e.seat}, {e.amount}};
                   },
                   [&](const HandEvent::HandRevealed& e) { facts.seats = {e.seat}; },
                   [&](const HandEvent::PotAwarded& e) {
                       facts.amounts = {e.amount};
                       shares(e.shares);
                   },
                   [&](const HandEvent::PlayerEliminated& e) { facts.seats = {e.seat}; },
               },
               event.payload());
    return facts;
}

// The log is read back by the controller when it settles a hand, by the bots and by the screens:
// every seat it names is at the table and every amount is a chip amount. A hand that has begun
// starts with its own handStarted.
std::optional<std::string> findLogProblem(const GameState& state) {
    for (const auto& event : state.log()) {
        const auto facts = factsOf(event);
        if (!std::all_of(facts.seats.begin(), facts.seats.end(),
                         [&](std::int64_t seat) { return isSeatIndex(state, seat); })) {
            return "the hand log names a seat outside the table";
        }
        if (!std::all_of(facts.amounts.begin(), facts.amounts.end(), isChipAmount)) {
            return "the hand log holds an amount out of range";
        }
    }
    if (state.street() != Street::waitingToStart) {
        const auto* started =
            state.log().empty() ? nullptr : state.log().front().as<HandEvent::HandStarted>();
        if (!started || started->handNumber != state.handNumber()) {
            return "the hand log does not start with this hand";
        }
    }
    return std::nullopt;
}

// Where each seat's chips went this hand, from the log.
struct ChipFlow {
    std::int64_t paid = 0;
    std::int64_t returned = 0;
    std::int64_t awarded = 0;
};

// Chips are only moved, never made: every stack is its start of the hand less what the log says it
// paid in, plus what came back to it or was awarded to it; while the hand is bet, what a seat paid
// in and did not get back is its commitment, and the pots hold exactly what was committed on the
// streets before this one. A saved game edited anywhere else would be played and booked off by the
// difference. Runs after the log's seats and amounts are known to be in range.
std::optional<std::string> findChipFlowProblem(const GameState& state) {
    std::int64_t inPots = 0;
    for (const auto& pot : state.pots()) {
        inPots += pot.amount;
    }
    std::int64_t committedBefore = 0;
    for (const auto& seat : state.seats()) {
        committedBefore += seat.totalCommitted - seat.streetBet;
    }
    if (inPots != committedBefore) {
        return "the pots do not hold the chips committed";
    }
    if (state.street() == Street::waitingToStart) {
        return std::nullopt;
    }
    const auto& started = *state.log().front().as<HandEvent::HandStarted>();
    std::vector<std::optional<std::int64_t>> start(state.seats().size());
    for (const auto& entry : started.stacks) {
        auto& stack = start[static_cast<std::size_t>(entry.seat)];
        if (stack) {
            return "the hand's start names a seat twice";
        }
        stack = entry.amount;
    }
    std::vector<ChipFlow> flows(state.seats().size());
    // Bounds each running sum well inside 64 bits, however long an edited log is.
    bool tooMuch = false;
    const auto add = [&tooMuch](std::int64_t& sum, std::int64_t amount) {
        sum += amount;
        tooMuch = tooMuch || sum > 4 * maxTableChips;
    };
    const auto flowOf = [&flows](std::int64_t seat) -> ChipFlow& {
        return flows[static_cast<std::size_t>(seat)];
    };
    for (const auto& event : state.log()) {
        std::visit(
            Overloaded{
                [&](const HandEvent::AntePosted& e) { add(flowOf(e.seat).paid, e.amount); },
                [&](const HandEvent::BlindPosted& e) { add(flowOf(e.seat).paid, e.amount); },
                [&](const HandEvent::Acted& e) { add(flowOf(e.seat).paid, e.amount); },
                [&](const HandEvent::UncalledBetReturned& e) { add(flowOf(e.seat).returned, e.amount); },
                [&](const HandEvent::PotAwarded& e) {
                    for (const auto& share : e.shares) {
                        add(flowOf(share.seat).awarded, share.amount);
                    }
                },
                [](const auto&) {},
            },
            event.payload());
        if (tooMuch) {
            return "the hand log's amounts do not add up";
        }
    }
    const bool betting = isBetting(state.street());
    for (std::size_t index = 0; index < flows.size(); ++index) {
        const auto& flow = flows[index];
        const auto& seat = state.seats()[index];
        const auto where = " at seat " + std::to_string(index);
        if (!start[index]) {
            if (flow.paid != 0 || flow.returned != 0 || flow.awarded != 0) {
                return "chips moved for a seat not dealt in" + where;
            }
            continue;
        }
        if (seat.stack != *start[index] - flow.paid + flow.returned + flow.awarded) {
            return "the stack does not add up from the hand's start" + where;
        }
        if (betting && seat.totalCommitted != flow.paid - flow.returned) {
            return "the chips committed do not match the hand log" + where;
        }
    }
    return std::nullopt;
}

// Why an uncalled bet's return is one the engine could not have made, if it is: only the one seat
// that put in more than every other gets chips back, and no more than the part nobody matched.
std::optional<std::string> findReturnProblem(const std::vector<Seat>& seats,
                                             const HandEvent::UncalledBetReturned& returned) {
    std::int64_t top = 0;
    for (const auto& seat : seats) {
        top = std::max(top, seat.totalCommitted);
    }
    std::int64_t second = 0;
    for (const auto& seat : seats) {
        if (seat.index != returned.seat) {
            second = std::max(second, seat.totalCommitted);
        }
    }
    if (seats[static_cast<std::size_t>(returned.seat)].totalCommitted != top || second == top ||
        returned.amount > top - second) {
        return "a bet returned beyond what nobody called at seat " + std::to_string(returned.seat);
    }
    return std::nullopt;
}

// Why an award is one the engine could not have made, if it is: each pot is awarded once, in full,
// and only to seats still in the hand that can win it.
std::optional<std::string> findShareProblem(const std::vector<Seat>& seats, const std::vector<Pot>& pots,
                                            std::vector<bool>& awarded, const HandEvent::PotAwarded& award) {
    if (award.potIndex < 0 || award.potIndex >= static_cast<std::int64_t>(pots.size()) ||
        awarded[static_cast<std::size_t>(award.potIndex)]) {
        return "an award for a pot the hand did not make";
    }
    awarded[static_cast<std::size_t>(award.potIndex)] = true;
    const auto& pot = pots[static_cast<std::size_t>(award.potIndex)];
    if (award.amount != pot.amount) {
        return "an award that is not its pot";
    }
    std::int64_t shared = 0;
    std::set<std::int64_t> winners;
    for (const auto& share : award.shares) {
        const auto& seat = seats[static_cast<std::size_t>(share.seat)];
        if (!seat.isInHand() || !pot.eligible.contains(*seat.player) || !winners.insert(share.seat).second) {
            return "a share of a pot for a seat that cannot win it at seat " + std::to_string(share.seat);
        }
        shared += share.amount;
    }
    if (shared != award.amount) {
        return "an award's shares do not make its pot";
    }
    return std::nullopt;
}

// Returned bets and awards move only chips the log says were bet: replays the hand's commitments
// and folds, holds each return against the bet it returns and, once the hand is settled, each award
// against the pot those commitments make. An edited award or return would otherwise be booked as
// chips won from nowhere. Runs after the log's chips are known to add up within range.
std::optional<std::string> findAwardProblem(const GameState& state) {
    if (state.street() == Street::waitingToStart) {
        return std::nullopt;
    }
    std::vector<Seat> seats(state.seats().size());
    for (std::size_t index = 0; index < seats.size(); ++index) {
        seats[index] =
            Seat(static_cast<std::int64_t>(index), state.seats()[index].player, 0, SeatStatus::sittingOut);
    }
    for (const auto& entry : state.log().front().as<HandEvent::HandStarted>()->stacks) {
        auto& seat = seats[static_cast<std::size_t>(entry.seat)];
        if (!seat.player) {
            return "the hand's start deals in an empty seat";
        }
        seat.status = SeatStatus::active;
    }
    const auto seatOf = [&seats](std::int64_t index) -> Seat& {
        return seats[static_cast<std::size_t>(index)];
    };
    std::optional<std::vector<Pot>> pots;
    std::vector<bool> awarded;
    for (const auto& event : state.log()) {
        std::optional<std::string> problem;
        std::visit(Overloaded{
                       [&](const HandEvent::AntePosted& e) { seatOf(e.seat).totalCommitted += e.amount; },
                       [&](const HandEvent::BlindPosted& e) { seatOf(e.seat).totalCommitted += e.amount; },
                       [&](const HandEvent::Acted& e) {
                           seatOf(e.seat).totalCommitted += e.amount;
                           if (e.kind == ActionKind::fold) {
                               seatOf(e.seat).status = SeatStatus::folded;
                           }
                       },
                       [&](const HandEvent::UncalledBetReturned& e) {
                           problem = findReturnProblem(seats, e);
                           seatOf(e.seat).totalCommitted -= e.amount;
                       },
                       [&](const HandEvent::PotAwarded& e) {
                           if (isBetting(state.street())) {
                               problem = "an award while the hand is still bet";
                               return;
                           }
                           if (!pots) {
                               pots = potsFromCommitments(seats);
                               awarded.assign(pots->size(), false);
                           }
                           problem = findShareProblem(seats, *pots, awarded, e);
                       },
                       [](const auto&) {},
                   },
                   event.payload());
        if (problem) {
            return problem;
        }
    }
    if (!pots && state.street() == Street::handComplete && !potsFromCommitments(seats).empty()) {
        return "a settled hand without its awards";
    }
    if (std::find(awarded.begin(), awarded.end(), false) != awarded.end()) {
        return "a settled hand left a pot unawarded";
    }
    return std::nullopt;
}

bool chipTotalFits(const GameState& state) {
    std::int64_t total = 0;
    for (const auto& seat : state.seats()) {
        // Each term is at most maxTableChips, so the sum cannot overflow before it is compared.
        total += seat.stack + seat.totalCommitted;
        if (total > maxTableChips) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> findInconsistency(const GameState& state) {
    if (auto problem = findTableProblem(state)) {
        return problem;
    }
    if (auto problem = findSeatProblem(state)) {
        return problem;
    }
    if (auto problem = findCardProblem(state)) {
        return problem;
    }
    if (!chipTotalFits(state)) {
        return "chip total out of range";
    }
    if (auto problem = findLogProblem(state)) {
        return problem;
    }
    if (auto problem = findChipFlowProblem(state)) {
        return problem;
    }
    return findAwardProblem(state);
}

} // namespace PokerEngine
