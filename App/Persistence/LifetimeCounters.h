#pragma once

#include <nlohmann/json_fwd.hpp>

#include <cstdint>

// Totals the ledger books; resetting the bankroll keeps them.
struct LifetimeCounters {
    std::int64_t handsPlayed = 0;
    std::int64_t quickHandsPlayed = 0;
    std::int64_t sitAndGosPlayed = 0;
    std::int64_t sitAndGoFirsts = 0;
    std::int64_t sitAndGoSeconds = 0;

    bool operator==(const LifetimeCounters&) const = default;
};

void to_json(nlohmann::json& json, const LifetimeCounters& counters);
// Key by key: each absent or malformed key reads as 0. Anything but an object gives zeros.
void from_json(const nlohmann::json& json, LifetimeCounters& counters);
