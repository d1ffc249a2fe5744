#include "Persistence/AppSettings.h"

#include "Persistence/Lenient.h"

void to_json(nlohmann::json& json, const AppSettings& settings) {
    json = {{"botSpeed", settings.botSpeed},
            {"autoDeal", settings.autoDeal},
            {"style", settings.style},
            {"fourColorDeck", settings.fourColorDeck},
            {"soundsOn", settings.soundsOn},
            {"showStackInMenuBar", settings.showStackInMenuBar},
            {"hotkey", settings.hotkey},
            {"defaultTable", settings.defaultTable},
            {"launchSurface", settings.launchSurface},
            {"learningMode", settings.learningMode}};
}

void from_json(const nlohmann::json& json, AppSettings& settings) {
    AppSettings read;
    if (json.is_object()) {
        Lenient::read(json, "botSpeed", read.botSpeed);
        Lenient::read(json, "autoDeal", read.autoDeal);
        Lenient::read(json, "style", read.style);
        Lenient::read(json, "fourColorDeck", read.fourColorDeck);
        Lenient::read(json, "soundsOn", read.soundsOn);
        Lenient::read(json, "showStackInMenuBar", read.showStackInMenuBar);
        Lenient::read(json, "hotkey", read.hotkey);
        Lenient::read(json, "defaultTable", read.defaultTable);
        Lenient::read(json, "launchSurface", read.launchSurface);
        Lenient::read(json, "learningMode", read.learningMode);
    }
    settings = read;
}
