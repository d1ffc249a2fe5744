#include "BotKit/BotProfile.h"

#include "BotKit/BotCast.h"
#include "PokerEngine/Hashing.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace BotKit {

namespace {

struct StyleNumbers {
    double aggression;
    double bluffFrequency;
};

StyleNumbers standardNumbers(BotTier tier) {
    switch (tier) {
    case BotTier::easy:
        return {0.2, 0.02};
    case BotTier::medium:
        return {0.6, 0.1};
    case BotTier::hard:
        return {0.6, 0.2};
    }
    return {0.2, 0.02};
}

} // namespace

BotProfile BotProfile::standard(BotTier tier, std::optional<std::string> name,
                                std::optional<std::string> avatar) {
    const BotCharacter first = BotCast::characters(tier).front();
    const StyleNumbers numbers = standardNumbers(tier);
    return BotProfile{name.value_or(first.name), avatar.value_or(first.slug), tier, 0.5,
                      numbers.aggression,        numbers.bluffFrequency};
}

bool BotProfile::hasStyleInRange() const {
    const auto inRange = [](double number) { return number >= 0.0 && number <= 1.0; };
    return inRange(looseness) && inRange(aggression) && inRange(bluffFrequency);
}

BotProfile BotProfile::standard(const BotCharacter& character) {
    return standard(character.tier, character.name, character.slug);
}

void to_json(nlohmann::json& json, const BotProfile& profile) {
    json = nlohmann::json{{"name", profile.name},
                          {"avatar", profile.avatar},
                          {"tier", profile.tier},
                          {"looseness", profile.looseness},
                          {"aggression", profile.aggression},
                          {"bluffFrequency", profile.bluffFrequency}};
}

void from_json(const nlohmann::json& json, BotProfile& profile) {
    BotProfile result;
    result.name = PokerEngine::readString(PokerEngine::jsonField(json, "name"));
    result.avatar = PokerEngine::readString(PokerEngine::jsonField(json, "avatar"));
    from_json(PokerEngine::jsonField(json, "tier"), result.tier);
    result.looseness = PokerEngine::readDouble(PokerEngine::jsonField(json, "looseness"));
    result.aggression = PokerEngine::readDouble(PokerEngine::jsonField(json, "aggression"));
    result.bluffFrequency = PokerEngine::readDouble(PokerEngine::jsonField(json, "bluffFrequency"));
    profile = std::move(result);
}

} // namespace BotKit

std::size_t std::hash<BotKit::BotProfile>::operator()(const BotKit::BotProfile& profile) const noexcept {
    std::size_t seed = 0;
    PokerEngine::hashCombine(seed, profile.name);
    PokerEngine::hashCombine(seed, profile.avatar);
    PokerEngine::hashCombine(seed, profile.tier);
    PokerEngine::hashCombine(seed, profile.looseness);
    PokerEngine::hashCombine(seed, profile.aggression);
    PokerEngine::hashCombine(seed, profile.bluffFrequency);
    return seed;
}
