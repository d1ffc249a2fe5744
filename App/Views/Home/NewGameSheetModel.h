#pragma once

#include "Game/GameMode.h"
#include "Game/GameSetup.h"
#include "Persistence/NewGameChoices.h"
#include "Style/SheetControls.h"

#include "BotKit/BotProfile.h"
#include "PokerEngine/BlindSchedule.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The figures under the cash table's buy-in slider.
struct BuyInFigures {
    // The largest buy-in offered, in big blinds: what the spendable chips reach, within 40 to 100.
    std::int64_t cap = 100;
    // The buy-in the table would seat, in big blinds.
    std::int64_t shown = 100;
    // The chips the player sits down with.
    std::int64_t amount = 0;
    // The spendable chips don't reach the stakes' minimum; the slider is disabled.
    bool isShort = false;
    // "400 – 930 (your bankroll)".
    QString range;
    // "Buy-in: 1,000 chips, 100 big blinds": the amount line as a reader hears it.
    QString spoken;

    bool operator==(const BuyInFigures&) const = default;
};

// One new-game sheet: its mode and the seed every setup it builds is drawn from, fixed for the
// sheet's life. Every figure the sheet shows comes from the remembered choices and the spendable
// chips of the moment, read through the clamps of a real table, so the sheet never shows a number
// the table would not seat.
class NewGameSheetModel {
  public:
    NewGameSheetModel(GameMode mode, std::uint64_t seed)
        : mode_(mode)
        , seed_(seed) {}

    GameMode mode() const { return mode_; }
    std::uint64_t seed() const { return seed_; }

    // The setup a start would hand to the lobby.
    GameSetup setup(const NewGameChoices& choices, std::int64_t spendable) const;
    // Why a start is refused: the spendable chips don't pay the setup's cost.
    std::optional<QString> blockedReason(const NewGameChoices& choices, std::int64_t spendable) const;
    // "Deal · 2,000", "Sit Down · 650", "Register · 500", "Deal".
    QString startTitle(const NewGameChoices& choices, std::int64_t spendable) const;
    // The opponents shown on the preview: exactly the bots the setup seats.
    std::vector<BotKit::BotProfile> previewPlayers(const NewGameChoices& choices,
                                                   std::int64_t spendable) const;
    // What a reader hears of the preview, which it reads as the sheet opens: the count on the stepper
    // over it ("3 opponents", "5 hands"), then who sits at the table.
    QString previewSpoken(const NewGameChoices& choices, std::int64_t spendable) const;
    // The words of the count on the preview's stepper: hands for a Quick Hand, opponents at a cash
    // table; none where the preview has no stepper.
    static std::optional<StepperUnit> countUnit(GameMode mode);
    // The blinds a term explanation quotes: the cash stakes' blinds, otherwise 10/20.
    PokerEngine::BlindLevel termBlinds(const NewGameChoices& choices) const;

    static BuyInFigures buyIn(const NewGameChoices& choices, std::int64_t spendable);
    // The remembered counts as a table would seat them: hands 1 to 50, opponents 1 to 5.
    static std::int64_t hands(const NewGameChoices& choices);
    static std::int64_t opponents(const NewGameChoices& choices);
    // The line under the stakes cards: a tried locked stake, else the blocked reason, else a blank
    // that keeps the line's height.
    static QString messageLine(const std::optional<QString>& lockedReason,
                               const std::optional<QString>& blocked);
    // The practice table the lobby and the sheet deal: the standard easy bot, always the same cards.
    static GameSetup practiceSetup();
    // Heading of the sheet: the mode title.
    static QString title(GameMode mode);
    // The table preview's height when the sheet's rows need `overflow` more than the sheet has (the
    // popover's cash table): it gives up height first, down to a floor, rather than let the rows run
    // into each other.
    static int previewHeight(int overflow);
    // Where the form sits in a sheet covering `sheet`. In the popover (no `column`) it fills the sheet
    // and the start button rests at its foot. In the window's column it is as tall as its rows need
    // (`natural`, the start button 8 under the last choice), at most the column, and centred: the
    // button follows the choices instead of leaving an empty band above it.
    static QRect formFrame(const QRect& sheet, const std::optional<QSize>& column, int natural);

  private:
    GameMode mode_;
    std::uint64_t seed_;
};
