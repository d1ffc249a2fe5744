#include "PokerEngine/LegalActions.h"

#include "PokerEngine/Hashing.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace PokerEngine {

const LegalActions& LegalActions::none() {
    static const LegalActions nothing{};
    return nothing;
}

Action LegalActions::aggressiveAction(std::int64_t to) const {
    if (opensBetting) {
        return Action::bet(to);
    }
    return Action::raise(to);
}

void to_json(nlohmann::json& json, const LegalActions& legal) {
    json = nlohmann::json{{"canFold", legal.canFold},
                          {"canCheck", legal.canCheck},
                          {"maxRaiseTo", legal.maxRaiseTo},
                          {"opensBetting", legal.opensBetting},
                          {"canAllIn", legal.canAllIn}};
    if (legal.callAmount) {
        json["callAmount"] = *legal.callAmount;
    }
    if (legal.minRaiseTo) {
        json["minRaiseTo"] = *legal.minRaiseTo;
    }
}

void from_json(const nlohmann::json& json, LegalActions& legal) {
    LegalActions result;
    result.canFold = readBool(json, "canFold");
    result.canCheck = readBool(json, "canCheck");
    if (const auto* amount = jsonOptionalField(json, "callAmount")) {
        result.callAmount = readInt(*amount);
    }
    if (const auto* amount = jsonOptionalField(json, "minRaiseTo")) {
        result.minRaiseTo = readInt(*amount);
    }
    result.maxRaiseTo = readInt(json, "maxRaiseTo");
    result.opensBetting = readBool(json, "opensBetting");
    result.canAllIn = readBool(json, "canAllIn");
    legal = result;
}

} // namespace PokerEngine

std::size_t
std::hash<PokerEngine::LegalActions>::operator()(const PokerEngine::LegalActions& legal) const noexcept {
    std::size_t seed = 0;
    PokerEngine::hashCombine(seed, legal.canFold);
    PokerEngine::hashCombine(seed, legal.canCheck);
    PokerEngine::hashCombine(seed, legal.callAmount);
    PokerEngine::hashCombine(seed, legal.minRaiseTo);
    PokerEngine::hashCombine(seed, legal.maxRaiseTo);
    PokerEngine::hashCombine(seed, legal.opensBetting);
    PokerEngine::hashCombine(seed, legal.canAllIn);
    return seed;
}
