#pragma once

#include "PokerEngine/ActionKind.h"
#include "PokerEngine/BlindKind.h"
#include "PokerEngine/BlindSchedule.h"
#include "PokerEngine/Card.h"
#include "PokerEngine/HandValue.h"
#include "PokerEngine/PlayerID.h"
#include "PokerEngine/SeatAmount.h"
#include "PokerEngine/Street.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

namespace PokerEngine {

// One thing that happened in a hand. The log of these is the only account of a hand the rest
// of the program reads: views, bots, the action log, sounds and announcements.
class HandEvent {
  public:
    struct HandStarted {
        std::int64_t handNumber = 0;
        std::int64_t buttonIndex = 0;
        BlindLevel blinds;
        // Each seat dealt in, in deal order, with its stack before antes and blinds.
        std::vector<SeatAmount> stacks;
        bool operator==(const HandStarted&) const = default;
    };
    struct AntePosted {
        std::int64_t seat = 0;
        std::int64_t amount = 0;
        bool operator==(const AntePosted&) const = default;
    };
    struct BlindPosted {
        std::int64_t seat = 0;
        // The blind, or less (down to 0) for a shorter stack.
        std::int64_t amount = 0;
        BlindKind blind = BlindKind::small;
        bool operator==(const BlindPosted&) const = default;
    };
    struct HoleCardsDealt {
        std::int64_t seat = 0;
        // Absent in a player's copy of the log for every seat but its own.
        std::optional<std::vector<Card>> cards;
        bool operator==(const HoleCardsDealt&) const = default;
    };
    struct BoardDealt {
        Street street = Street::flop;
        // This street's cards only.
        std::vector<Card> cards;
        bool operator==(const BoardDealt&) const = default;
    };
    struct Acted {
        std::int64_t seat = 0;
        ActionKind kind = ActionKind::fold;
        // Chips added by the action.
        std::int64_t amount = 0;
        // The seat's street total after the action.
        std::int64_t streetBet = 0;
        bool isAllIn = false;
        bool operator==(const Acted&) const = default;
    };
    struct UncalledBetReturned {
        std::int64_t seat = 0;
        std::int64_t amount = 0;
        bool operator==(const UncalledBetReturned&) const = default;
    };
    struct HandRevealed {
        std::int64_t seat = 0;
        // The two hole cards, not the best five.
        std::vector<Card> cards;
        HandValue value;
        bool operator==(const HandRevealed&) const = default;
    };
    struct PotAwarded {
        // 0 is the main pot.
        std::int64_t potIndex = 0;
        std::int64_t amount = 0;
        std::vector<SeatAmount> shares;
        // The winning value; absent when the pot was won without a showdown.
        std::optional<HandValue> hand;
        bool operator==(const PotAwarded&) const = default;
    };
    struct PlayerEliminated {
        std::int64_t seat = 0;
        PlayerID player;
        bool operator==(const PlayerEliminated&) const = default;
    };

    using Payload = std::variant<HandStarted, AntePosted, BlindPosted, HoleCardsDealt, BoardDealt, Acted,
                                 UncalledBetReturned, HandRevealed, PotAwarded, PlayerEliminated>;

    template <class Case>
    requires std::is_constructible_v<Payload, Case> HandEvent(Case payload)
        : payload_(std::move(payload)) {}

    const Payload& payload() const { return payload_; }
    template <class Case> bool is() const { return std::holds_alternative<Case>(payload_); }
    template <class Case> const Case* as() const { return std::get_if<Case>(&payload_); }

    bool operator==(const HandEvent&) const = default;

  private:
    Payload payload_;
};

// {"acted": {"seat": 2, "kind": "raise", ...}}; reading needs exactly one key naming a case.
void to_json(nlohmann::json& json, const HandEvent& event);
HandEvent handEventFromJson(const nlohmann::json& json);

} // namespace PokerEngine

template <> struct nlohmann::adl_serializer<PokerEngine::HandEvent> {
    static void to_json(nlohmann::json& json, const PokerEngine::HandEvent& event) {
        PokerEngine::to_json(json, event);
    }
    static PokerEngine::HandEvent from_json(const nlohmann::json& json) {
        return PokerEngine::handEventFromJson(json);
    }
};

// Consistent with equality: equal values have the same canonical JSON text.
template <> struct std::hash<PokerEngine::HandEvent> {
    std::size_t operator()(const PokerEngine::HandEvent& value) const;
};
