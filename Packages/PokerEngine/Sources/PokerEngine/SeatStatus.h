#pragma once

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string_view>

namespace PokerEngine {

enum class SeatStatus { empty, active, folded, allIn, sittingOut, busted };

std::string_view toString(SeatStatus status);
// Exact case names only; "AllIn" gives absent.
std::optional<SeatStatus> seatStatusFromString(std::string_view text);

void to_json(nlohmann::json& json, SeatStatus status);
void from_json(const nlohmann::json& json, SeatStatus& status);

} // namespace PokerEngine
