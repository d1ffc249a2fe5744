#pragma once

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <optional>
#include <vector>

namespace PokerEngine {

struct BlindLevel {
    std::int64_t smallBlind = 0;
    std::int64_t bigBlind = 0;
    // 0 means no ante.
    std::int64_t ante = 0;

    bool operator==(const BlindLevel&) const = default;
};

// How blinds rise over the hands of a table.
struct BlindSchedule {
    // At least one; level 1 is the first.
    std::vector<BlindLevel> levels;
    // Absent: the blinds never rise. Present: 1 or more.
    std::optional<std::int64_t> handsPerLevel;

    // An empty list of levels stops the program.
    BlindSchedule(std::vector<BlindLevel> levels, std::optional<std::int64_t> handsPerLevel);

    // One level for ever: cash, quick-hand and practice tables.
    static BlindSchedule fixed(std::int64_t smallBlind, std::int64_t bigBlind, std::int64_t ante);
    // Nine levels of 8 hands each from 10/20 to 300/600, antes from level 6.
    static const BlindSchedule& sitAndGoTurbo();

    // The level in force for hand `hand` (the first hand of a table is 1). Past the last level
    // the big blind keeps growing by about half each level, so a tournament always ends.
    // A level whose big blind would pass the range of a 64-bit integer stops the program.
    BlindLevel level(std::int64_t hand) const;
    // The same level, or absent where level() would stop the program.
    std::optional<BlindLevel> levelInRange(std::int64_t hand) const;

    bool operator==(const BlindSchedule&) const = default;
};

void to_json(nlohmann::json& json, const BlindLevel& level);
void from_json(const nlohmann::json& json, BlindLevel& level);

// Reading refuses an empty list of levels and a hand count per level below 1, which the level
// lookup could not serve.
void to_json(nlohmann::json& json, const BlindSchedule& schedule);
BlindSchedule blindScheduleFromJson(const nlohmann::json& json);

} // namespace PokerEngine

template <> struct nlohmann::adl_serializer<PokerEngine::BlindSchedule> {
    static void to_json(nlohmann::json& json, const PokerEngine::BlindSchedule& schedule) {
        PokerEngine::to_json(json, schedule);
    }
    static PokerEngine::BlindSchedule from_json(const nlohmann::json& json) {
        return PokerEngine::blindScheduleFromJson(json);
    }
};
