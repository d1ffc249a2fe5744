#include "PokerEngine/HandEvent.h"

#include "PokerEngine/JsonRead.h"
#include "PokerEngine/Overloaded.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace PokerEngine {

namespace {

nlohmann::json tagged(std::string_view caseName, nlohmann::json fields) {
    return nlohmann::json{{caseName, std::move(fields)}};
}

std::vector<Card> readCards(const nlohmann::json& value) {
    return expectArray(value).get<std::vector<Card>>();
}

std::vector<SeatAmount> readSeatAmounts(const nlohmann::json& value) {
    return expectArray(value).get<std::vector<SeatAmount>>();
}

} // namespace

void to_json(nlohmann::json& json, const HandEvent& event) {
    json = std::visit(
        Overloaded{
            [](const HandEvent::HandStarted& e) {
                return tagged("handStarted", {{"handNumber", e.handNumber},
                                              {"buttonIndex", e.buttonIndex},
                                              {"blinds", e.blinds},
                                              {"stacks", e.stacks}});
            },
            [](const HandEvent::AntePosted& e) {
                return tagged("antePosted", {{"seat", e.seat}, {"amount", e.amount}});
            },
            [](const HandEvent::BlindPosted& e) {
                return tagged("blindPosted", {{"seat", e.seat}, {"amount", e.amount}, {"blind", e.blind}});
            },
            [](const HandEvent::HoleCardsDealt& e) {
                nlohmann::json fields{{"seat", e.seat}};
                if (e.cards) {
                    fields["cards"] = *e.cards;
                }
                return tagged("holeCardsDealt", std::move(fields));
            },
            [](const HandEvent::BoardDealt& e) {
                return tagged("boardDealt", {{"street", e.street}, {"cards", e.cards}});
            },
            [](const HandEvent::Acted& e) {
                return tagged("acted", {{"seat", e.seat},
                                        {"kind", e.kind},
                                        {"amount", e.amount},
                                        {"streetBet", e.streetBet},
                                        {"isAllIn", e.isAllIn}});
            },
            [](const HandEvent::UncalledBetReturned& e) {
                return tagged("uncalledBetReturned", {{"seat", e.seat}, {"amount", e.amount}});
            },
            [](const HandEvent::HandRevealed& e) {
                return tagged("handRevealed", {{"seat", e.seat}, {"cards", e.cards}, {"value", e.value}});
            },
            [](const HandEvent::PotAwarded& e) {
                nlohmann::json fields{{"potIndex", e.potIndex}, {"amount", e.amount}, {"shares", e.shares}};
                if (e.hand) {
                    fields["hand"] = *e.hand;
                }
                return tagged("potAwarded", std::move(fields));
            },
            [](const HandEvent::PlayerEliminated& e) {
                return tagged("playerEliminated", {{"seat", e.seat}, {"player", e.player}});
            },
        },
        event.payload());
}

HandEvent handEventFromJson(const nlohmann::json& json) {
    const std::initializer_list<std::string_view> caseNames{
        "handStarted", "antePosted",          "blindPosted",  "holeCardsDealt", "boardDealt",
        "acted",       "uncalledBetReturned", "handRevealed", "potAwarded",     "playerEliminated"};
    const auto index = singleCaseIndex(json, caseNames);
    const auto& f = expectObject(json.at(std::string(caseNames.begin()[index])));
    switch (index) {
    case 0:
        return HandEvent::HandStarted{readInt(f, "handNumber"), readInt(f, "buttonIndex"),
                                      jsonField(f, "blinds").get<BlindLevel>(),
                                      readSeatAmounts(jsonField(f, "stacks"))};
    case 1:
        return HandEvent::AntePosted{readInt(f, "seat"), readInt(f, "amount")};
    case 2:
        return HandEvent::BlindPosted{readInt(f, "seat"), readInt(f, "amount"),
                                      jsonField(f, "blind").get<BlindKind>()};
    case 3: {
        HandEvent::HoleCardsDealt event{readInt(f, "seat"), std::nullopt};
        if (const auto* cards = jsonOptionalField(f, "cards")) {
            event.cards = readCards(*cards);
        }
        return event;
    }
    case 4:
        return HandEvent::BoardDealt{jsonField(f, "street").get<Street>(), readCards(jsonField(f, "cards"))};
    case 5:
        return HandEvent::Acted{readInt(f, "seat"), jsonField(f, "kind").get<ActionKind>(),
                                readInt(f, "amount"), readInt(f, "streetBet"), readBool(f, "isAllIn")};
    case 6:
        return HandEvent::UncalledBetReturned{readInt(f, "seat"), readInt(f, "amount")};
    case 7:
        return HandEvent::HandRevealed{readInt(f, "seat"), readCards(jsonField(f, "cards")),
                                       jsonField(f, "value").get<HandValue>()};
    case 8: {
        HandEvent::PotAwarded event{readInt(f, "potIndex"), readInt(f, "amount"),
                                    readSeatAmounts(jsonField(f, "shares")), std::nullopt};
        if (const auto* hand = jsonOptionalField(f, "hand")) {
            event.hand = hand->get<HandValue>();
        }
        return event;
    }
    default:
        return HandEvent::PlayerEliminated{readInt(f, "seat"), jsonField(f, "player").get<PlayerID>()};
    }
}

} // namespace PokerEngine

std::size_t std::hash<PokerEngine::HandEvent>::operator()(const PokerEngine::HandEvent& value) const {
    return std::hash<std::string>{}(nlohmann::json(value).dump());
}
