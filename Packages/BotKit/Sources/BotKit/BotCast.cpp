#include "BotKit/BotCast.h"

#include "PokerEngine/Hashing.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

namespace BotKit {

namespace BotCast {

const std::vector<BotCharacter>& all() {
    static const std::vector<BotCharacter> cast{
        {"biscuit", "Biscuit", BotTier::easy},     {"goldie", "Goldie", BotTier::easy},
        {"pancake", "Pancake", BotTier::easy},     {"aunt-clucky", "Clucky", BotTier::easy},
        {"shelldon", "Shelldon", BotTier::medium}, {"rascal", "Rascal", BotTier::medium},
        {"duchess", "Duchess", BotTier::medium},   {"professor-hoot", "Dr. Hoot", BotTier::medium},
        {"finn", "Finn", BotTier::hard},           {"vivian", "Vivian", BotTier::hard},
        {"inky", "Inky", BotTier::hard},           {"big-lou", "Big Lou", BotTier::hard},
    };
    return cast;
}

std::vector<BotCharacter> characters(BotTier tier) {
    std::vector<BotCharacter> result;
    for (const auto& character : all()) {
        if (character.tier == tier) {
            result.push_back(character);
        }
    }
    return result;
}

std::optional<BotCharacter> character(std::string_view slug) {
    for (const auto& character : all()) {
        if (character.slug == slug) {
            return character;
        }
    }
    return std::nullopt;
}

} // namespace BotCast

void to_json(nlohmann::json& json, const BotCharacter& character) {
    json = nlohmann::json{{"slug", character.slug}, {"name", character.name}, {"tier", character.tier}};
}

void from_json(const nlohmann::json& json, BotCharacter& character) {
    BotCharacter result;
    result.slug = PokerEngine::readString(PokerEngine::jsonField(json, "slug"));
    result.name = PokerEngine::readString(PokerEngine::jsonField(json, "name"));
    from_json(PokerEngine::jsonField(json, "tier"), result.tier);
    character = std::move(result);
}

} // namespace BotKit

std::size_t
std::hash<BotKit::BotCharacter>::operator()(const BotKit::BotCharacter& character) const noexcept {
    std::size_t seed = 0;
    PokerEngine::hashCombine(seed, character.slug);
    PokerEngine::hashCombine(seed, character.name);
    PokerEngine::hashCombine(seed, character.tier);
    return seed;
}
