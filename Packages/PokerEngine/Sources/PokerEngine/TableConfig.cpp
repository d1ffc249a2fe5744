#include "PokerEngine/TableConfig.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace PokerEngine {

void to_json(nlohmann::json& json, const TableConfig& config) {
    json = nlohmann::json{
        {"seatCount", config.seatCount}, {"blinds", config.blinds}, {"startingStack", config.startingStack}};
}

TableConfig tableConfigFromJson(const nlohmann::json& json) {
    const auto seatCount = readInt(json, "seatCount");
    auto blinds = jsonField(json, "blinds").get<BlindSchedule>();
    return TableConfig{seatCount, std::move(blinds), readInt(json, "startingStack")};
}

} // namespace PokerEngine
