#include "Style/Contrast.h"
#include "Style/ControlKind.h"
#include "Style/LabelColors.h"
#include "Style/Ornaments.h"
#include "Style/SatinGlass.h"
#include "Style/SatinPalette.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace {
TableTheme theme(TableStyleID style, TableSurface surface, double unit) {
    return TableTheme::drawnIn(style, surface, unit, {});
}
} // namespace

TEST(ControlStyle, ButtonHeightsPerKindSizeSurfaceAndStyle) {
    using S = TableStyleID;
    using F = TableSurface;
    struct Row {
        S style;
        F surface;
        double unit;
        double main;
        double small;
    };
    for (const Row& row : std::vector<Row>{{S::satin, F::window, 3, 38, 26},
                                           {S::satin, F::popover, 2, 32, 22},
                                           {S::paper, F::window, 3, 38, 26},
                                           {S::paper, F::popover, 2, 32, 22},
                                           {S::pixel, F::popover, 2, 36, 24},
                                           {S::pixel, F::window, 3, 42, 30},
                                           {S::pixel, F::window, 2, 28, 20}}) {
        EXPECT_EQ(ControlStyle::buttonHeight(ControlSize::main, theme(row.style, row.surface, row.unit)),
                  row.main);
        EXPECT_EQ(ControlStyle::buttonHeight(ControlSize::small, theme(row.style, row.surface, row.unit)),
                  row.small);
    }
}

TEST(ControlStyle, PaperColoursPerKind) {
    const auto c = [](double r, double g, double b) { return RGB::bytes(r, g, b); };
    using P = ControlStyle::PaperColors;
    EXPECT_EQ(ControlStyle::paperColors(ControlKind::preset(false), false),
              ControlStyle::paperColors(ControlKind::secondary(), false));
    EXPECT_EQ(ControlStyle::paperColors(ControlKind::preset(true), false),
              (P{c(225, 167, 48), c(184, 134, 42), c(43, 43, 43)}));
    EXPECT_EQ(ControlStyle::paperColors(ControlKind::preset(true), true),
              (P{c(232, 182, 76), c(185, 142, 54), c(43, 43, 43)}));
    EXPECT_EQ(ControlStyle::paperColors(ControlKind::fold(), true),
              (P{c(15, 19, 28), c(0, 0, 0), c(243, 233, 214)}));
    EXPECT_EQ(ControlStyle::paperColors(ControlKind::call(), false),
              (P{c(38, 117, 112), c(27, 85, 82), c(255, 248, 236)}));
    EXPECT_EQ(ControlStyle::paperColors(ControlKind::danger(), true),
              (P{c(196, 67, 46), c(142, 48, 32), c(255, 248, 236)}));
    EXPECT_EQ(ControlStyle::paperColors(ControlKind::confirm(), false).side, c(150, 51, 34));
}

TEST(ControlStyle, PixelBevelKindAndTextColour) {
    using B = PixelPalette::ButtonKind;
    EXPECT_EQ(ControlStyle::pixelButtonKind(ControlKind::preset(true)), B::selected);
    EXPECT_EQ(ControlStyle::pixelButtonKind(ControlKind::preset(false)), B::secondary);
    EXPECT_EQ(ControlStyle::pixelButtonKind(ControlKind::danger()), B::danger);
    const TableTheme pixel = theme(TableStyleID::pixel, TableSurface::popover, 2);
    EXPECT_EQ(ControlStyle::textColor(ControlKind::confirm(), pixel), RGB::bytes(43, 30, 52));
    const TableTheme paper = theme(TableStyleID::paper, TableSurface::popover, 2);
    EXPECT_EQ(ControlStyle::textColor(ControlKind::fold(), paper), RGB::bytes(251, 246, 234));
}

TEST(ControlStyle, KindsComparePresetsBySelection) {
    EXPECT_EQ(ControlKind::preset(true), ControlKind::preset(true));
    EXPECT_NE(ControlKind::preset(true), ControlKind::preset(false));
    std::unordered_set<ControlKind> kinds{ControlKind::fold(),        ControlKind::call(),
                                          ControlKind::confirm(),     ControlKind::secondary(),
                                          ControlKind::danger(),      ControlKind::preset(true),
                                          ControlKind::preset(false), ControlKind::fold()};
    EXPECT_EQ(kinds.size(), 7u);
}

