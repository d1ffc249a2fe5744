#include "Style/AvatarModel.h"

#include "PokerEngine/Hashing.h"

AvatarModel AvatarModel::hero() {
    return AvatarModel{"", CharacterBackdrop::hero(), true, std::nullopt};
}

std::size_t std::hash<AvatarModel>::operator()(const AvatarModel& avatar) const noexcept {
    std::size_t seed = std::hash<std::string>{}(avatar.initial);
    PokerEngine::hashCombine(seed, avatar.backdrop);
    PokerEngine::hashCombine(seed, avatar.isHero);
    PokerEngine::hashCombine(seed, avatar.slug);
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
