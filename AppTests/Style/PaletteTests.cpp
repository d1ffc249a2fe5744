#include "Style/PaperPalette.h"
#include "Style/PixelPalette.h"
#include "Style/SatinPalette.h"
#include "Style/TableTheme.h"

#include <gtest/gtest.h>

#include <set>
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

TEST(Palettes, SampledRolesMatchTheTables) {
    using T = PaletteToken;
    const std::vector<std::tuple<TableStyleID, bool, T, RGB>> cases{
        {TableStyleID::satin, false, T::stock, c(236, 236, 236)},
        {TableStyleID::satin, true, T::stock, c(30, 30, 30)},
        {TableStyleID::satin, false, T::feltText, c(255, 255, 255, 0.92)},
        {TableStyleID::satin, false, T::tagFill, c(29, 29, 31, 0.7)},
        {TableStyleID::satin, true, T::tagFill, c(0, 0, 0, 0.55)},
        {TableStyleID::satin, true, T::turnTagText, c(92, 66, 0)},
        {TableStyleID::satin, true, T::potFill, c(28, 53, 48)},
        {TableStyleID::satin, true, T::focus, c(79, 168, 147)},
        {TableStyleID::satin, false, T::panelText2, c(94, 94, 99)},
        {TableStyleID::paper, false, T::stock, c(239, 227, 200)},
        {TableStyleID::paper, true, T::suitBlack, c(30, 36, 51)},
        {TableStyleID::paper, true, T::feltLine, c(243, 233, 214, 0.45)},
        {TableStyleID::paper, false, T::potFill, c(196, 67, 46)},
        {TableStyleID::paper, true, T::dealerFill, c(251, 246, 234)},
        {TableStyleID::paper, true, T::cardEdge, c(185, 174, 152)},
        {TableStyleID::pixel, false, T::feltLine, c(86, 178, 146)},
        {TableStyleID::pixel, true, T::plateFill, c(244, 228, 193)},
        {TableStyleID::pixel, true, T::plateStack, c(107, 90, 112)},
        {TableStyleID::pixel, false, T::potText, c(242, 181, 68)},
        {TableStyleID::pixel, true, T::panelFill, c(62, 44, 74)},
        {TableStyleID::pixel, false, T::cardEdge, c(18, 50, 47)},
    };
    for (const auto& [style, dark, token, expected] : cases)
        EXPECT_EQ(TableTheme::paletteFor(style, dark, false).color(token), expected)
            << toString(style) << (dark ? " dark " : " light ") << toString(token);
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