TEST(ControlStyle, IconGlyphs) {
    EXPECT_EQ(ControlStyle::pixelGlyph(ControlIcon::lock),
              (PixelGlyph{".###.", ".#.#.", "#####", "##.##", "#####"}));
    EXPECT_EQ(ControlStyle::pixelGlyph(ControlIcon::options).front(), "#.###");
    EXPECT_STREQ(ControlStyle::symbolName(ControlIcon::options), "slider.horizontal.3");
}

TEST(ChipFace, GeometryAtChosenDiameters) {
    const ChipFaceGeometry twenty{20};
    EXPECT_DOUBLE_EQ(twenty.inlayInset(), 3.8);
    EXPECT_DOUBLE_EQ(twenty.inlayLineWidth(), 1.3);
    EXPECT_DOUBLE_EQ(twenty.inlayDash(), 2.8);
    EXPECT_DOUBLE_EQ(twenty.inlayGap(), 2.14);
    const ChipFaceGeometry twentyEight{28};
    EXPECT_DOUBLE_EQ(twentyEight.shadowBlur(), 1.68);
    EXPECT_DOUBLE_EQ(twentyEight.shadowOffsetY(), 1.68);
    const auto stops = chipFaceGradient(ChipDenomination::d100);
    EXPECT_EQ(stops[1], SatinPalette::chip(ChipDenomination::d100).top);
    EXPECT_EQ(stops[0], stops[1].mixed(RGB::white, 0.35));
}

TEST(Hatch, StripesOfAnEightByFortyRectangle) {
    const auto stripes = hatchStripes(QRectF(10, 0, 40, 8));
    ASSERT_EQ(stripes.size(), 10u);
    EXPECT_EQ(stripes.front()[0], QPointF(2, 8));
    EXPECT_EQ(stripes.front()[2], QPointF(12, 0));
    EXPECT_EQ(stripes.back()[0].x(), 10 + 37);
    // Zero height gives stripes of no area.
    for (const auto& stripe : hatchStripes(QRectF(0, 5, 20, 0)))
        EXPECT_EQ(stripe[0].y(), stripe[3].y());
    // The pattern moves with the rectangle.
    EXPECT_EQ(hatchStripes(QRectF(110, 0, 40, 8)).front()[0], QPointF(102, 8));
}

TEST(SatinPanel, AdaptiveColours) {
    EXPECT_EQ(SatinPanelColors::fill(false), RGB::white);
    EXPECT_EQ(SatinPanelColors::fill(true), (RGB{0.17, 0.17, 0.17, 1}));
    EXPECT_EQ(SatinPanelColors::border(true), (RGB{1, 1, 1, 0.14}));
    EXPECT_EQ(SatinPanelColors::edge(false), (RGB{0, 0, 0, 0.55}));
    EXPECT_EQ(SatinPanelColors::warning(false), RGB::bytes(163, 66, 0));
    EXPECT_EQ(SatinPanelColors::warning(true), RGB::bytes(255, 159, 10));
}

// A danger button's title on its own face: in satin on the glass where its letters stand, over the
// window and over a panel; in paper on its card stock; in pixel on its bevel.
TEST(ControlStyle, ADangerTitleReadsOnItsFaceInEveryLook) {
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel})
        for (const bool dark : {false, true})
            for (const bool contrast : {false, true}) {
                const TableTheme look = TableTheme::drawnIn(style, TableSurface::popover, 2,
                                                            AppearanceFlags{dark, contrast, false});
                SCOPED_TRACE(std::string(toString(style)) + (dark ? " dark" : " light") +
                             (contrast ? " contrast" : ""));
                const RGB title = ControlStyle::textColor(ControlKind::danger(), look);
                // Only satin is offered; its reader who asks for more contrast gets the enhanced level.
                const double wanted =
                    contrast && style == TableStyleID::satin ? Contrast::enhancedText : Contrast::text;
                std::vector<RGB> faces;
                if (style == TableStyleID::satin) {
                    for (const RGB& ground : {LabelColors::window(dark), SatinPanelColors::fill(dark)})
                        for (const double depth : {SatinGlass::labelTop, SatinGlass::labelBottom})
                            faces.push_back(SatinGlass::at(dark, ground, depth));
                } else if (style == TableStyleID::paper) {
                    faces.push_back(ControlStyle::paperColors(ControlKind::danger(), dark).face);
                } else {
                    faces.push_back(
                        PixelPalette{dark, contrast}.bevel(PixelPalette::ButtonKind::danger).fill);
                }
                for (const RGB& face : faces)
                    EXPECT_GE(Contrast::textRatio(title, face), wanted);
            }
}
