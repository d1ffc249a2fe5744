#include "PokerEngine/Pot.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace PokerEngine {

void to_json(nlohmann::json& json, const Pot& pot) {
    auto eligible = nlohmann::json::array();
    for (const auto& player : pot.eligible) {
        eligible.push_back(player);
    }
    json = nlohmann::json{{"amount", pot.amount}, {"eligible", std::move(eligible)}};
}

void from_json(const nlohmann::json& json, Pot& pot) {
    Pot result;
    result.amount = readInt(json, "amount");
    for (const auto& player : expectArray(jsonField(json, "eligible"))) {
        result.eligible.insert(player.get<PlayerID>());
    }
    pot = std::move(result);
}

} // namespace PokerEngine
