// What keeps the sheets' and tiles' marks readable: the buy-in labels clear of the chip, black chips
// seen on dark cards, a time range never split over two lines, a picker's chosen side marked as
// chosen in either appearance, and grey labels that never read weaker for asking for more contrast.
#include "Style/Contrast.h"
#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/Colors.h"
#include "Style/LabelColors.h"
#include "Style/LineBreaks.h"
#include "Style/Ornaments.h"
#include "Style/SatinPalette.h"
#include "Style/SheetControls.h"
#include "Style/TableTheme.h"
#include "Views/Controls/SlidingPicker.h"

#include <QImage>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "Support/WidgetEvents.h"

TEST(BuyInScale, TheDetentLabelsStandBelowTheChipGrownUnderThePointer) {
    EXPECT_LE(BuyInScale::chipBottom(BuyInScale::grownScale), BuyInScale::labelTop);
    EXPECT_LT(BuyInScale::chipBottom(1), BuyInScale::chipBottom(BuyInScale::grownScale));
    EXPECT_LE(BuyInScale::labelTop + BuyInScale::labelHeight, BuyInScale::boxHeight);
    // The chip rides on the middle of the track.
    EXPECT_DOUBLE_EQ(BuyInScale::chipCentreY, BuyInScale::trackTop + BuyInScale::trackHeight / 2);
}

namespace {

// The dark stake card a chip is drawn on: the satin panel over the dark window.
RGB darkCard() {
    return Contrast::over(SatinPanelColors::fill(true), LabelColors::window(true));
}

double edgeContrast(ChipDenomination denomination, const RGB& under) {
    constexpr double diameter = 20;
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(toQColor(under));
    QPainter painter(&image);
    ChipFace::paint(painter, QPointF(10, 8), denomination, diameter);
    painter.end();
    image.save(WidgetEvents::galleryFolder(QStringLiteral("controls")) +
               QStringLiteral("/chip-%1-on-dark-card.png").arg(static_cast<int>(denomination)));
    // The edge that shows under the face, where no rim light falls.
    const int bottom = static_cast<int>(8 + diameter + ChipFaceGeometry{diameter}.edgeDrop());
    // The chip's lowest row against the card just under it, the chip's shadow included.
    const auto at = [&](int y) {
        const QColor colour = image.pixelColor(20, y);
        return RGB{colour.redF(), colour.greenF(), colour.blueF(), 1};
    };
    return Contrast::ratio(at(bottom - 1), at(bottom + 2));
}

} // namespace

TEST(ChipFace, ABlackChipKeepsItsEdgeOnADarkCard) {
    for (const ChipDenomination denomination :
         {ChipDenomination::d1, ChipDenomination::d5, ChipDenomination::d25, ChipDenomination::d100,
          ChipDenomination::d500, ChipDenomination::d1000, ChipDenomination::d5000, ChipDenomination::d25000})
        EXPECT_EQ(ChipFaceGeometry::needsOutline(SatinPalette::chip(denomination).top),
                  denomination == ChipDenomination::d100)
            << static_cast<int>(denomination);
    // Its round edge stands out from the card, where the bare black edge would all but vanish.
    EXPECT_GE(edgeContrast(ChipDenomination::d100, darkCard()), 1.8);
}

TEST(LineBreaks, ARangeAndItsUnitNeverBreakAcrossLines) {
    const QString written = QStringLiteral("Six players, rising blinds. 10–15 min.");
    const QString shown = LineBreaks::keepRangesWhole(written);
    const qsizetype start = shown.indexOf(QStringLiteral("10"));
    ASSERT_GE(start, 0);
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, shown);
    for (qsizetype at = lines.toNextBoundary(); at != -1; at = lines.toNextBoundary())
        EXPECT_FALSE(at > start && at < shown.size()) << "a line may break at " << at;
    // Read as written, and the words before the range still wrap.
    EXPECT_EQ(QString(shown).remove(QChar(0x2060)).replace(QChar(0x00A0), QLatin1Char(' ')), written);
    EXPECT_EQ(LineBreaks::keepRangesWhole(QStringLiteral("about 2 minutes")), "about 2 minutes");
    EXPECT_EQ(LineBreaks::keepRangesWhole(QStringLiteral("ages 3–5")).remove(QChar(0x2060)), "ages 3–5");
}

