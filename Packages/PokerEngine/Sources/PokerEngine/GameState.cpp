#include "PokerEngine/GameState.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/GameStateCheck.h"
#include "PokerEngine/JsonRead.h"
#include "PokerEngine/Precondition.h"

#include <nlohmann/json.hpp>

#include <utility>

namespace PokerEngine {

GameState::GameState(TableConfig config, SeededRNG rng)
    : config_(std::move(config))
    , rng_(rng) {}

const Seat& GameState::seat(std::int64_t index) const {
    CW_PRECONDITION(index >= 0 && index < static_cast<std::int64_t>(seats_.size()));
    return seats_[static_cast<std::size_t>(index)];
}

std::optional<std::int64_t> GameState::seatIndex(const PlayerID& player) const {
    for (const auto& seat : seats_) {
        if (seat.player == player) {
            return seat.index;
        }
    }
    return std::nullopt;
}

std::int64_t GameState::totalChips() const {
    std::int64_t total = 0;
    for (const auto& seat : seats_) {
        total = checkedAdd(total, checkedAdd(seat.stack, seat.totalCommitted));
    }
    return total;
}

void to_json(nlohmann::json& json, const GameState& state) {
    json = nlohmann::json{{"schemaVersion", state.schemaVersion()},
                          {"config", state.config()},
                          {"seats", state.seats()},
                          {"buttonIndex", state.buttonIndex()},
                          {"street", state.street()},
                          {"board", state.board()},
                          {"pots", state.pots()},
                          {"currentBet", state.currentBet()},
                          {"lastFullRaiseSize", state.lastFullRaiseSize()},
                          {"handNumber", state.handNumber()},
                          {"blinds", state.blinds()},
                          {"eliminated", state.eliminated()},
                          {"deck", state.deck()},
                          {"rng", state.rng()},
                          {"log", state.log()}};
    if (state.actingIndex()) {
        json["actingIndex"] = *state.actingIndex();
    }
    if (state.lastAggressorIndex()) {
        json["lastAggressorIndex"] = *state.lastAggressorIndex();
    }
}

GameState gameStateFromJson(const nlohmann::json& json) {
    GameState state(jsonField(json, "config").get<TableConfig>(), jsonField(json, "rng").get<SeededRNG>());
    state.schemaVersion_ = readInt(json, "schemaVersion");
    state.seats_ = expectArray(jsonField(json, "seats")).get<std::vector<Seat>>();
    state.buttonIndex_ = readInt(json, "buttonIndex");
    state.street_ = jsonField(json, "street").get<Street>();
    state.board_ = expectArray(jsonField(json, "board")).get<std::vector<Card>>();
    state.pots_ = expectArray(jsonField(json, "pots")).get<std::vector<Pot>>();
    state.currentBet_ = readInt(json, "currentBet");
    state.lastFullRaiseSize_ = readInt(json, "lastFullRaiseSize");
    if (const auto* acting = jsonOptionalField(json, "actingIndex")) {
        state.actingIndex_ = readInt(*acting);
    }
    state.handNumber_ = readInt(json, "handNumber");
    state.blinds_ = jsonField(json, "blinds").get<BlindLevel>();
    if (const auto* aggressor = jsonOptionalField(json, "lastAggressorIndex")) {
        state.lastAggressorIndex_ = readInt(*aggressor);
    }
    state.eliminated_ = expectArray(jsonField(json, "eliminated")).get<std::vector<PlayerID>>();
    state.deck_ = jsonField(json, "deck").get<Deck>();
    state.log_ = expectArray(jsonField(json, "log")).get<std::vector<HandEvent>>();
    if (const auto problem = findInconsistency(state)) {
        throw DecodingError::dataCorrupted("Inconsistent game state: " + *problem);
    }
    return state;
}

} // namespace PokerEngine

std::size_t std::hash<PokerEngine::GameState>::operator()(const PokerEngine::GameState& value) const {
    return std::hash<std::string>{}(nlohmann::json(value).dump());
}
