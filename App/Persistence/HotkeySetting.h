#pragma once

#include "Persistence/KeyShortcut.h"

#include <nlohmann/json_fwd.hpp>

// The system-wide shortcut that opens the game; off until the player turns it on.
struct HotkeySetting {
    bool enabled = false;
    KeyShortcut shortcut;

    bool operator==(const HotkeySetting&) const = default;
};

// Strict: "enabled" and a complete "shortcut" are both required.
void to_json(nlohmann::json& json, const HotkeySetting& hotkey);
void from_json(const nlohmann::json& json, HotkeySetting& hotkey);
