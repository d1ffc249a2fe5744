#pragma once

#include "Game/GameMode.h"
#include "Game/PauseReason.h"

#include "Style/PixelFont.h"
#include "Style/TableSurface.h"

#include "PokerEngine/BlindSchedule.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The words of the strip above the popover's table and of the window's subtitle. Pure.
namespace TopBarText {

// "Quick Hand", "Cash", "Sit & Go", "Practice"; empty without a game.
QString modeTitle(std::optional<GameMode> mode);

// The Sit & Go level a hand is played at: eight hands a level, never below 1, never capped.
std::int64_t sitAndGoLevel(std::int64_t handNumber);
QString levelText(std::int64_t handNumber);   // "L3"
QString levelSpoken(std::int64_t handNumber); // "Level 3"

QString blindsText(const PokerEngine::BlindLevel& blinds);   // "150/300"
QString blindsSpoken(const PokerEngine::BlindLevel& blinds); // "Blinds 150/300, ante 25"
QString blindsHint();
// The blinds' tooltip.
QString blindsHelp(const PokerEngine::BlindLevel& blinds);

// "#3/5" for the third hand of a five-hand Quick Hand, "#3" otherwise; `seriesHands` is the Quick
// Hand's hand count, absent for every other game.
QString handText(std::int64_t handNumber, std::optional<std::int64_t> seriesHands);
QString handSpoken(std::int64_t handNumber, std::optional<std::int64_t> seriesHands);

// The window's subtitle: "Level 2 · Blinds 15/30 · Hand 9".
QString subtitle(std::optional<GameMode> mode, const PokerEngine::BlindLevel& blinds,
                 std::int64_t handNumber);

// Paused for the player, the hidden surface or the guide; the practice narration's hold alone is not
// shown as a pause.
bool showsPaused(const PauseReasons& reasons);
// The player's pause holds a game going on: from the game's end on (its last result included) there is
// nothing left to hold, and the pause buttons and key are unavailable.
bool pauseAvailable(bool tableOver);
// Leaving is for a game going on: once it is over nothing is left to forfeit, and the end-of-game panel
// that follows the last result offers the way home. From the last hand's result on, the leave button
// is unavailable.
bool leaveAvailable(bool tableOver);

// What a reader hears once the sound button has turned the sounds on or off: the button's new name
// alone would not tell them, since a reader does not speak the renamed button it is on.
QString soundsTurned(bool soundsOn); // "Sounds off."

// The leave button's help, also the leave confirmation's button for the same games.
QString leaveTitle(std::optional<GameMode> mode);

// The six icon buttons at the end of the bar, in order.
enum class TopBarButton { pause, sound, guide, surface, settings, leave };
inline constexpr std::array<TopBarButton, 6> allTopBarButtons{TopBarButton::pause,    TopBarButton::sound,
                                                              TopBarButton::guide,    TopBarButton::surface,
                                                              TopBarButton::settings, TopBarButton::leave};

// What the buttons show depends on these.
struct TopBarState {
    bool paused = false; // showsPaused() of the pause reasons
    bool pauseAvailable = true;
    bool leaveAvailable = true;
    bool soundsOn = true;
    TableSurface surface = TableSurface::popover;
    std::optional<GameMode> mode;
};

// A button's symbol, its five-by-five pixel icon and its help (its tooltip and spoken name).
struct TopBarIcon {
    QString symbol;
    PixelGlyph pixel;
    QString help;
    bool operator==(const TopBarIcon&) const = default;
};
TopBarIcon icon(TopBarButton button, const TopBarState& state);
// Whether the button can be pressed in that state.
bool available(TopBarButton button, const TopBarState& state);

// How the bar's row is measured: its width, the margin at both ends, the space between texts, and
// the width of one button's face and the space between faces. A button's shadow and focus ring may
// reach into the space around its face; they take no room in the row.
struct TopBarRow {
    double width = 0;
    double margin = 12;
    double spacing = 6;
    double faceWidth = 28;
    double buttonSpacing = 8;
    int buttons = 6;
};

// Where each piece goes: the texts' left edges and widths, in order, and the buttons' faces' left edges.
struct TopBarPlacement {
    struct Span {
        double x = 0;
        double width = 0;
        bool operator==(const Span&) const = default;
    };
    std::vector<Span> texts;
    std::vector<double> faces;
    bool operator==(const TopBarPlacement&) const = default;
};

// The texts (mode, level, blinds, hand, paused tag: those shown, in order, at their natural widths)
// from the left margin and the button group against the right one, with at least 4 points between.
// When the texts do not fit, the first gives up width first (the mode title, which the level and the
// buttons' help also tell), then the next; a text given less than its width is drawn shortened.
TopBarPlacement placeRow(const TopBarRow& row, const std::vector<double>& textWidths);

} // namespace TopBarText