TEST(SlidingPickerRules, TheChosenSideIsTheLighterInDarkAsInLight) {
    for (const bool dark : {false, true}) {
        for (const bool contrast : {false, true}) {
            const RGB window = LabelColors::window(dark);
            const RGB track = Contrast::over(SlidingPickerRules::trackColour(dark, contrast), window);
            const RGB pill = SlidingPickerRules::pillColour(dark);
            EXPECT_GT(Contrast::relativeLuminance(pill), Contrast::relativeLuminance(track))
                << (dark ? "dark" : "light") << (contrast ? " contrast" : "");
            EXPECT_GE(Contrast::ratio(pill, track), 1.2);
        }
    }
}

namespace {

// What a secondary label is drawn on, with or without increased contrast: the window, a panel on it,
// and a picker's track, which strengthens under increased contrast.
struct SecondaryGround {
    const char* name;
    RGB (*colour)(bool dark, bool increaseContrast);
};

const SecondaryGround secondaryGrounds[] = {
    {"window", [](bool dark, bool) { return LabelColors::window(dark); }},
    {"panel",
     [](bool dark, bool) { return Contrast::over(SatinPanelColors::fill(dark), LabelColors::window(dark)); }},
    {"picker track",
     [](bool dark, bool increaseContrast) {
         return Contrast::over(SlidingPickerRules::trackColour(dark, increaseContrast),
                               LabelColors::window(dark));
     }},
};

// The unchosen segment's title at its strongest pixel against the track beside it, as drawn on the window.
double unchosenTitleContrast(const TableTheme& theme) {
    QWidget page;
    QPalette palette = page.palette();
    palette.setColor(QPalette::Window, toQColor(LabelColors::window(theme.dark)));
    page.setPalette(palette);
    page.setAutoFillBackground(true);
    auto* column = new QVBoxLayout(&page);
    auto* picker = new SlidingPicker(theme, "Sidebar", {{"Log", 0, {}}, {"Guide", 0, {}}}, 1, &page);
    column->addWidget(picker);
    page.resize(240, 60);
    page.show();
    const QImage shot = page.grab().toImage();
    const QRect segment(picker->segments().front()->mapTo(&page, QPoint(0, 0)),
                        picker->segments().front()->size());
    const auto at = [&](int x, int y) {
        const QColor colour = shot.pixelColor(x, y);
        return RGB{colour.redF(), colour.greenF(), colour.blueF(), 1};
    };
    // A point of the track inside the segment, clear of the title and the track's edge.
    const RGB track = at(segment.center().x(), segment.top() + 2);
    double strongest = 1;
    for (int y = segment.top(); y <= segment.bottom(); ++y)
        for (int x = segment.left(); x <= segment.right(); ++x)
            strongest = std::max(strongest, Contrast::ratio(at(x, y), track));
    return strongest;
}

} // namespace

TEST(SecondaryLabels, ReadAtLeastAsWellUnderIncreasedContrast) {
    for (const bool dark : {false, true}) {
        for (const SecondaryGround& ground : secondaryGrounds) {
            const double plain =
                Contrast::textRatio(LabelColors::secondary(dark, false), ground.colour(dark, false));
            const double raised =
                Contrast::textRatio(LabelColors::secondary(dark, true), ground.colour(dark, true));
            EXPECT_GE(raised, plain) << (dark ? "dark " : "light ") << ground.name;
            // A reader who asked for more contrast gets the guidelines' enhanced level where the track
            // does not lie under the text.
            if (ground.colour(dark, true) == ground.colour(dark, false)) {
                EXPECT_GE(raised, Contrast::enhancedText) << (dark ? "dark " : "light ") << ground.name;
            }
        }
    }
    // As drawn: the unchosen titles of a picker (the new-game sheet's, the sidebar's tabs) in every style.
    for (const TableStyleID style : allTableStyleIDs) {
        for (const bool dark : {false, true}) {
            const auto theme = [&](bool increaseContrast) {
                return TableTheme::drawnIn(style, TableSurface::window, 3,
                                           AppearanceFlags{dark, increaseContrast, false});
            };
            EXPECT_GE(unchosenTitleContrast(theme(true)), unchosenTitleContrast(theme(false)))
                << toString(style) << (dark ? " dark" : " light");
        }
    }
}
