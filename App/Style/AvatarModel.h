#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "Style/RGB.h"

// A seat's avatar as drawn: a backdrop colour with a portrait or an initial, or the player's own symbol.
struct AvatarModel {
    std::string initial;
    RGB backdrop;
    bool isHero = false;
    // The bot character's slug, which names its portrait; absent for the player.
    std::optional<std::string> slug;

    bool operator==(const AvatarModel&) const = default;

    static AvatarModel hero();
};

template <> struct std::hash<AvatarModel> {
    std::size_t operator()(const AvatarModel& avatar) const noexcept;
};

// The backdrop colours of the cast.
namespace CharacterBackdrop {
const std::unordered_map<std::string, RGB>& colors();
// The player's own disc.
RGB hero();
// What the table screen gives a character without an entry.
RGB unknown();
// The backdrop of `slug`, or `fallback` when the cast has no colour for it.
RGB color(const std::string& slug, RGB fallback = unknown());
} // namespace CharacterBackdrop
