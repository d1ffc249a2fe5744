#include "Persistence/KeyShortcut.h"

#include "Persistence/KeyCodes.h"
#include "PokerEngine/Hashing.h"
#include "Json/JsonRead.h"

#include <limits>

std::string KeyShortcut::display() const {
    std::string text;
    if (command) {
        text += "Ctrl+";
    }
    if (option) {
        text += "Alt+";
    }
    if (shift) {
        text += "Shift+";
    }
    if (control) {
        text += "Super+";
    }
    // A named key is written by its code, so profiles stored with the old symbols ("↩") read the same.
    return text + KeyCodes::name(keyCode).value_or(key);
}

std::size_t std::hash<KeyShortcut>::operator()(const KeyShortcut& shortcut) const noexcept {
    std::size_t seed = 0;
    PokerEngine::hashCombine(seed, shortcut.keyCode);
    for (bool modifier : {shortcut.command, shortcut.shift, shortcut.option, shortcut.control}) {
        PokerEngine::hashCombine(seed, modifier);
    }
    PokerEngine::hashCombine(seed, shortcut.key);
    return seed;
}

void to_json(nlohmann::json& json, const KeyShortcut& shortcut) {
    json = {{"keyCode", shortcut.keyCode}, {"command", shortcut.command}, {"shift", shortcut.shift},
            {"option", shortcut.option},   {"control", shortcut.control}, {"key", shortcut.key}};
}

void from_json(const nlohmann::json& json, KeyShortcut& shortcut) {
    using namespace PokerEngine;
    const auto code = readInt(json, "keyCode");
    if (code < 0 || code > std::numeric_limits<std::uint16_t>::max()) {
        throw DecodingError::dataCorrupted("Number " + std::to_string(code) + " does not fit in UInt16.");
    }
    KeyShortcut read;
    read.keyCode = static_cast<std::uint16_t>(code);
    read.command = readBool(json, "command");
    read.shift = readBool(json, "shift");
    read.option = readBool(json, "option");
    read.control = readBool(json, "control");
    read.key = readString(jsonField(json, "key"));
    shortcut = read;
}
