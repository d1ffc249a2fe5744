#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

// The pause before each bot action: fast 0.4 s, normal 0.9 s, slow 1.5 s.
enum class BotSpeed { fast, normal, slow };

inline constexpr std::array<BotSpeed, 3> allBotSpeeds{BotSpeed::fast, BotSpeed::normal, BotSpeed::slow};

std::string_view toString(BotSpeed value);
std::chrono::milliseconds botPace(BotSpeed speed);
std::optional<BotSpeed> botSpeedFromString(std::string_view text);

void to_json(nlohmann::json& json, BotSpeed value);
void from_json(const nlohmann::json& json, BotSpeed& value);
