#include "PokerEngine/PlayerView.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/Engine.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <set>

namespace PokerEngine {

std::int64_t PlayerView::totalPot() const {
    std::int64_t total = 0;
    for (const auto& pot : pots) {
        total = checkedAdd(total, pot.amount);
    }
    for (const auto& seat : seats) {
        total = checkedAdd(total, seat.streetBet);
    }
    return total;
}

PlayerView view(const GameState& state, const PlayerID& viewer) {
    const auto ownSeat = state.seatIndex(viewer);
    std::set<std::int64_t> revealed;
    for (const auto& event : state.log()) {
        if (const auto* shown = event.as<HandEvent::HandRevealed>()) {
            revealed.insert(shown->seat);
        }
    }

    PlayerView result;
    result.viewer = viewer;
    result.seatIndex = ownSeat;
    if (ownSeat) {
        result.holeCards = state.seat(*ownSeat).holeCards;
    }
    for (const auto& seat : state.seats()) {
        SeatView seatView;
        seatView.index = seat.index;
        seatView.player = seat.player;
        seatView.stack = seat.stack;
        seatView.streetBet = seat.streetBet;
        seatView.totalCommitted = seat.totalCommitted;
        seatView.status = seat.status;
        if (seat.index == ownSeat || revealed.contains(seat.index)) {
            seatView.holeCards = seat.holeCards;
        }
        seatView.hasCards = !seat.holeCards.empty() && seat.isInHand();
        result.seats.push_back(std::move(seatView));
    }
    result.board = state.board();
    result.pots = state.pots();
    result.street = state.street();
    result.buttonIndex = state.buttonIndex();
    result.actingIndex = state.actingIndex();
    result.currentBet = state.currentBet();
    result.lastFullRaiseSize = state.lastFullRaiseSize();
    result.blinds = state.blinds();
    result.handNumber = state.handNumber();
    if (ownSeat && state.actingIndex() == ownSeat) {
        result.legalActions = legalActions(state);
    }
    // A seat's cards become public only through its handRevealed event, never in the deal.
    for (const auto& event : state.log()) {
        const auto* dealt = event.as<HandEvent::HoleCardsDealt>();
        if (dealt && dealt->seat != ownSeat) {
            result.log.push_back(HandEvent::HoleCardsDealt{dealt->seat, std::nullopt});
        } else {
            result.log.push_back(event);
        }
    }
    return result;
}

void to_json(nlohmann::json& json, const SeatView& seat) {
    json = nlohmann::json{{"index", seat.index},         {"stack", seat.stack},
                          {"streetBet", seat.streetBet}, {"totalCommitted", seat.totalCommitted},
                          {"status", seat.status},       {"hasCards", seat.hasCards}};
    if (seat.player) {
        json["player"] = *seat.player;
    }
    if (seat.holeCards) {
        json["holeCards"] = *seat.holeCards;
    }
}

void from_json(const nlohmann::json& json, SeatView& seat) {
    SeatView result;
    result.index = readInt(json, "index");
    if (const auto* player = jsonOptionalField(json, "player")) {
        result.player = player->get<PlayerID>();
    }
    result.stack = readInt(json, "stack");
    result.streetBet = readInt(json, "streetBet");
    result.totalCommitted = readInt(json, "totalCommitted");
    result.status = jsonField(json, "status").get<SeatStatus>();
    if (const auto* cards = jsonOptionalField(json, "holeCards")) {
        result.holeCards = expectArray(*cards).get<std::vector<Card>>();
    }
    result.hasCards = readBool(json, "hasCards");
    seat = std::move(result);
}

void to_json(nlohmann::json& json, const PlayerView& view) {
    json = nlohmann::json{{"viewer", view.viewer},
                          {"holeCards", view.holeCards},
                          {"seats", view.seats},
                          {"board", view.board},
                          {"pots", view.pots},
                          {"street", view.street},
                          {"buttonIndex", view.buttonIndex},
                          {"currentBet", view.currentBet},
                          {"lastFullRaiseSize", view.lastFullRaiseSize},
                          {"blinds", view.blinds},
                          {"handNumber", view.handNumber},
                          {"log", view.log}};
    if (view.seatIndex) {
        json["seatIndex"] = *view.seatIndex;
    }
    if (view.actingIndex) {
        json["actingIndex"] = *view.actingIndex;
    }
    if (view.legalActions) {
        json["legalActions"] = *view.legalActions;
    }
}

void from_json(const nlohmann::json& json, PlayerView& view) {
    PlayerView result;
    result.viewer = jsonField(json, "viewer").get<PlayerID>();
    if (const auto* index = jsonOptionalField(json, "seatIndex")) {
        result.seatIndex = readInt(*index);
    }
    result.holeCards = expectArray(jsonField(json, "holeCards")).get<std::vector<Card>>();
    result.seats = expectArray(jsonField(json, "seats")).get<std::vector<SeatView>>();
    result.board = expectArray(jsonField(json, "board")).get<std::vector<Card>>();
    result.pots = expectArray(jsonField(json, "pots")).get<std::vector<Pot>>();
    result.street = jsonField(json, "street").get<Street>();
    result.buttonIndex = readInt(json, "buttonIndex");
    if (const auto* index = jsonOptionalField(json, "actingIndex")) {
        result.actingIndex = readInt(*index);
    }
    result.currentBet = readInt(json, "currentBet");
    result.lastFullRaiseSize = readInt(json, "lastFullRaiseSize");
    result.blinds = jsonField(json, "blinds").get<BlindLevel>();
    result.handNumber = readInt(json, "handNumber");
    if (const auto* legal = jsonOptionalField(json, "legalActions")) {
        result.legalActions = legal->get<LegalActions>();
    }
    result.log = expectArray(jsonField(json, "log")).get<std::vector<HandEvent>>();
    view = std::move(result);
}

} // namespace PokerEngine

std::size_t std::hash<PokerEngine::PlayerView>::operator()(const PokerEngine::PlayerView& value) const {
    return std::hash<std::string>{}(nlohmann::json(value).dump());
}
