#include "Game/BotSpeed.h"

#include "Json/JsonRead.h"

std::string_view toString(BotSpeed value) {
    switch (value) {
    case BotSpeed::fast:
        return "fast";
    case BotSpeed::normal:
        return "normal";
    case BotSpeed::slow:
        return "slow";
    }
    return "fast";
}

std::chrono::milliseconds botPace(BotSpeed speed) {
    switch (speed) {
    case BotSpeed::fast:
        return std::chrono::milliseconds(400);
    case BotSpeed::normal:
        return std::chrono::milliseconds(900);
    case BotSpeed::slow:
        return std::chrono::milliseconds(1500);
    }
    return std::chrono::milliseconds(900);
}

std::optional<BotSpeed> botSpeedFromString(std::string_view text) {
    for (auto value : allBotSpeeds) {
        if (toString(value) == text) {
            return value;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, BotSpeed value) {
    json = toString(value);
}

void from_json(const nlohmann::json& json, BotSpeed& value) {
    value = JsonRead::enumFromText<BotSpeed>(json, "BotSpeed", botSpeedFromString);
}
