#include "PokerEngine/Seat.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <utility>

namespace PokerEngine {

Seat::Seat(std::int64_t index, std::optional<PlayerID> player, std::int64_t stack, SeatStatus status)
    : index(index)
    , player(std::move(player))
    , stack(stack)
    , status(status) {}

void to_json(nlohmann::json& json, const Seat& seat) {
    json = nlohmann::json{{"index", seat.index},
                          {"stack", seat.stack},
                          {"holeCards", seat.holeCards},
                          {"streetBet", seat.streetBet},
                          {"totalCommitted", seat.totalCommitted},
                          {"status", seat.status},
                          {"hasActedThisRound", seat.hasActedThisRound},
                          {"betWhenLastActed", seat.betWhenLastActed}};
    if (seat.player) {
        json["player"] = *seat.player;
    }
}

void from_json(const nlohmann::json& json, Seat& seat) {
    Seat result;
    result.index = readInt(json, "index");
    if (const auto* player = jsonOptionalField(json, "player")) {
        result.player = player->get<PlayerID>();
    }
    result.stack = readInt(json, "stack");
    result.holeCards = expectArray(jsonField(json, "holeCards")).get<std::vector<Card>>();
    result.streetBet = readInt(json, "streetBet");
    result.totalCommitted = readInt(json, "totalCommitted");
    result.status = jsonField(json, "status").get<SeatStatus>();
    result.hasActedThisRound = readBool(json, "hasActedThisRound");
    result.betWhenLastActed = readInt(json, "betWhenLastActed");
    seat = std::move(result);
}

} // namespace PokerEngine
