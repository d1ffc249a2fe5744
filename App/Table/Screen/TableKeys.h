#pragma once

#include "Game/PauseReason.h"
#include "Game/RaisePreset.h"
#include "Learn/PracticeCaption.h"
#include "Table/RaiseTarget.h"

#include "PokerEngine/Action.h"
#include "PokerEngine/PlayerView.h"

#include <QString>
#include <Qt>

#include <cstdint>
#include <optional>
#include <variant>

// One key-down press as the table sees it: the typed characters, the key, and the modifiers held.
struct TableKeyPress {
    QString text;
    int key = 0; // a Qt::Key
    Qt::KeyboardModifiers modifiers;
    // The key held down and repeating: a held key is one press, so the repeats do nothing.
    bool autoRepeat = false;
    // The press reached the table from elsewhere in its window (the action log, the toolbar or the guide
    // beside it) because nothing there took it. Every table key counts from there, as it would on the
    // table: the player sees the table and its prompt, wherever the focus happens to rest.
    bool fromElsewhere = false;
};

// Everything the keys depend on at the moment of the press.
struct TableKeyContext {
    // The view the table shows: a key acts only on a decision the player has seen.
    const PokerEngine::PlayerView* view = nullptr;
    bool confirmingLeave = false;
    bool guideOpen = false;
    TableFocus focus = TableFocus::table;
    // The practice caption showing for the view, if any.
    std::optional<PracticeCaption> caption;
    PauseReasons pauseReasons;
    bool showingResult = false;
    std::int64_t raiseTo = 0;
    // The betting controls have been on screen long enough to be seen. Return and Space also move the
    // narration on and deal the next hand, so a player pressing them in a row must not bet with the
    // press after the one that brought the controls up.
    bool controlsSeen = true;
    // The player's turn is open: the decision shown is the game's, its cards seen, nothing holding it.
    bool turnOpen = true;
    // What the reader is told when an action key cannot act now.
    QString notNow;
};

// What a handled key asks the screen to do.
namespace TableCommand {
struct FocusTable {
    bool operator==(const FocusTable&) const = default;
};
struct FocusRaiseField {
    bool operator==(const FocusRaiseField&) const = default;
};
struct OpenGuide {
    bool operator==(const OpenGuide&) const = default;
};
// After a fold in the practice hand: the same practice hand again.
struct PracticeAgain {
    bool operator==(const PracticeAgain&) const = default;
};
struct AcknowledgePractice {
    bool operator==(const AcknowledgePractice&) const = default;
};
// Resume when the player paused, pause otherwise.
struct TogglePause {
    bool operator==(const TogglePause&) const = default;
};
struct DealNextHand {
    bool operator==(const DealNextHand&) const = default;
};
struct Act {
    PokerEngine::Action action;
    bool operator==(const Act&) const = default;
};
// An action key the table cannot take now: the player hears why instead.
struct Tell {
    QString sentence;
    bool operator==(const Tell&) const = default;
};
struct ChoosePreset {
    RaisePreset preset;
    std::int64_t raiseTo = 0;
    bool operator==(const ChoosePreset&) const = default;
};
} // namespace TableCommand

using TableKeyCommand =
    std::variant<TableCommand::FocusTable, TableCommand::FocusRaiseField, TableCommand::OpenGuide,
                 TableCommand::PracticeAgain, TableCommand::AcknowledgePractice, TableCommand::TogglePause,
                 TableCommand::DealNextHand, TableCommand::Act, TableCommand::ChoosePreset,
                 TableCommand::Tell>;

// The table's single-key play. Pure: the screen carries out the command and reports `handled`.
namespace TableKeys {

// How long the betting controls are on screen before Return and Space bet with them: about the time
// a player takes to see the amount on the button.
inline constexpr double controlsSettleSeconds = 0.4;

// Return and Space bet with controls that came up `shownAt` only once they have been seen, unless they
// came up well after the last Return or Space that moved the game on (`advancedAt`): only a press
// right after the one that brought them up could mean that one again. Times in seconds.
bool controlsSeen(double now, double shownAt, double advancedAt);

// Absent: the press is ignored and passes on to the window. A press with Ctrl, Alt or Super held is
// always passed on, so window shortcuts (Ctrl+C, Alt+F) never fold or call.
std::optional<TableKeyCommand> handle(const TableKeyPress& press, const TableKeyContext& context);

} // namespace TableKeys
