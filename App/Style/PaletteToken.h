#pragma once

#include <array>
#include <optional>
#include <string_view>

// The colour roles every style fills; the order is the order the palettes list them in.
enum class PaletteToken {
    stock,
    ink,
    ink2,
    feltText,
    feltTextBackground,
    feltLine,
    plateFill,
    plateName,
    plateStack,
    plateStroke,
    turnRing,
    winnerRing,
    tagFill,
    tagText,
    allInFill,
    allInText,
    turnTagFill,
    turnTagText,
    pausedTagFill,
    pausedTagText,
    dealerFill,
    dealerText,
    potFill,
    potText,
    cardFace,
    cardEdge,
    suitBlack,
    suitRed,
    suitDiamondFour,
    suitClubFour,
    focus,
    panelFill,
    panelText,
    panelText2,
};

inline constexpr std::size_t paletteTokenCount = 34;

const std::array<PaletteToken, paletteTokenCount>& allPaletteTokens();
std::string_view toString(PaletteToken token);
std::optional<PaletteToken> paletteTokenFromString(std::string_view text);
