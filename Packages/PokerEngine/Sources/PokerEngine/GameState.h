#pragma once

#include "PokerEngine/BlindSchedule.h"
#include "PokerEngine/Card.h"
#include "PokerEngine/Deck.h"
#include "PokerEngine/HandEvent.h"
#include "PokerEngine/PlayerID.h"
#include "PokerEngine/Pot.h"
#include "PokerEngine/Seat.h"
#include "PokerEngine/SeededRNG.h"
#include "PokerEngine/Street.h"
#include "PokerEngine/TableConfig.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <optional>
#include <vector>

namespace PokerEngine {

class HandFlow;

// The whole of one table at one moment, deck and generator included, so a state written out
// mid-hand and read back continues card for card. Made only by the engine (newTable and its
// other operations) or read from JSON; read-only to everyone else.
class GameState {
  public:
    std::int64_t schemaVersion() const { return schemaVersion_; }
    const TableConfig& config() const { return config_; }
    // Exactly config().seatCount seats; seat i has index i.
    const std::vector<Seat>& seats() const { return seats_; }
    const Seat& seat(std::int64_t index) const;
    std::int64_t buttonIndex() const { return buttonIndex_; }
    Street street() const { return street_; }
    const std::vector<Card>& board() const { return board_; }
    // Main pot first; the chips of finished streets only.
    const std::vector<Pot>& pots() const { return pots_; }
    // The street total a seat must reach to call.
    std::int64_t currentBet() const { return currentBet_; }
    // The least a raise must add over currentBet().
    std::int64_t lastFullRaiseSize() const { return lastFullRaiseSize_; }
    // Present exactly while a betting street waits for an action.
    std::optional<std::int64_t> actingIndex() const { return actingIndex_; }
    std::int64_t handNumber() const { return handNumber_; }
    const BlindLevel& blinds() const { return blinds_; }
    std::optional<std::int64_t> lastAggressorIndex() const { return lastAggressorIndex_; }
    // Players who lost their last chip here, first knocked out first.
    const std::vector<PlayerID>& eliminated() const { return eliminated_; }
    const Deck& deck() const { return deck_; }
    const SeededRNG& rng() const { return rng_; }
    // The events of the current hand (of the last one, between hands), oldest first.
    const std::vector<HandEvent>& log() const { return log_; }

    // The first seat holding the player, also after it busted.
    std::optional<std::int64_t> seatIndex(const PlayerID& player) const;
    // Stacks plus commitments of every seat: constant through play.
    std::int64_t totalChips() const;

    bool operator==(const GameState&) const = default;

  private:
    friend class HandFlow;
    friend GameState gameStateFromJson(const nlohmann::json& json);

    GameState(TableConfig config, SeededRNG rng);

    std::int64_t schemaVersion_ = 1;
    TableConfig config_;
    std::vector<Seat> seats_;
    std::int64_t buttonIndex_ = 0;
    Street street_ = Street::waitingToStart;
    std::vector<Card> board_;
    std::vector<Pot> pots_;
    std::int64_t currentBet_ = 0;
    std::int64_t lastFullRaiseSize_ = 0;
    std::optional<std::int64_t> actingIndex_;
    std::int64_t handNumber_ = 0;
    BlindLevel blinds_;
    std::optional<std::int64_t> lastAggressorIndex_;
    std::vector<PlayerID> eliminated_;
    Deck deck_;
    SeededRNG rng_;
    std::vector<HandEvent> log_;
};

void to_json(nlohmann::json& json, const GameState& state);
// Besides the JSON shape, reading checks that the state is one the engine could have made
// (see findInconsistency), so a damaged saved game is refused here rather than stopping the
// program in the middle of play.
GameState gameStateFromJson(const nlohmann::json& json);

} // namespace PokerEngine

template <> struct nlohmann::adl_serializer<PokerEngine::GameState> {
    static void to_json(nlohmann::json& json, const PokerEngine::GameState& state) {
        PokerEngine::to_json(json, state);
    }
    static PokerEngine::GameState from_json(const nlohmann::json& json) {
        return PokerEngine::gameStateFromJson(json);
    }
};

// Consistent with equality: equal values have the same canonical JSON text.
template <> struct std::hash<PokerEngine::GameState> {
    std::size_t operator()(const PokerEngine::GameState& value) const;
};
