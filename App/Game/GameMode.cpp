#include "Game/GameMode.h"

#include "Json/JsonRead.h"

std::string_view toString(GameMode value) {
    switch (value) {
    case GameMode::quickHand:
        return "quickHand";
    case GameMode::cashTable:
        return "cashTable";
    case GameMode::sitAndGo:
        return "sitAndGo";
    case GameMode::practice:
        return "practice";
    }
    return "quickHand";
}

std::string_view title(GameMode value) {
    switch (value) {
    case GameMode::quickHand:
        return "Quick Hand";
    case GameMode::cashTable:
        return "Cash Table";
    case GameMode::sitAndGo:
        return "Sit & Go";
    case GameMode::practice:
        return "Practice Hand";
    }
    return "Quick Hand";
}

std::optional<GameMode> gameModeFromString(std::string_view text) {
    for (auto value : allGameModes) {
        if (toString(value) == text) {
            return value;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, GameMode value) {
    json = toString(value);
}

void from_json(const nlohmann::json& json, GameMode& value) {
    value = JsonRead::enumFromText<GameMode>(json, "GameMode", gameModeFromString);
}
