#include "Style/SheetControls.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

TEST(StakeCards, LockedBelowFortyBigBlinds) {
    const auto card = [](CashStakes stakes, std::int64_t spendable) {
        return StakeCard::make(stakes, CashStakes::low, spendable);
    };
    EXPECT_FALSE(card(CashStakes::low, 400).locked);
    EXPECT_TRUE(card(CashStakes::medium, 400).locked);
    EXPECT_TRUE(card(CashStakes::low, 399).locked);
    for (CashStakes stakes : allCashStakes)
        EXPECT_FALSE(card(stakes, 8000).locked);
    EXPECT_EQ(card(CashStakes::medium, 400).accessibleName, "25/50, locked, needs 2,000 chips");
    EXPECT_EQ(card(CashStakes::medium, 400).subtitle, "Needs 2,000");
    EXPECT_EQ(card(CashStakes::medium, 5000).accessibleName, "25/50, buy-in from 2,000 chips");
    EXPECT_EQ(card(CashStakes::medium, 5000).subtitle, "Buy-in 2,000+");
    EXPECT_EQ(card(CashStakes::high, 5000).chip, ChipDenomination::d100);
    EXPECT_EQ(card(CashStakes::low, 5000).title, "5/10");
}

TEST(StakeCards, ALockedSelectionShowsNoCardSelected) {
    EXPECT_TRUE(StakeCard::make(CashStakes::high, CashStakes::high, 9000).selected);
    EXPECT_FALSE(StakeCard::make(CashStakes::high, CashStakes::high, 7000).selected);
    EXPECT_FALSE(StakeCard::make(CashStakes::low, CashStakes::high, 7000).selected);
}

TEST(BuyInScale, DragSnapsNearDetentsAndStaysUnderTheCap) {
    const auto at = [](std::int64_t raw, std::int64_t cap = 100) {
        return BuyInScale::valueAt((raw - 40) / 60.0, cap);
    };
    EXPECT_EQ(at(41), 40);
    EXPECT_EQ(at(42), 40);
    EXPECT_EQ(at(43), 43);
    EXPECT_EQ(at(57), 57);
    for (int raw = 58; raw <= 62; ++raw)
        EXPECT_EQ(at(raw), 60);
    EXPECT_EQ(at(98), 100);
    EXPECT_EQ(at(99), 100);
    EXPECT_EQ(BuyInScale::valueAt(-0.5, 100), 40);
    EXPECT_EQ(BuyInScale::valueAt(std::numeric_limits<double>::quiet_NaN(), 100), 40);
    EXPECT_EQ(BuyInScale::valueAt(2, 100), 100);
    EXPECT_EQ(BuyInScale::valueAt(2, 75), 75);
    EXPECT_EQ(BuyInScale::valueAt(2, 10), 40);
}

TEST(BuyInScale, KeysStepWithoutSnapping) {
    EXPECT_EQ(BuyInScale::stepped(95, 100, 10), 100);
    EXPECT_EQ(BuyInScale::stepped(40, 100, -1), 40);
    EXPECT_EQ(BuyInScale::stepped(61, 100, 1), 62);
    EXPECT_EQ(BuyInScale::stepped(30, 100, 1), 41);
    EXPECT_EQ(BuyInScale::stepped(90, 75, 1), 75);
}

// Every key a desktop's slider answers, from a value (bound, cap) to where it lands; none for a key
// left to the sheet.
TEST(BuyInScale, KeysMoveAsOnEveryDesktopSlider) {
    struct Case {
        int key;
        bool shift;
        std::int64_t bigBlinds;
        std::int64_t cap;
        std::optional<std::int64_t> lands;
    };
    const Case cases[] = {
        {Qt::Key_Right, false, 61, 100, 62},
        {Qt::Key_Up, true, 95, 100, 100},
        {Qt::Key_Left, true, 45, 100, 40},
        {Qt::Key_Down, false, 40, 100, 40},
        {Qt::Key_PageUp, false, 60, 100, 70},
        {Qt::Key_PageUp, false, 70, 75, 75},
        {Qt::Key_PageDown, false, 100, 100, 90},
        {Qt::Key_PageDown, false, 45, 100, 40},
        {Qt::Key_Home, false, 100, 100, 40},
        {Qt::Key_End, false, 40, 100, 100},
        {Qt::Key_End, false, 40, 75, 75},
        {Qt::Key_End, false, 40, 10, 40},
        {Qt::Key_Home, false, 30, 100, 40},
        {Qt::Key_Return, false, 60, 100, std::nullopt},
        {Qt::Key_Tab, false, 60, 100, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuyInScale::keyed(c.key, c.shift, c.bigBlinds, c.cap), c.lands)
            << "key " << std::hex << c.key << std::dec << " from " << c.bigBlinds << " under " << c.cap;
}

TEST(BuyInScale, SpokenValueAddsTheLimitBelowAHundred) {
    EXPECT_EQ(BuyInScale::spokenValue(60, 75, 10),
              "600 chips, 60 big blinds. You can afford up to 75 big blinds");
    EXPECT_EQ(BuyInScale::spokenValue(60, 100, 10), "600 chips, 60 big blinds");
    EXPECT_EQ(BuyInScale::spokenValue(30, 120, 50), "2,000 chips, 40 big blinds");
    EXPECT_EQ(BuyInScale::x(40, 228), 14);
    EXPECT_EQ(BuyInScale::x(100, 228), 214);
}

TEST(SlidingPickerRules, ArrowsStopAtTheEndsAndStartFromNothing) {
    EXPECT_EQ(SlidingPickerRules::stepped(3, 4, 1), 3);
    EXPECT_EQ(SlidingPickerRules::stepped(0, 4, -1), 0);
    EXPECT_EQ(SlidingPickerRules::stepped(1, 4, 1), 2);
    EXPECT_EQ(SlidingPickerRules::stepped(std::nullopt, 4, 1), 0);
    EXPECT_EQ(SlidingPickerRules::stepped(std::nullopt, 4, -1), 3);
    EXPECT_EQ(SlidingPickerRules::stepped(std::nullopt, 0, 1), 0);
    // Tab reaches the chosen segment only, or the first while none is chosen.
    EXPECT_EQ(SlidingPickerRules::tabStop(2, 4), 2);
    EXPECT_EQ(SlidingPickerRules::tabStop(std::nullopt, 4), 0);
    EXPECT_EQ(SlidingPickerRules::tabStop(7, 4), 0);
}

TEST(SlidingPickerRules, TitlesShrinkTogetherToFitNarrowSegments) {
    // Room is the segment less its two insets.
    EXPECT_EQ(SlidingPickerRules::titleScale(50, 58), 1);
    EXPECT_EQ(SlidingPickerRules::titleScale(50, 200), 1);
    EXPECT_DOUBLE_EQ(SlidingPickerRules::titleScale(60, 56), 0.8);
    // Never below the minimum: past it a title is cut short instead.
    EXPECT_EQ(SlidingPickerRules::titleScale(60, 20), SlidingPickerRules::minimumTitleScale);
    EXPECT_EQ(SlidingPickerRules::titleScale(0, 20), 1);
}

TEST(StepperUnit, SingularOnlyForOne) {
    const StepperUnit unit{"opponent", "opponents"};
    EXPECT_EQ(unit.value(1), "1 opponent");
    EXPECT_EQ(unit.value(0), "0 opponents");
    EXPECT_EQ(unit.value(2), "2 opponents");
    EXPECT_EQ(unit.accessibleName(), "Opponents");
    EXPECT_EQ((StepperUnit{"big blind", "big BLINDS"}).accessibleName(), "Big Blinds");
}
