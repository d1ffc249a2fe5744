#include "PokerEngine/BlindKind.h"

#include "PokerEngine/EnumText.h"

namespace PokerEngine {

namespace {
constexpr EnumNames<BlindKind, 2> blindKindNames{"BlindKind", {"small", "big"}};
} // namespace

std::string_view toString(BlindKind kind) {
    return blindKindNames.toString(kind);
}
std::optional<BlindKind> blindKindFromString(std::string_view text) {
    return blindKindNames.fromString(text);
}
void to_json(nlohmann::json& json, BlindKind kind) {
    json = toString(kind);
}
void from_json(const nlohmann::json& json, BlindKind& kind) {
    kind = blindKindNames.fromJson(json);
}

} // namespace PokerEngine
