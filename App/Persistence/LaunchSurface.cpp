#include "Persistence/LaunchSurface.h"

#include "Json/JsonRead.h"

std::string_view toString(LaunchSurface surface) {
    return surface == LaunchSurface::window ? "window" : "menuBar";
}

std::optional<LaunchSurface> launchSurfaceFromString(std::string_view text) {
    for (auto surface : allLaunchSurfaces) {
        if (toString(surface) == text) {
            return surface;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, LaunchSurface surface) {
    json = toString(surface);
}

void from_json(const nlohmann::json& json, LaunchSurface& surface) {
    surface = JsonRead::enumFromText<LaunchSurface>(json, "LaunchSurface", launchSurfaceFromString);
}
