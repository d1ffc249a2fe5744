#pragma once

#include <nlohmann/json_fwd.hpp>

#include <cstdint>

namespace PokerEngine {

// A seat and a number of chips: a starting stack, or a winner's share of a pot.
struct SeatAmount {
    std::int64_t seat = 0;
    std::int64_t amount = 0;

    bool operator==(const SeatAmount&) const = default;
};

void to_json(nlohmann::json& json, const SeatAmount& value);
void from_json(const nlohmann::json& json, SeatAmount& value);

} // namespace PokerEngine
