#pragma once

#include "PokerEngine/BlindSchedule.h"
#include "PokerEngine/Card.h"
#include "PokerEngine/HandEvent.h"
#include "PokerEngine/LegalActions.h"
#include "PokerEngine/PlayerID.h"
#include "PokerEngine/Pot.h"
#include "PokerEngine/SeatStatus.h"
#include "PokerEngine/Street.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <optional>
#include <vector>

namespace PokerEngine {

// One seat as a given player sees it.
struct SeatView {
    std::int64_t index = 0;
    std::optional<PlayerID> player;
    std::int64_t stack = 0;
    std::int64_t streetBet = 0;
    std::int64_t totalCommitted = 0;
    SeatStatus status = SeatStatus::empty;
    // Present on the viewer's own seat and on seats that showed their hand; absent when hidden.
    std::optional<std::vector<Card>> holeCards;
    // The seat holds cards in the hand, whether or not this viewer may see them.
    bool hasCards = false;

    bool operator==(const SeatView&) const = default;
};

// What one player is allowed to know about a table; the only thing bots and screens read. The
// deck and the generator never reach it.
struct PlayerView {
    PlayerID viewer;
    std::optional<std::int64_t> seatIndex;
    std::vector<Card> holeCards;
    std::vector<SeatView> seats;
    std::vector<Card> board;
    std::vector<Pot> pots;
    Street street = Street::waitingToStart;
    std::int64_t buttonIndex = 0;
    std::optional<std::int64_t> actingIndex;
    std::int64_t currentBet = 0;
    std::int64_t lastFullRaiseSize = 0;
    BlindLevel blinds;
    std::int64_t handNumber = 0;
    // Present only when the viewer is the seat to act.
    std::optional<LegalActions> legalActions;
    // Others' dealt cards hidden; shown hands appear through their handRevealed events.
    std::vector<HandEvent> log;

    bool isMyTurn() const { return legalActions.has_value(); }
    // Every chip in the middle: the pots plus the current street's bets.
    std::int64_t totalPot() const;

    bool operator==(const PlayerView&) const = default;
};

void to_json(nlohmann::json& json, const SeatView& seat);
void from_json(const nlohmann::json& json, SeatView& seat);
void to_json(nlohmann::json& json, const PlayerView& view);
void from_json(const nlohmann::json& json, PlayerView& view);

} // namespace PokerEngine

// Consistent with equality: equal values have the same canonical JSON text.
template <> struct std::hash<PokerEngine::PlayerView> {
    std::size_t operator()(const PokerEngine::PlayerView& value) const;
};
