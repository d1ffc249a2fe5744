#include "Style/SatinPalette.h"
#include "Style/TableTheme.h"

#include <gtest/gtest.h>

TEST(TableTheme, StandardThemeIsLightSatinPopoverAtUnitTwo) {
    const TableTheme theme = TableTheme::standard();
    EXPECT_EQ(theme.style, TableStyleID::satin);
    EXPECT_EQ(theme.surface, TableSurface::popover);
    EXPECT_FALSE(theme.dark || theme.increaseContrast || theme.reduceMotion || theme.fourColorDeck);
    EXPECT_EQ(theme.pixelUnit, 2);
    EXPECT_EQ(theme.palette, SatinPalette::palette(false, false));
}

TEST(TableTheme, StoredStylesThatAreNotOfferedDrawAsSatin) {
    for (auto stored : allTableStyleIDs) {
        const TableTheme theme =
            TableTheme::make(stored, TableSurface::window, 3, AppearanceFlags{true, true, false}, true);
        EXPECT_EQ(theme.style, TableStyleID::satin);
        EXPECT_EQ(theme.palette, SatinPalette::palette(true, true));
        EXPECT_TRUE(theme.fourColorDeck);
        EXPECT_EQ(theme.pixelUnit, 3);
    }
    EXPECT_EQ(TableTheme::drawnIn(TableStyleID::pixel, TableSurface::popover, 2, {}).style,
              TableStyleID::pixel);
}

TEST(TableStyleID, PickersShowTheStylesByTheirDisplayNames) {
    EXPECT_EQ(displayName(TableStyleID::satin), "Satin");
    EXPECT_EQ(displayName(TableStyleID::paper), "Paper");
    EXPECT_EQ(displayName(TableStyleID::pixel), "Pixel Parlor");
    // The stored raw value stays the lower-case case name.
    EXPECT_EQ(toString(TableStyleID::pixel), "pixel");
}

TEST(TableTheme, TextSizesPerSurface) {
    const std::vector<std::tuple<TextRole, double, double>> sizes{
        {TextRole::seatName, 14, 12},      {TextRole::seatStack, 13, 11}, {TextRole::tag, 10, 9},
        {TextRole::bet, 13, 11},           {TextRole::pot, 18, 14},       {TextRole::sidePot, 12, 11},
        {TextRole::lastAction, 13, 11},    {TextRole::topBar, 13, 12},    {TextRole::button, 14, 13},
        {TextRole::preset, 12, 11},        {TextRole::log, 12, 12},       {TextRole::showdownHand, 22, 17},
        {TextRole::showdownAward, 15, 13}, {TextRole::display, 34, 28},   {TextRole::title, 20, 17},
        {TextRole::body, 13, 13},          {TextRole::caption, 11, 11},
    };
    ASSERT_EQ(sizes.size(), allTextRoles().size());
    for (const auto& [role, window, popover] : sizes) {
        EXPECT_EQ(textSize(role, TableSurface::window), window);
        EXPECT_EQ(textSize(role, TableSurface::popover), popover);
    }
}

TEST(TableTheme, FontOfPotPerStyle) {
    TableTheme window = TableTheme::drawnIn(TableStyleID::satin, TableSurface::window, 3, {});
    const FontSpec satinPot = window.font(TextRole::pot);
    EXPECT_EQ(satinPot.pixelSize, 18);
    EXPECT_EQ(satinPot.systemWeight, FontWeight::semibold);
    EXPECT_TRUE(satinPot.monospacedDigits);
    EXPECT_FALSE(satinPot.paperFace);
    EXPECT_EQ(TableTheme::standard().font(TextRole::pot).pixelSize, 14);

    const FontSpec paperPot =
        TableTheme::drawnIn(TableStyleID::paper, TableSurface::window, 3, {}).font(TextRole::pot);
    EXPECT_TRUE(paperPot.paperFace);
    EXPECT_EQ(paperPot.paperWeight, 800);
    EXPECT_TRUE(paperPot.monospacedDigits);
}

TEST(TableTheme, WeightsAndDigitSpacingPerRole) {
    const std::vector<std::tuple<TextRole, FontWeight, double, bool>> table{
        {TextRole::seatName, FontWeight::semibold, 800, false},
        {TextRole::seatStack, FontWeight::medium, 600, true},
        {TextRole::tag, FontWeight::bold, 800, false},
        {TextRole::lastAction, FontWeight::regular, 700, false},
        {TextRole::topBar, FontWeight::medium, 500, false},
        {TextRole::sidePot, FontWeight::medium, 700, true},
        {TextRole::log, FontWeight::regular, 500, false},
        {TextRole::showdownAward, FontWeight::semibold, 600, true},
        {TextRole::display, FontWeight::bold, 800, true},
        {TextRole::caption, FontWeight::regular, 600, false},
    };
    for (const auto& [role, weight, paper, mono] : table) {
        EXPECT_EQ(systemWeight(role), weight);
        EXPECT_EQ(paperWeight(role), paper);
        EXPECT_EQ(usesMonospacedDigits(role), mono);
    }
}

TEST(TableTheme, SuitColoursWithAndWithoutTheFourColourDeck) {
    using PokerEngine::Suit;
    TableTheme theme = TableTheme::standard();
    const auto role = [&theme](PaletteToken token) { return theme.palette.color(token); };
    const std::vector<std::tuple<Suit, PaletteToken, PaletteToken>> table{
        {Suit::clubs, PaletteToken::suitBlack, PaletteToken::suitClubFour},
        {Suit::diamonds, PaletteToken::suitRed, PaletteToken::suitDiamondFour},
        {Suit::hearts, PaletteToken::suitRed, PaletteToken::suitRed},
        {Suit::spades, PaletteToken::suitBlack, PaletteToken::suitBlack},
    };
    for (const auto& [suit, twoColour, fourColour] : table) {
        theme.fourColorDeck = false;
        EXPECT_EQ(theme.suitColor(suit), role(twoColour));
        theme.fourColorDeck = true;
        EXPECT_EQ(theme.suitColor(suit), role(fourColour));
    }
    theme.palette.values.clear();
    EXPECT_EQ(theme.suitColor(Suit::hearts), RGB::magenta);
}
