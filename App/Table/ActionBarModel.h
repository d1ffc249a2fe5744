#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "Game/RaisePreset.h"
#include "PokerEngine/Action.h"
#include "PokerEngine/PlayerView.h"
#include "Style/TableTheme.h"

// One control of the action bar, as the keyboard reaches it; a preset names which one.
struct ActionBarControl {
    enum class Kind { preset, slider, amountField, fold, passive, raise };
    Kind kind = Kind::fold;
    std::optional<RaisePreset> preset;
    bool operator==(const ActionBarControl&) const = default;
};

// Everything the action bar shows and sends, decided from the player's view, its legal actions and the
// shared raise target: titles, tooltips, widths, which preset is lit, and the bet or raise that the
// Bet/Raise button (or Return in the amount field) sends. The bar only paints it and forwards presses.
struct ActionBarModel {
    PokerEngine::PlayerView view;
    PokerEngine::LegalActions legal;
    std::int64_t raiseTo = 0;
    std::optional<RaisePreset> chosenPreset;

    // A bet or raise is possible: the presets, the amount row and the Bet/Raise button show.
    bool canRaise() const { return legal.minRaiseTo.has_value(); }

    // The target as the presets see it: the raise target held in [minimum, all-in].
    std::int64_t current() const;
    // The target the Bet/Raise button shows: never below the minimum.
    std::int64_t shownTarget() const;

    // Calling takes every chip the player has behind.
    bool callIsAllIn() const;
    QString passiveTitle() const;
    QString raiseTitle() const;
    static QString foldTooltip() { return QStringLiteral("Fold (F)"); }
    QString passiveTooltip() const;
    QString raiseTooltip() const;
    PokerEngine::Action passiveAction() const;

    // The presets that have an amount in this view.
    RaisePresetAmounts presetAmounts() const;
    std::optional<RaisePreset> selectedPreset() const;
    // The action the Bet/Raise button sends: all-in when the target reaches the stack and all-in is
    // allowed, else a bet or raise to the target held in the legal range; nothing without a raise.
    std::optional<PokerEngine::Action> confirmRaise() const;

    // The slider's range and step: the minimum to the all-in, in steps of the small blind (at least 1).
    std::int64_t sliderLower() const { return legal.minRaiseTo.value_or(0); }
    std::int64_t sliderUpper() const { return std::max(legal.maxRaiseTo, sliderLower()); }
    std::int64_t sliderStep() const { return std::max<std::int64_t>(view.blinds.smallBlind, 1); }

    // The widths of Fold, Check/Call and Bet/Raise in a row `width` wide (Bet/Raise 0 when hidden).
    struct ButtonWidths {
        double fold = 0;
        double passive = 0;
        double raise = 0;
        bool operator==(const ButtonWidths&) const = default;
    };
    ButtonWidths buttonWidths(double width) const;
    static constexpr double buttonSpacing = 8;

    // Layout of the bar's rows by theme.
    static double presetSpacing(const TableTheme& theme);
    static double amountRowHeight(const TableTheme& theme);
    static double amountFieldWidth(const TableTheme& theme);
    // The height of the main buttons' row: four more in satin.
    static double buttonRowHeight(const TableTheme& theme);

    // The tops of the bar's rows, 8 apart, in a band `bandHeight` high whose preset faces are
    // `presetHeight` high. The column stands on the band's bottom, so Fold and Check/Call stay put
    // whether or not a raise is offered above them.
    struct RowTops {
        std::optional<double> presets;
        std::optional<double> amount;
        double buttons = 0;
        bool operator==(const RowTops&) const = default;
    };
    double columnHeight(const TableTheme& theme, double presetHeight) const;
    RowTops rowTops(const TableTheme& theme, double presetHeight, double bandHeight) const;
    // Every control of the bar in the order it is read in, which Tab follows: row by row from the top
    // (the presets, the slider and the field, the main buttons), each row left to right. Tab passes
    // over the controls a view hides.
    static std::vector<ActionBarControl> readingOrder();
};

// An English ordinal: 1st, 2nd, 3rd, 4th, 11th, 21st, 111th.
QString ordinal(std::int64_t number);

// What a message in the action bar's place says to a screen reader when it appears: the title and the
// detail as sentences, an absent detail left out.
QString actionMessageAnnouncement(const QString& title, const std::optional<QString>& detail);

// The width of both of a message's buttons: the style's frame (140 points, 60 pixel units in the
// pixel style), or the widest button's own width when a title needs more, so that a title such as
// "Play a Quick Hand" is never cut short in a wider typeface; the pair stays one width.
double actionMessageButtonWidth(const TableTheme& theme, double widestButton);
