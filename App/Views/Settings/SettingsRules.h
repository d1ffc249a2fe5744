#pragma once

#include "Game/GameMode.h"
#include "Persistence/HotkeySetting.h"
#include "Persistence/LaunchSurface.h"
#include "Style/TableTheme.h"

#include <QString>

#include <cstdint>
#include <optional>

class AppState;
class GameController;
class GlobalHotkey;

// The Settings window's texts and rules, apart from the form that shows them.
namespace SettingsRules {

// "1 win, 1 second place, 3 played": plain digits, no grouping, unlike the other bankroll rows.
QString sitAndGoSummary(std::int64_t firsts, std::int64_t seconds, std::int64_t played);
// "10,000 chips".
QString bankrollText(std::int64_t bankroll);
QString handsPlayedText(std::int64_t hands);
// A value no key reaches, as a reader reads it: with its title, "Bankroll, 10,000 chips". A reader that
// passes the section reads out only its lines of a few words, and a bare figure is not among them.
QString spokenValue(const QString& title, const QString& value);

// The subtitle under "Open Chipwhistle in", which follows the stored surface.
QString launchSurfaceSubtitle(LaunchSurface surface);

// The default-table picker offers two modes; a stored cash table or practice hand selects neither.
std::optional<int> defaultTableIndex(GameMode mode);
GameMode defaultTableAt(int index);

// The hotkey rows: the switch and the recorder each write the whole setting back, keeping the other
// field as stored.
HotkeySetting withEnabled(HotkeySetting stored, bool enabled);
HotkeySetting withShortcut(HotkeySetting stored, const KeyShortcut& shortcut);
// A recorded shortcut is stored only once the desktop has taken it: refused, the previous shortcut stays
// stored and in force, and the answer says why the new one was not taken. Without a hotkey (no shell)
// it is stored as is.
std::optional<QString> recordShortcut(AppState& appState, GlobalHotkey* hotkey, const KeyShortcut& shortcut);
// The recorder and the problem text show only while the shortcut is on, and the problem (in red: the
// stored shortcut is not in force) only when there is one.
bool showsRecorder(const HotkeySetting& stored);
bool showsHotkeyProblem(const HotkeySetting& stored, const std::optional<QString>& problem);
// Why the desktop refused the shortcut just recorded: shown only while the recorder waits for another.
std::optional<QString> refusalNote(const HotkeySetting& stored, bool recording,
                                   const std::optional<QString>& refusal);

// The Poker Basics guide opened from Settings: its pictures in the player's style (satin when that style
// is not offered), its controls always in satin; both follow the desktop's appearance.
struct GuideThemes {
    TableTheme art;
    TableTheme theme;
};
GuideThemes guideThemes(TableStyleID storedStyle, AppearanceFlags appearance, bool fourColorDeck);

// The reset confirmation.
QString resetTitle();
QString resetMessage(bool hasTable, bool hasSavedGame);
// What a reader hears once the bankroll is back: "Bankroll reset to 10,000 chips."
QString resetAnnouncement(std::int64_t bankroll);
// Ends whatever game is in progress, then puts the bankroll back. A table left here may still leave a
// saved game behind (one it did not write); that is abandoned too, so nothing stays half-booked.
void resetBankroll(AppState& appState, GameController& controller);

// The grey of the explanation lines under a setting, from the text colour and the ground the line is
// drawn on: part of the way from the text toward the ground, but never so far that it reads at less
// than `wanted`. (The desktop's placeholder grey is made for fields and can all but vanish on a dark
// window.)
RGB explanationColour(const RGB& text, const RGB& ground, double wanted);
// The red of a problem line: moved toward the text colour as far as it takes to read at `wanted`.
RGB problemColour(const RGB& text, const RGB& ground, double wanted);
// The edge of a check box's box: part of the way from the ground toward the text, as far as it takes
// to stand out at `wanted` (a control's boundary wants 3:1).
RGB controlEdgeColour(const RGB& text, const RGB& ground, double wanted);

} // namespace SettingsRules
