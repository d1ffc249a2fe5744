#include "Persistence/HotkeySetting.h"

#include "Json/JsonRead.h"

void to_json(nlohmann::json& json, const HotkeySetting& hotkey) {
    json = {{"enabled", hotkey.enabled}, {"shortcut", hotkey.shortcut}};
}

void from_json(const nlohmann::json& json, HotkeySetting& hotkey) {
    HotkeySetting read;
    read.enabled = PokerEngine::readBool(PokerEngine::jsonField(json, "enabled"));
    read.shortcut = PokerEngine::jsonField(json, "shortcut").get<KeyShortcut>();
    hotkey = read;
}
