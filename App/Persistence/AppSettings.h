#pragma once

#include "Game/BotSpeed.h"
#include "Game/GameMode.h"
#include "Persistence/HotkeySetting.h"
#include "Persistence/LaunchSurface.h"
#include "Style/TableStyleID.h"

#include <nlohmann/json_fwd.hpp>

// The player's settings. The stored style is kept as it is, offered or not; the screens decide how
// to draw a style that is not offered.
struct AppSettings {
    BotSpeed botSpeed = BotSpeed::normal;
    bool autoDeal = false;
    TableStyleID style = TableStyleID::satin;
    bool fourColorDeck = false;
    bool soundsOn = true;
    bool showStackInMenuBar = false;
    HotkeySetting hotkey;
    GameMode defaultTable = GameMode::quickHand;
    LaunchSurface launchSurface = LaunchSurface::menuBar;
    bool learningMode = false;

    bool operator==(const AppSettings&) const = default;
};

void to_json(nlohmann::json& json, const AppSettings& settings);
// Key by key: each absent or malformed key keeps its default. Anything but an object gives defaults.
void from_json(const nlohmann::json& json, AppSettings& settings);
