#pragma once

#include "Game/CashStakes.h"
#include "Style/ChipDenomination.h"
#include "Style/RGB.h"

#include <QString>

#include <cstdint>
#include <optional>

// The rules of the new-game sheet's controls, decided without a display: the stakes cards, the
// buy-in slider, the sliding picker's arrow keys and the stepper's words.

// One stakes card: its blinds, its minimum buy-in and whether the spendable chips reach it.
struct StakeCard {
    CashStakes stakes = CashStakes::low;
    // "5/10": plain digits.
    QString title;
    // "Needs 2,000" while locked, "Buy-in 2,000+" otherwise.
    QString subtitle;
    bool locked = false;
    bool selected = false;
    ChipDenomination chip = ChipDenomination::d5;
    // "25/50, locked, needs 2,000 chips" or "25/50, buy-in from 2,000 chips".
    QString accessibleName;

    bool operator==(const StakeCard&) const = default;

    static StakeCard make(CashStakes stakes, CashStakes selection, std::int64_t spendable);
};

namespace Stakes {
inline constexpr std::int64_t minimumBigBlinds = 40;
inline constexpr std::int64_t maximumBigBlinds = 100;
// 40 big blinds: 400, 2,000 or 8,000.
std::int64_t minimumBuyIn(CashStakes stakes);
// The chip of the stakes' colour: the 5, the 25 or the 100.
ChipDenomination chip(CashStakes stakes);
// "5/10".
QString blinds(CashStakes stakes);
// Why a table at these stakes can't be sat at: "5/10 needs 400 chips (40 BB). You have 250."
QString shortfall(CashStakes stakes, std::int64_t spendable);
} // namespace Stakes

// The buy-in slider's scale: 40 to 100 big blinds, detents at 40, 60, 80 and 100, never above the cap.
namespace BuyInScale {
inline constexpr int detents[] = {40, 60, 80, 100};
inline constexpr double edge = 14;
// The highest value the slider writes: the cap, kept within 40 to 100.
std::int64_t limit(std::int64_t cap);
// The value drawn, spoken and stepped from; the bound value is left as it is until the player moves.
std::int64_t shown(std::int64_t bigBlinds, std::int64_t cap);
// Where `value` sits on a slider `width` wide.
double x(double value, double width);
// The value under a fraction of the track: rounded, snapped within 2 of a detent, kept under the cap.
std::int64_t valueAt(double fraction, std::int64_t cap);
// An arrow key: `step` (±1, ±10) from the shown value, kept in range, never snapped.
std::int64_t stepped(std::int64_t bigBlinds, std::int64_t cap, std::int64_t step);
// Where a key moves the slider, as every slider of the desktop moves: the arrows by 1 (10 with Shift),
// Page Up and Page Down by 10, Home and End to either end. None for a key the slider leaves alone.
std::optional<std::int64_t> keyed(int key, bool shift, std::int64_t bigBlinds, std::int64_t cap);
// "600 chips, 60 big blinds. You can afford up to 75 big blinds".
QString spokenValue(std::int64_t bigBlinds, std::int64_t cap, std::int64_t bigBlind);

// The slider's box from its top down: the track, the chip riding on it, and the detent labels.
inline constexpr double boxHeight = 50;
inline constexpr double trackTop = 11;
inline constexpr double trackHeight = 8;
inline constexpr double chipDiameter = 28;
// The chip grows by this under the pointer.
inline constexpr double grownScale = 1.12;
inline constexpr double labelTop = 35;
inline constexpr double labelHeight = 14;
// The chip's centre, on the middle of the track.
inline constexpr double chipCentreY = trackTop + trackHeight / 2;
// How far down the chip reaches at `scale`, its edge included. The labels start below it grown, so the
// chip never covers "100 BB".
double chipBottom(double scale);
} // namespace BuyInScale

// Where the sliding picker's arrow keys go: from nothing to the first (right) or last (left),
// otherwise one step, stopping at the ends.
namespace SlidingPickerRules {
int stepped(std::optional<int> from, int count, int by);
// The one segment Tab reaches, so the ring always marks the choice: the chosen one, or the first
// while nothing is chosen. The arrows move the choice, and the keys with it.
int tabStop(std::optional<int> selected, int count);
// Titles keep this much room from their segment's sides.
inline constexpr double titleInset = 4;
// Titles shrink no further than this share of their size; past it they are cut short.
inline constexpr double minimumTitleScale = 0.75;
// The share of their size all titles are drawn at so that the widest, `widestTitle` wide at full size,
// fits a segment `segmentWidth` wide: 1 when it fits, else smaller, down to `minimumTitleScale`.
double titleScale(double widestTitle, double segmentWidth);
// The track, laid over what the picker sits on, and the raised pill that marks the chosen segment: the
// pill is lighter than the track in dark as in light, so the chosen side reads as chosen.
RGB trackColour(bool dark, bool increaseContrast);
RGB pillColour(bool dark);
} // namespace SlidingPickerRules

// The words of the stepper: "1 opponent", "3 opponents"; the spoken name "Opponents".
struct StepperUnit {
    QString one;
    QString many;

    QString word(std::int64_t count) const { return count == 1 ? one : many; }
    QString value(std::int64_t count) const { return QString::number(count) + u' ' + word(count); }
    // Said on a press past an end of the range: "1 opponent is the fewest.", "5 opponents is the most."
    QString limit(std::int64_t count, bool lowest) const {
        return value(count) + (lowest ? QStringLiteral(" is the fewest.") : QStringLiteral(" is the most."));
    }
    // `many` with every word capitalised.
    QString accessibleName() const;
};
