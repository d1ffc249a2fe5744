#pragma once

#include "PokerEngine/HandEvent.h"
#include "PokerEngine/PlayerView.h"

#include <initializer_list>
#include <utility>
#include <vector>

// Short builders for the hand events and views the table tests feed in.
namespace HandEvents {

using PokerEngine::ActionKind;
using PokerEngine::HandEvent;
using PokerEngine::Street;

inline HandEvent started(std::int64_t hand = 1) {
    return HandEvent::HandStarted{hand, 0, PokerEngine::BlindLevel{10, 20, 0}, {}};
}
inline HandEvent ante(std::int64_t seat, std::int64_t amount = 5) {
    return HandEvent::AntePosted{seat, amount};
}
inline HandEvent smallBlind(std::int64_t seat, std::int64_t amount = 10) {
    return HandEvent::BlindPosted{seat, amount, PokerEngine::BlindKind::small};
}
inline HandEvent bigBlind(std::int64_t seat, std::int64_t amount = 20) {
    return HandEvent::BlindPosted{seat, amount, PokerEngine::BlindKind::big};
}
inline HandEvent hole(std::int64_t seat) {
    return HandEvent::HoleCardsDealt{seat, std::nullopt};
}
inline HandEvent board(Street street) {
    const auto card = *PokerEngine::Card::fromCode("2c");
    return HandEvent::BoardDealt{street,
                                 std::vector<PokerEngine::Card>(street == Street::flop ? 3 : 1, card)};
}
inline HandEvent acted(std::int64_t seat, ActionKind kind, std::int64_t amount = 0,
                       std::int64_t streetBet = 0) {
    return HandEvent::Acted{seat, kind, amount, streetBet, false};
}
inline HandEvent returned(std::int64_t seat, std::int64_t amount) {
    return HandEvent::UncalledBetReturned{seat, amount};
}
inline HandEvent revealed(std::int64_t seat) {
    return HandEvent::HandRevealed{seat, {}, PokerEngine::HandValue{}};
}
inline HandEvent awarded(std::int64_t pot,
                         std::initializer_list<std::pair<std::int64_t, std::int64_t>> shares) {
    HandEvent::PotAwarded award{pot, 0, {}, std::nullopt};
    for (auto [seat, amount] : shares) {
        award.shares.push_back(PokerEngine::SeatAmount{seat, amount});
        award.amount += amount;
    }
    return award;
}
inline HandEvent eliminated(std::int64_t seat) {
    return HandEvent::PlayerEliminated{seat, PokerEngine::PlayerID{}};
}

// A view of `seatCount` active seats with the viewer at `heroSeat`.
inline PokerEngine::PlayerView view(int seatCount = 2, std::optional<std::int64_t> heroSeat = 0) {
    PokerEngine::PlayerView view;
    view.seatIndex = heroSeat;
    view.handNumber = 1;
    view.street = Street::preflop;
    for (int i = 0; i < seatCount; ++i) {
        PokerEngine::SeatView seat;
        seat.index = i;
        seat.stack = 1000;
        seat.status = PokerEngine::SeatStatus::active;
        view.seats.push_back(seat);
    }
    return view;
}

} // namespace HandEvents
