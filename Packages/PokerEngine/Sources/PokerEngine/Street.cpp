#include "PokerEngine/Street.h"

#include "PokerEngine/EnumText.h"

namespace PokerEngine {

namespace {
constexpr EnumNames<Street, 7> streetNames{
    "Street", {"waitingToStart", "preflop", "flop", "turn", "river", "showdown", "handComplete"}};
} // namespace

bool isBetting(Street street) {
    return street == Street::preflop || street == Street::flop || street == Street::turn ||
           street == Street::river;
}

std::string_view toString(Street street) {
    return streetNames.toString(street);
}
std::optional<Street> streetFromString(std::string_view text) {
    return streetNames.fromString(text);
}
void to_json(nlohmann::json& json, Street street) {
    json = toString(street);
}
void from_json(const nlohmann::json& json, Street& street) {
    street = streetNames.fromJson(json);
}

} // namespace PokerEngine
