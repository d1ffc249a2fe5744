#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <optional>
#include <string_view>

// Which of the four games a table plays; the payload-free tag of GameSetup.
enum class GameMode { quickHand, cashTable, sitAndGo, practice };

inline constexpr std::array<GameMode, 4> allGameModes{GameMode::quickHand, GameMode::cashTable,
                                                      GameMode::sitAndGo, GameMode::practice};

std::string_view toString(GameMode value);
std::optional<GameMode> gameModeFromString(std::string_view text);
// The name the lobby and the window show: "Quick Hand", "Cash Table", "Sit & Go", "Practice Hand".
std::string_view title(GameMode value);

void to_json(nlohmann::json& json, GameMode value);
void from_json(const nlohmann::json& json, GameMode& value);
