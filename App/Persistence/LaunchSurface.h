#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <optional>
#include <string_view>

// Where the table opens: the tray popover or the window.
enum class LaunchSurface { menuBar, window };

inline constexpr std::array<LaunchSurface, 2> allLaunchSurfaces{LaunchSurface::menuBar,
                                                                LaunchSurface::window};

std::string_view toString(LaunchSurface surface);
std::optional<LaunchSurface> launchSurfaceFromString(std::string_view text);

void to_json(nlohmann::json& json, LaunchSurface surface);
void from_json(const nlohmann::json& json, LaunchSurface& surface);
