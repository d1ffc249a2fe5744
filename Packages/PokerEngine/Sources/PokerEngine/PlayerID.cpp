#include "PokerEngine/PlayerID.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace PokerEngine {

void to_json(nlohmann::json& json, const PlayerID& player) {
    json = nlohmann::json{{"raw", player.raw.toString()}};
}

void from_json(const nlohmann::json& json, PlayerID& player) {
    const auto text = readString(jsonField(json, "raw"));
    const auto uuid = Uuid::fromString(text);
    if (!uuid) {
        throw DecodingError::dataCorrupted("Attempted to decode UUID from invalid UUID string.");
    }
    player = PlayerID{*uuid};
}

} // namespace PokerEngine
