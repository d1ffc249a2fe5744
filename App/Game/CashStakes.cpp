#include "Game/CashStakes.h"

#include "Json/JsonRead.h"

#include <string>

std::int64_t bigBlind(CashStakes stakes) {
    switch (stakes) {
    case CashStakes::low:
        return 10;
    case CashStakes::medium:
        return 50;
    case CashStakes::high:
        return 200;
    }
    return 10;
}

std::optional<CashStakes> cashStakesFromBigBlind(std::int64_t bigBlindAmount) {
    for (auto stakes : allCashStakes) {
        if (bigBlind(stakes) == bigBlindAmount) {
            return stakes;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, CashStakes stakes) {
    json = bigBlind(stakes);
}

void from_json(const nlohmann::json& json, CashStakes& stakes) {
    const auto raw = PokerEngine::readInt(json);
    const auto parsed = cashStakesFromBigBlind(raw);
    if (!parsed) {
        throw JsonRead::invalidRawValue("CashStakes", "Int", std::to_string(raw));
    }
    stakes = *parsed;
}
