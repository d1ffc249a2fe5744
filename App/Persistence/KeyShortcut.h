#pragma once

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <functional>
#include <string>

// A key with its modifiers, as the system-wide hotkey stores it. The key code is the one the settings
// have always stored (35 is P); the desktop layer translates it.
struct KeyShortcut {
    std::uint16_t keyCode = 35;
    bool command = true;
    bool shift = true;
    bool option = false;
    bool control = false;
    std::string key = "P";

    // As Linux writes it: the modifiers held, then the key, "Ctrl+Shift+P". Command is Ctrl, option
    // Alt and control Super, as the keys that stand in their places on a PC keyboard.
    std::string display() const;

    bool operator==(const KeyShortcut&) const = default;
};

template <> struct std::hash<KeyShortcut> {
    std::size_t operator()(const KeyShortcut& shortcut) const noexcept;
};

// Strict: all six keys, "keyCode" an integer from 0 to 65535.
void to_json(nlohmann::json& json, const KeyShortcut& shortcut);
void from_json(const nlohmann::json& json, KeyShortcut& shortcut);
