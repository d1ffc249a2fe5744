#include "Style/PaperPalette.h"
#include "Style/PixelPalette.h"
#include "Style/SatinPalette.h"
#include "Style/TableTheme.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace {
RGB c(double r, double g, double b, double a = 1) {
    return RGB::bytes(r, g, b, a);
}

struct Variant {
    TableStyleID style;
    bool dark;
    bool contrast;
};

std::vector<Variant> allVariants() {
    std::vector<Variant> variants;
    for (auto style : allTableStyleIDs)
        for (bool dark : {false, true})
            for (bool contrast : {false, true})
                variants.push_back({style, dark, contrast});
    return variants;
}

void expectNear(const RGB& actual, const RGB& expected) {
    EXPECT_NEAR(actual.red, expected.red, 1e-12);
    EXPECT_NEAR(actual.green, expected.green, 1e-12);
    EXPECT_NEAR(actual.blue, expected.blue, 1e-12);
    EXPECT_NEAR(actual.alpha, expected.alpha, 1e-12);
}

// The palettes for normal contrast, one line per role: satin light, satin dark, paper light, paper dark,
// pixel light, pixel dark; each colour as red green blue in 255ths, then the alpha when it is not 1.
constexpr const char* normalContrastTable = R"(
stock              | 236 236 236 | 30 30 30 | 239 227 200 | 30 36 51 | 242 230 204 | 43 30 52
ink                | 29 29 31 | 245 245 247 | 43 43 43 | 243 233 214 | 43 30 52 | 244 228 193
ink2               | 94 94 99 | 174 174 178 | 107 74 52 | 169 160 142 | 107 90 112 | 180 159 188
feltText           | 255 255 255 0.92 | 255 255 255 0.92 | 43 43 43 | 243 233 214 | 244 228 193 | 244 228 193
feltTextBackground | 55 112 95 | 47 99 87 | 251 246 234 | 43 51 70 | 43 30 52 | 27 20 35
feltLine           | 255 255 255 0.14 | 255 255 255 0.14 | 251 246 234 0.45 | 243 233 214 0.45 | 86 178 146 | 70 160 131
plateFill          | 255 255 255 | 36 41 43 | 251 246 234 | 43 51 70 | 255 248 231 | 244 228 193
plateName          | 29 29 31 | 245 245 247 | 43 43 43 | 243 233 214 | 43 30 52 | 27 20 35
plateStack         | 110 110 115 | 174 174 178 | 107 74 52 | 169 160 142 | 107 90 112 | 107 90 112
plateStroke        | 0 0 0 0.06 | 255 255 255 0.08 | 216 201 168 | 22 27 39 | 43 30 52 0 | 27 20 35 0
turnRing           | 242 193 78 | 242 193 78 | 225 167 48 | 232 182 76 | 242 181 68 | 242 181 68
winnerRing         | 242 193 78 | 242 193 78 | 225 167 48 | 232 182 76 | 242 181 68 | 242 181 68
tagFill            | 29 29 31 0.7 | 0 0 0 0.55 | 43 43 43 | 15 19 28 | 43 30 52 | 27 20 35
tagText            | 255 255 255 | 255 255 255 | 251 246 234 | 243 233 214 | 244 228 193 | 244 228 193
allInFill          | 200 69 47 | 200 69 47 | 196 67 46 | 196 67 46 | 198 53 46 | 198 53 46
allInText          | 255 255 255 | 255 255 255 | 255 248 236 | 255 248 236 | 255 248 231 | 255 248 231
turnTagFill        | 242 193 78 | 242 193 78 | 43 43 43 | 15 19 28 | 242 181 68 | 242 181 68
turnTagText        | 92 66 0 | 92 66 0 | 251 246 234 | 243 233 214 | 43 30 52 | 27 20 35
pausedTagFill      | 200 69 47 | 200 69 47 | 196 67 46 | 196 67 46 | 198 53 46 | 198 53 46
pausedTagText      | 255 255 255 | 255 255 255 | 255 248 236 | 255 248 236 | 255 248 231 | 255 248 231
dealerFill         | 255 255 255 | 245 245 247 | 251 246 234 | 251 246 234 | 255 248 231 | 255 248 231
dealerText         | 29 29 31 | 29 29 31 | 43 43 43 | 43 43 43 | 43 30 52 | 27 20 35
potFill            | 226 236 232 | 28 53 48 | 196 67 46 | 196 67 46 | 43 30 52 | 27 20 35
potText            | 29 29 31 | 245 245 247 | 255 248 236 | 255 248 236 | 242 181 68 | 242 181 68
cardFace           | 255 255 255 | 242 242 244 | 251 246 234 | 251 246 234 | 255 248 231 | 255 248 231
cardEdge           | 191 192 198 | 156 157 163 | 216 201 168 | 185 174 152 | 18 50 47 | 15 42 40
suitBlack          | 29 29 31 | 29 29 31 | 43 43 43 | 30 36 51 | 27 20 35 | 27 20 35
suitRed            | 200 16 46 | 200 16 46 | 196 67 46 | 196 67 46 | 198 53 46 | 198 53 46
suitDiamondFour    | 31 95 209 | 31 95 209 | 47 111 168 | 47 111 168 | 44 93 184 | 44 93 184
suitClubFour       | 30 122 67 | 30 122 67 | 47 122 62 | 47 122 62 | 35 121 74 | 35 121 74
focus              | 47 125 109 | 79 168 147 | 42 127 122 | 58 134 128 | 242 181 68 | 242 181 68
panelFill          | 236 236 236 | 30 30 30 | 251 246 234 | 43 51 70 | 255 248 231 | 62 44 74
panelText          | 29 29 31 | 245 245 247 | 43 43 43 | 243 233 214 | 43 30 52 | 244 228 193
panelText2         | 94 94 99 | 174 174 178 | 107 74 52 | 169 160 142 | 107 90 112 | 180 159 188
)";

