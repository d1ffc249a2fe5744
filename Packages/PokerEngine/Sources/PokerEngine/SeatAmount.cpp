#include "PokerEngine/SeatAmount.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace PokerEngine {

void to_json(nlohmann::json& json, const SeatAmount& value) {
    json = nlohmann::json{{"seat", value.seat}, {"amount", value.amount}};
}

void from_json(const nlohmann::json& json, SeatAmount& value) {
    value = SeatAmount{readInt(json, "seat"), readInt(json, "amount")};
}

} // namespace PokerEngine
