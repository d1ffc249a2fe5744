#pragma once

#include "Persistence/LaunchSurface.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class GameController;
struct Profile;

// What the tray icon shows: the turn badge and, when the player asks for it, a chip count.
struct StatusIconState {
    // The player's turn while the table is paused for a reason other than the practice narration.
    bool badge = false;
    // The stack at the table, else the bankroll; none unless the count is switched on.
    std::optional<std::int64_t> stack;
    bool operator==(const StatusIconState&) const = default;
};

StatusIconState statusIconState(const GameController& controller, const Profile& profile);

// The chip count beside the icon: empty without one, else the short form ("999", "1.2k", "1.5M").
QString statusIconTitle(std::optional<std::int64_t> stack);

// The icon's spoken label: "Chipwhistle, 1,480 chips, your turn".
QString statusItemLabel(bool badge, std::optional<std::int64_t> stack);

// What reached the tray icon. Linux trays report presses, not releases.
enum class IconEvent { leftMouseDown, leftMouseUp, rightMouseDown, rightMouseUp, keyDown, otherMouseDown };

// The name the click log line gives an event: "none" without one.
QString iconEventName(std::optional<IconEvent> event);

enum class IconClickOutcome { showMenu, toggleSurface, showOnboarding };

// A right click or a click with Control (the Super key here) opens the menu; any other click
// toggles the table once the player is onboarded, and brings onboarding back before that.
IconClickOutcome iconClickOutcome(std::optional<IconEvent> event, bool controlHeld, bool onboarded);

// The two kinds of tray. One embeds the icon's own window (XEmbed): it tells the icon's place and leaves
// the menu to the program. The other draws the icon from what the program publishes over D-Bus
// (StatusNotifierItem): it tells no place until a click and draws the menu itself, from the published one.
enum class TrayKind { embedding, statusNotifier };

// Whether the menu is published for the tray to draw on a right click, rather than popped up by the
// program: a tray that draws the icon shows only a published menu, and Qt pops a published menu up by
// itself on an embedding tray, over the program's own.
bool trayDrawsTheMenu(TrayKind tray);

// Whether the icon is up, so that the popover has a place to open at: an embedded one once the tray has
// given it a frame, a drawn one once the tray's watcher holds it (the only word such a tray gives).
bool trayIconIsUp(TrayKind tray, bool shown, QRect frame, bool registered);

enum class StatusMenuCommand { openWindow, showPopover, settings, separator, quit };

struct StatusMenuItem {
    StatusMenuCommand command = StatusMenuCommand::separator;
    QString title;
    // As QKeySequence reads it; empty for none.
    QString shortcut;
    bool operator==(const StatusMenuItem&) const = default;
};

// What a left click on the icon does. It reaches the program on every tray but GNOME Shell's AppIndicator
// extension, which opens the menu with it (by design) and calls the program only on a double click.
enum class LeftClick { reachesTheGame, opensTheMenu };

// The right-click menu. Its first item offers the surface a left click does not open: the other one,
// or, where a left click opens only the menu, the one a click would open, then the other.
std::vector<StatusMenuItem> statusMenuItems(LaunchSurface iconOpens, LeftClick leftClick);

// Whether the tray menu opens with its first item held: only while a screen reader runs, since a reader
// says nothing of a menu with nothing held. How the menu was asked for has no say, for the program cannot
// tell: a tray that embeds the icon hands over the press itself, while one that speaks StatusNotifierItem
// calls over D-Bus with no button down, for a click and a key alike. Without a reader, an on-screen
// keyboard or a magnifier included, the menu opens as menus open here, with nothing held, so Down then
// Return takes the first item.
bool statusMenuHoldsFirstItem(bool screenReaderRuns);

// What a reader says for an item: its title, then the shortcut the menu shows beside it, a punctuation
// key by its name ("Settings…, Ctrl+Comma"): readers pass over a lone comma.
QString statusMenuItemSpokenName(const StatusMenuItem& item);