// The roles increased contrast changes, as style and role, then light and dark.
constexpr const char* increasedContrastTable = R"(
satin.feltLine    | 255 255 255 0.3 | 255 255 255 0.3
satin.plateStroke | 29 29 31 0.4 | 245 245 247 0.4
paper.feltLine    | 251 246 234 | 243 233 214
paper.plateStroke | 43 43 43 | 243 233 214
pixel.ink2        | 81.4 66 88 | 205.6 186.6 190
pixel.panelText2  | 81.4 66 88 | 205.6 186.6 190
pixel.plateStroke | 0 0 0 | 0 0 0
)";

// Each line of a table: its name and its colours.
std::vector<std::pair<std::string, std::vector<RGB>>> parseRows(const char* table) {
    std::vector<std::pair<std::string, std::vector<RGB>>> rows;
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty())
            continue;
        std::istringstream cells(line);
        std::string name;
        std::string cell;
        std::getline(cells, name, '|');
        name.erase(name.find_last_not_of(' ') + 1);
        std::vector<RGB> colours;
        while (std::getline(cells, cell, '|')) {
            std::istringstream numbers(cell);
            double r = 0, g = 0, b = 0, a = 1;
            numbers >> r >> g >> b;
            if (!(numbers >> a))
                a = 1;
            colours.push_back(c(r, g, b, a));
        }
        rows.emplace_back(name, colours);
    }
    return rows;
}

std::pair<TableStyleID, PaletteToken> styleAndToken(const std::string& name) {
    const auto dot = name.find('.');
    return {*tableStyleIDFromString(name.substr(0, dot)), *paletteTokenFromString(name.substr(dot + 1))};
}
} // namespace

TEST(Palettes, EveryShippedPaletteFillsEveryRoleWithoutMagenta) {
    for (const auto& variant : allVariants()) {
        const Palette palette = TableTheme::paletteFor(variant.style, variant.dark, variant.contrast);
        EXPECT_EQ(palette.values.size(), paletteTokenCount);
        for (PaletteToken token : allPaletteTokens()) {
            ASSERT_TRUE(palette.values.contains(token)) << toString(token);
            EXPECT_NE(palette.color(token), RGB::magenta) << toString(token);
        }
    }
}

