#pragma once

#include "Game/GameMode.h"
#include "Game/PauseReason.h"
#include "Style/TableStyleID.h"

#include <QSizeF>
#include <QString>

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
Control sidebarControl(bool showsSidebar);

} // namespace WindowChrome
