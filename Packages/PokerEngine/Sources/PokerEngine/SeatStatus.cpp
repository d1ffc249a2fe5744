#include "PokerEngine/SeatStatus.h"

#include "PokerEngine/EnumText.h"

namespace PokerEngine {

namespace {
constexpr EnumNames<SeatStatus, 6> seatStatusNames{
    "SeatStatus", {"empty", "active", "folded", "allIn", "sittingOut", "busted"}};
} // namespace

std::string_view toString(SeatStatus status) {
    return seatStatusNames.toString(status);
}
std::optional<SeatStatus> seatStatusFromString(std::string_view text) {
    return seatStatusNames.fromString(text);
}
void to_json(nlohmann::json& json, SeatStatus status) {
    json = toString(status);
}
void from_json(const nlohmann::json& json, SeatStatus& status) {
    status = seatStatusNames.fromJson(json);
}

} // namespace PokerEngine
