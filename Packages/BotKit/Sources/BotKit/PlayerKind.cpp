#include "BotKit/PlayerKind.h"

#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace BotKit {

const BotProfile* PlayerKind::botProfile() const {
    const auto* bot = std::get_if<Bot>(&value_);
    return bot ? &bot->profile : nullptr;
}

void to_json(nlohmann::json& json, const PlayerKind& kind) {
    if (const BotProfile* profile = kind.botProfile()) {
        json = nlohmann::json{{"bot", nlohmann::json{{"_0", *profile}}}};
    } else {
        json = nlohmann::json{{"human", nlohmann::json::object()}};
    }
}

PlayerKind playerKindFromJson(const nlohmann::json& json) {
    if (PokerEngine::singleCaseIndex(json, {"human", "bot"}) == 0) {
        PokerEngine::expectObject(json.at("human"));
        return PlayerKind::human();
    }
    return PlayerKind::bot(
        PokerEngine::jsonField(PokerEngine::expectObject(json.at("bot")), "_0").get<BotProfile>());
}

} // namespace BotKit
