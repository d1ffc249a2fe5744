#include "Style/PaletteToken.h"

namespace {
constexpr std::array<std::string_view, paletteTokenCount> tokenNames{
    "stock",      "ink",         "ink2",        "feltText",        "feltTextBackground",
    "feltLine",   "plateFill",   "plateName",   "plateStack",      "plateStroke",
    "turnRing",   "winnerRing",  "tagFill",     "tagText",         "allInFill",
    "allInText",  "turnTagFill", "turnTagText", "pausedTagFill",   "pausedTagText",
    "dealerFill", "dealerText",  "potFill",     "potText",         "cardFace",
    "cardEdge",   "suitBlack",   "suitRed",     "suitDiamondFour", "suitClubFour",
    "focus",      "panelFill",   "panelText",   "panelText2",
};
} // namespace

const std::array<PaletteToken, paletteTokenCount>& allPaletteTokens() {
    static const auto tokens = [] {
        std::array<PaletteToken, paletteTokenCount> all{};
        for (std::size_t index = 0; index < paletteTokenCount; ++index)
            all[index] = static_cast<PaletteToken>(index);
        return all;
    }();
    return tokens;
}

std::string_view toString(PaletteToken token) {
    return tokenNames[static_cast<std::size_t>(token)];
}

std::optional<PaletteToken> paletteTokenFromString(std::string_view text) {
    for (std::size_t index = 0; index < paletteTokenCount; ++index)
        if (tokenNames[index] == text)
            return static_cast<PaletteToken>(index);
    return std::nullopt;
}
