#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <cstdint>
#include <optional>

// The stakes of a cash table. The raw value is the big blind, and it is what the files store.
enum class CashStakes { low, medium, high };

inline constexpr std::array<CashStakes, 3> allCashStakes{CashStakes::low, CashStakes::medium,
                                                         CashStakes::high};

// The big blind: 10, 50 or 200. The small blind is half of it.
std::int64_t bigBlind(CashStakes stakes);
// Only exactly 10, 50 or 200 name stakes.
std::optional<CashStakes> cashStakesFromBigBlind(std::int64_t bigBlind);

void to_json(nlohmann::json& json, CashStakes stakes);
void from_json(const nlohmann::json& json, CashStakes& stakes);
