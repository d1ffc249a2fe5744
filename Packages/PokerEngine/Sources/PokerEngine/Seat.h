#pragma once

#include "PokerEngine/Card.h"
#include "PokerEngine/PlayerID.h"
#include "PokerEngine/SeatStatus.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <optional>
#include <vector>

namespace PokerEngine {

// One seat of a table. Only the engine's operations change a seat once it is made.
struct Seat {
    std::int64_t index = 0;
    std::optional<PlayerID> player;
    std::int64_t stack = 0;
    std::vector<Card> holeCards;
    // Chips put in on the current street; blinds count, antes do not.
    std::int64_t streetBet = 0;
    // Chips put in during the current hand, antes and every street included.
    std::int64_t totalCommitted = 0;
    SeatStatus status = SeatStatus::empty;
    bool hasActedThisRound = false;
    // The table's current bet just after this seat's last action on the street; decides
    // whether a later short all-in reopens raising for it.
    std::int64_t betWhenLastActed = 0;

    Seat() = default;
    Seat(std::int64_t index, std::optional<PlayerID> player, std::int64_t stack, SeatStatus status);

    // Active or all-in: the seat can still win chips in this hand.
    bool isInHand() const { return status == SeatStatus::active || status == SeatStatus::allIn; }

    bool operator==(const Seat&) const = default;
};

void to_json(nlohmann::json& json, const Seat& seat);
void from_json(const nlohmann::json& json, Seat& seat);

} // namespace PokerEngine
