// Every text the styles draw reads at 4.5:1 against what it is drawn on, in light and dark, with and
// without increased contrast.
#include "Style/Contrast.h"
#include "Style/LabelColors.h"
#include "Style/Ornaments.h"
#include "Style/TableTheme.h"
#include "Views/Learn/GuideColors.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Pair {
    PaletteToken text;
    PaletteToken background;
    double wanted = Contrast::text;
};

// A translucent fill is laid on the page it sits on.
RGB backdrop(const Palette& palette, PaletteToken fill) {
    return Contrast::over(palette.color(fill), palette.color(PaletteToken::stock));
}

} // namespace

TEST(Contrast, MeasuresAsTheGuidelinesDo) {
    EXPECT_NEAR(Contrast::textRatio(RGB::black, RGB::white), 21, 1e-9);
    EXPECT_NEAR(Contrast::textRatio(RGB::white, RGB::white), 1, 1e-9);
    // The grey that just passes on white, #767676.
    EXPECT_NEAR(Contrast::textRatio(RGB::bytes(118, 118, 118), RGB::white), 4.54, 0.01);
    // Half-transparent black on white reads as the grey it makes.
    EXPECT_NEAR(Contrast::textRatio(RGB{0, 0, 0, 0.5}, RGB::white),
                Contrast::textRatio(RGB::bytes(127.5, 127.5, 127.5), RGB::white), 1e-9);
    // Moved only as far as it takes.
    const RGB grey = RGB::bytes(150, 150, 150);
    const RGB moved = Contrast::readable(grey, RGB::white, RGB::black);
    EXPECT_GE(Contrast::textRatio(moved, RGB::white), 4.5);
    EXPECT_LT(Contrast::textRatio(moved, RGB::white), 4.6);
    EXPECT_EQ(Contrast::readable(RGB::black, RGB::white, RGB::black), RGB::black);
}

TEST(Contrast, EveryStylesTextReadsOnItsGround) {
    const Pair pairs[] = {
        {PaletteToken::ink, PaletteToken::stock},
        {PaletteToken::ink2, PaletteToken::stock},
        {PaletteToken::plateName, PaletteToken::plateFill},
        {PaletteToken::plateStack, PaletteToken::plateFill},
        {PaletteToken::tagText, PaletteToken::tagFill},
        {PaletteToken::allInText, PaletteToken::allInFill},
        {PaletteToken::turnTagText, PaletteToken::turnTagFill},
        {PaletteToken::pausedTagText, PaletteToken::pausedTagFill},
        {PaletteToken::dealerText, PaletteToken::dealerFill},
        {PaletteToken::potText, PaletteToken::potFill},
        {PaletteToken::panelText, PaletteToken::panelFill},
        {PaletteToken::panelText2, PaletteToken::panelFill},
    };
    std::ostringstream failures;
    for (const auto style : allTableStyleIDs) {
        for (const bool dark : {false, true}) {
            for (const bool contrast : {false, true}) {
                const Palette palette = TableTheme::paletteFor(style, dark, contrast);
                for (const Pair& pair : pairs) {
                    const RGB ground = backdrop(palette, pair.background);
                    const double measured = Contrast::textRatio(palette.color(pair.text), ground);
                    if (measured < pair.wanted) {
                        failures << toString(style) << (dark ? " dark" : " light")
                                 << (contrast ? " contrast" : "") << ": " << toString(pair.text) << " on "
                                 << toString(pair.background) << " " << measured << "\n";
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures.str(), "");
}

TEST(Contrast, TheLobbyAndGuideTextsReadOnTheWindowAndItsPanels) {
    for (const bool dark : {false, true}) {
        const std::string look = dark ? "dark" : "light";
        const RGB guideSecondary{GuideColors::secondary(dark).redF(), GuideColors::secondary(dark).greenF(),
                                 GuideColors::secondary(dark).blueF(), GuideColors::secondary(dark).alphaF()};
        for (const RGB& ground : {LabelColors::window(dark), SatinPanelColors::fill(dark)}) {
            EXPECT_GE(Contrast::textRatio(LabelColors::primary(dark), ground), Contrast::text) << look;
            for (const bool contrast : {false, true}) {
                EXPECT_GE(Contrast::textRatio(LabelColors::secondary(dark, contrast), ground), Contrast::text)
                    << look << (contrast ? " contrast" : "");
            }
            EXPECT_GE(Contrast::textRatio(guideSecondary, ground), Contrast::text) << look;
            EXPECT_GE(Contrast::textRatio(SatinPanelColors::warning(dark), ground), Contrast::text) << look;
        }
    }
}