TEST(Palettes, AMissingRoleDrawsMagenta) {
    Palette palette = SatinPalette::palette(false, false);
    palette.values.erase(PaletteToken::potFill);
    EXPECT_EQ(palette.color(PaletteToken::potFill), RGB::magenta);
    EXPECT_EQ(Palette{}.color(PaletteToken::ink), (RGB{1, 0, 1, 1}));
}

TEST(Palettes, EveryCellOfEveryVariantMatchesTheTables) {
    const auto normal = parseRows(normalContrastTable);
    ASSERT_EQ(normal.size(), paletteTokenCount);
    std::map<std::tuple<TableStyleID, PaletteToken>, std::array<RGB, 2>> strengthened;
    for (const auto& [name, cells] : parseRows(increasedContrastTable)) {
        const auto [style, token] = styleAndToken(name);
        strengthened[{style, token}] = {cells.at(0), cells.at(1)};
    }
    int checked = 0;
    for (const auto& variant : allVariants()) {
        const Palette palette = TableTheme::paletteFor(variant.style, variant.dark, variant.contrast);
        const std::size_t column = static_cast<std::size_t>(variant.style) * 2 + (variant.dark ? 1 : 0);
        for (const auto& [name, cells] : normal) {
            const PaletteToken token = *paletteTokenFromString(name);
            RGB expected = cells.at(column);
            const auto stronger = strengthened.find({variant.style, token});
            if (variant.contrast && stronger != strengthened.end())
                expected = stronger->second[variant.dark ? 1 : 0];
            SCOPED_TRACE(std::string(toString(variant.style)) + (variant.dark ? " dark " : " light ") +
                         (variant.contrast ? "increased " : "") + name);
            expectNear(palette.color(token), expected);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 12 * 34);
}

TEST(Palettes, IncreasedContrastChangesOnlyItsListedRoles) {
    const std::vector<std::tuple<TableStyleID, std::set<PaletteToken>>> changed{
        {TableStyleID::satin, {PaletteToken::feltLine, PaletteToken::plateStroke}},
        {TableStyleID::paper, {PaletteToken::feltLine, PaletteToken::plateStroke}},
        {TableStyleID::pixel, {PaletteToken::ink2, PaletteToken::panelText2, PaletteToken::plateStroke}},
    };
    for (const auto& [style, tokens] : changed)
        for (bool dark : {false, true}) {
            const Palette normal = TableTheme::paletteFor(style, dark, false);
            const Palette strong = TableTheme::paletteFor(style, dark, true);
            for (PaletteToken token : allPaletteTokens())
                EXPECT_EQ(normal.color(token) != strong.color(token), tokens.contains(token))
                    << toString(style) << " " << toString(token);
        }
}

TEST(Palettes, IncreasedContrastValues) {
    using T = PaletteToken;
    EXPECT_EQ(SatinPalette::palette(false, true).color(T::feltLine), c(255, 255, 255, 0.3));
    EXPECT_EQ(SatinPalette::palette(false, true).color(T::plateStroke), c(29, 29, 31, 0.4));
    EXPECT_EQ(SatinPalette::palette(true, true).color(T::plateStroke), c(245, 245, 247, 0.4));
    EXPECT_EQ(PaperPalette::palette(false, true).color(T::feltLine), c(251, 246, 234));
    EXPECT_EQ(PaperPalette::palette(true, true).color(T::plateStroke), c(243, 233, 214));
    // The pixel secondary ink moves 40 % toward the primary ink.
    for (bool dark : {false, true}) {
        const Palette normal = PixelPalette::palette(dark, false);
        const RGB expected = normal.color(T::ink2).mixed(normal.color(T::ink), 0.4);
        expectNear(PixelPalette::palette(dark, true).color(T::ink2), expected);
        expectNear(PixelPalette::palette(dark, true).color(T::panelText2), expected);
    }
    expectNear(PixelPalette::palette(false, true).color(T::ink2), c(81.4, 66, 88));
    // The pixel plate outline is invisible until contrast asks for opaque black.
    EXPECT_EQ(PixelPalette::palette(false, false).color(T::plateStroke).alpha, 0);
    EXPECT_EQ(PixelPalette::palette(true, false).color(T::plateStroke).alpha, 0);
    EXPECT_EQ(PixelPalette::palette(true, true).color(T::plateStroke), RGB::black);
}

TEST(Palettes, ChipColoursPerDenomination) {
    for (auto denomination : ChipDenominations::largestFirst) {
        EXPECT_NE(SatinPalette::chip(denomination).top, RGB::magenta);
        EXPECT_NE(PaperPalette::chip(denomination).side, RGB::magenta);
        EXPECT_NE(PixelPalette::chip(denomination).inlay, RGB::magenta);
    }
    // The one-chip is the only light chip; its inlay is the blue of the 25-chip.
    EXPECT_EQ(SatinPalette::chip(ChipDenomination::d1).inlay, c(58, 111, 208));
    EXPECT_EQ(SatinPalette::chip(ChipDenomination::d1).inlay, SatinPalette::chip(ChipDenomination::d25).top);
    EXPECT_EQ(PixelPalette::chip(ChipDenomination::d1).inlay, PixelPalette::chip(ChipDenomination::d25).top);
    EXPECT_EQ(SatinPalette::chip(ChipDenomination::d5000).side, c(145, 55, 99));
    EXPECT_EQ(PaperPalette::chip(ChipDenomination::d500).top, c(122, 78, 126));
    EXPECT_EQ(PixelPalette::chip(ChipDenomination::d100).side, c(27, 20, 35));
}

TEST(Palettes, ExtraShadesFollowTheAppearanceOnly) {
    EXPECT_EQ((SatinPalette{true, true}.plateStroke()),
              SatinPalette::palette(true, true).color(PaletteToken::plateStroke));
    EXPECT_EQ((PixelPalette{false, true}.dim()),
              PixelPalette::palette(false, true).color(PaletteToken::ink2));
    EXPECT_EQ((PaperPalette{true, false}.laminate()), (PaperPalette{true, true}.laminate()));
    EXPECT_EQ((PaperPalette{false, false}.laminate().at(1)), c(251, 246, 234));
    const auto felt = PixelPalette{false, false}.felt();
    ASSERT_EQ(felt.size(), 5u);
    EXPECT_EQ(felt.front(), PixelPalette::palette(false, false).color(PaletteToken::feltLine));
    EXPECT_EQ((PixelPalette{true, false}.felt().front()),
              PixelPalette::palette(true, false).color(PaletteToken::feltLine));
    EXPECT_EQ((PixelPalette{true, false}.rail()),
              (std::vector<RGB>{c(184, 118, 74), c(138, 84, 54), c(92, 53, 36)}));
}

TEST(Palettes, PixelBevels) {
    const PixelPalette light{false, false};
    const PixelPalette dark{true, false};
    using K = PixelPalette::ButtonKind;
    EXPECT_EQ(light.bevel(K::selected), light.bevel(K::confirm));
    EXPECT_EQ(light.bevel(K::fold).text, c(255, 248, 231));
    EXPECT_EQ(dark.bevel(K::fold).text, c(244, 228, 193));
    EXPECT_EQ(dark.bevel(K::confirm).text, c(27, 20, 35));
    EXPECT_EQ(light.bevel(K::secondary).fill, c(255, 248, 231));
    EXPECT_EQ(dark.bevel(K::secondary).fill, c(62, 44, 74));
    EXPECT_EQ(light.bevel(K::danger),
              (PixelPalette::Bevel{c(184, 50, 43), c(224, 86, 76), c(126, 31, 26), c(255, 248, 231)}));
    // Contrast leaves the bevels alone.
    EXPECT_EQ((PixelPalette{true, true}.bevel(K::call)), dark.bevel(K::call));
}
