#include "Style/AvatarModel.h"

AvatarModel AvatarModel::hero() {
    return AvatarModel{"", CharacterBackdrop::hero(), true, std::nullopt};
}

std::size_t std::hash<AvatarModel>::operator()(const AvatarModel& avatar) const noexcept {
    std::size_t seed = std::hash<std::string>{}(avatar.initial);
    auto combine = [&seed](std::size_t value) {
        seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    };
    combine(std::hash<RGB>{}(avatar.backdrop));
    combine(std::hash<bool>{}(avatar.isHero));
    combine(avatar.slug ? std::hash<std::string>{}(*avatar.slug) : 0x51u);
    return seed;
}

namespace CharacterBackdrop {

const std::unordered_map<std::string, RGB>& colors() {
    static const std::unordered_map<std::string, RGB> table{
        {"biscuit", RGB::bytes(242, 153, 74)},  {"goldie", RGB::bytes(124, 196, 235)},
        {"pancake", RGB::bytes(185, 166, 224)}, {"aunt-clucky", RGB::bytes(244, 211, 94)},
        {"shelldon", RGB::bytes(227, 190, 99)}, {"rascal", RGB::bytes(227, 70, 126)},
        {"duchess", RGB::bytes(233, 183, 201)}, {"professor-hoot", RGB::bytes(155, 181, 138)},
        {"finn", RGB::bytes(31, 127, 147)},     {"vivian", RGB::bytes(217, 112, 74)},
        {"inky", RGB::bytes(108, 91, 214)},     {"big-lou", RGB::bytes(138, 106, 79)},
    };
    return table;
}

RGB hero() {
    return RGB::bytes(242, 239, 232);
}

RGB unknown() {
    return RGB::bytes(142, 142, 147);
}

RGB color(const std::string& slug, RGB fallback) {
    auto found = colors().find(slug);
    return found == colors().end() ? fallback : found->second;
}

} // namespace CharacterBackdrop
