#include "Game/TableDifficulty.h"

#include "Json/JsonRead.h"

std::string_view toString(TableDifficulty value) {
    switch (value) {
    case TableDifficulty::easy:
        return "easy";
    case TableDifficulty::medium:
        return "medium";
    case TableDifficulty::hard:
        return "hard";
    case TableDifficulty::mixed:
        return "mixed";
    }
    return "easy";
}

std::optional<BotKit::BotTier> botTier(TableDifficulty difficulty) {
    switch (difficulty) {
    case TableDifficulty::easy:
        return BotKit::BotTier::easy;
    case TableDifficulty::medium:
        return BotKit::BotTier::medium;
    case TableDifficulty::hard:
        return BotKit::BotTier::hard;
    case TableDifficulty::mixed:
        break;
    }
    return std::nullopt;
}

std::optional<TableDifficulty> tableDifficultyFromString(std::string_view text) {
    for (auto value : allTableDifficulties) {
        if (toString(value) == text) {
            return value;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, TableDifficulty value) {
    json = toString(value);
}

void from_json(const nlohmann::json& json, TableDifficulty& value) {
    value = JsonRead::enumFromText<TableDifficulty>(json, "TableDifficulty", tableDifficultyFromString);
}
