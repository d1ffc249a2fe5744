#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/PlayerView.h"

#include <initializer_list>
#include <vector>

// Cards by code, and views of a hand, for the learning tests.
namespace LearnFixtures {

inline PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

inline std::vector<PokerEngine::Card> cards(std::initializer_list<const char*> codes) {
    std::vector<PokerEngine::Card> result;
    for (const char* code : codes) {
        result.push_back(card(code));
    }
    return result;
}

inline PokerEngine::HandValue valueOf(const std::vector<PokerEngine::Card>& hole,
                                      const std::vector<PokerEngine::Card>& board) {
    std::vector<PokerEngine::Card> all = hole;
    all.insert(all.end(), board.begin(), board.end());
    return PokerEngine::HandEvaluator::evaluate(all);
}

// A hand in which `players` seats were dealt in; the viewer sits at seat 0 holding `hole`.
inline PokerEngine::PlayerView viewHolding(std::vector<PokerEngine::Card> hole,
                                           std::vector<PokerEngine::Card> board, int players = 2) {
    PokerEngine::PlayerView view;
    view.seatIndex = 0;
    view.holeCards = std::move(hole);
    view.board = std::move(board);
    view.street = view.board.empty() ? PokerEngine::Street::preflop : PokerEngine::Street::flop;
    for (int seat = 0; seat < players; ++seat) {
        PokerEngine::SeatView place;
        place.index = seat;
        place.status = PokerEngine::SeatStatus::active;
        place.hasCards = true;
        view.seats.push_back(place);
        view.log.push_back(PokerEngine::HandEvent::HoleCardsDealt{seat, std::nullopt});
    }
    return view;
}

} // namespace LearnFixtures
