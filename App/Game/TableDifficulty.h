#pragma once

#include "BotKit/BotTier.h"

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <optional>
#include <string_view>

// The tier the opponents are drawn from; mixed draws from all three tiers.
enum class TableDifficulty { easy, medium, hard, mixed };

inline constexpr std::array<TableDifficulty, 4> allTableDifficulties{
    TableDifficulty::easy, TableDifficulty::medium, TableDifficulty::hard, TableDifficulty::mixed};

std::string_view toString(TableDifficulty value);
// The bot tier of the same name; mixed names none.
std::optional<BotKit::BotTier> botTier(TableDifficulty difficulty);
std::optional<TableDifficulty> tableDifficultyFromString(std::string_view text);

void to_json(nlohmann::json& json, TableDifficulty value);
void from_json(const nlohmann::json& json, TableDifficulty& value);
