#pragma once

#include "Game/GameMode.h"
#include "Game/PauseReason.h"
#include "Style/TableStyleID.h"

#include "PokerEngine/PlayerView.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

// The texts and sizes of the table window around the table, decided without a window.
namespace WindowChrome {

inline constexpr QSizeF defaultSize{1100, 750};
inline constexpr QSizeF minimumSize{900, 620};

// How wide the sidebar starts, and how wide it may be dragged, for a content size and style.
struct SidebarWidths {
    double ideal = 300;
    double max = 360;
    bool operator==(const SidebarWidths&) const = default;
};
SidebarWidths sidebarWidths(QSizeF window, TableStyleID style);

// "Quick Hand", "Cash Table", "Sit & Go", "Practice Hand"; "Chipwhistle" without a table.
QString title(std::optional<GameMode> mode);
// The title with the game's standing once a hand is dealt, so the window tells what the popover's bar
// tells: "Sit & Go — Level 2 · Blinds 20/40 · Hand 12". The lobby's is "Chipwhistle".
QString windowTitle(bool hasTable, std::optional<GameMode> mode,
                    const std::optional<PokerEngine::PlayerView>& view);

// A toolbar button: its title (also its spoken label), its symbol and its tooltip.
struct Control {
    QString title;
    QString symbol;
    QString help;
    bool operator==(const Control&) const = default;
};
// "Resume" while the table is paused for anything but the practice narration, else "Pause".
Control pauseControl(const PauseReasons& reasons);
Control soundControl(bool soundsOn);
// Every title the pause and sound buttons take in turn: each is as wide as its longest, so the buttons
// after it keep their places when it changes.
QStringList pauseTitles();
QStringList soundTitles();
Control sidebarControl(bool showsSidebar);

// What the sidebar shows, and whether it is out.
enum class SidebarContent { log, guide };
struct Sidebar {
    bool shown = true;
    SidebarContent content = SidebarContent::log;
    bool operator==(const Sidebar&) const = default;
};
// "Poker Basics": with the guide out it goes back to the log, the sidebar staying; otherwise the
// sidebar comes out on the guide.
Sidebar afterGuideControl(Sidebar sidebar);
// "Sidebar": hides or shows it on what it showed.
Sidebar afterSidebarControl(Sidebar sidebar);
// Whether the sidebar's guide exists: only while it shows beside a table. Put away it is destroyed, so
// the next opens where a new guide does.
bool guideLives(bool hasTable, Sidebar sidebar);
// Whether a change of the sidebar brings a new guide out beside a table: it then reads the page it
// opens on, which otherwise only sits in the sidebar where the keys are not.
bool guideComesOut(bool hasTable, Sidebar before, Sidebar after);

} // namespace WindowChrome
