#pragma once

#include "PokerEngine/BlindSchedule.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>

namespace PokerEngine {

// The fixed configuration of a table.
struct TableConfig {
    std::int64_t seatCount;
    BlindSchedule blinds;
    // The chips each player receives when the table is made.
    std::int64_t startingStack;

    bool operator==(const TableConfig&) const = default;
};

void to_json(nlohmann::json& json, const TableConfig& config);
TableConfig tableConfigFromJson(const nlohmann::json& json);

} // namespace PokerEngine

template <> struct nlohmann::adl_serializer<PokerEngine::TableConfig> {
    static void to_json(nlohmann::json& json, const PokerEngine::TableConfig& config) {
        PokerEngine::to_json(json, config);
    }
    static PokerEngine::TableConfig from_json(const nlohmann::json& json) {
        return PokerEngine::tableConfigFromJson(json);
    }
};
