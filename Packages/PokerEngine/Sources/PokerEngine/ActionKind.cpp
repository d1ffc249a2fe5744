#include "PokerEngine/ActionKind.h"

#include "PokerEngine/EnumText.h"

namespace PokerEngine {

namespace {
constexpr EnumNames<ActionKind, 5> actionKindNames{"ActionKind", {"fold", "check", "call", "bet", "raise"}};
} // namespace

std::string_view toString(ActionKind kind) {
    return actionKindNames.toString(kind);
}
std::optional<ActionKind> actionKindFromString(std::string_view text) {
    return actionKindNames.fromString(text);
}
void to_json(nlohmann::json& json, ActionKind kind) {
    json = toString(kind);
}
void from_json(const nlohmann::json& json, ActionKind& kind) {
    kind = actionKindNames.fromJson(json);
}

} // namespace PokerEngine
