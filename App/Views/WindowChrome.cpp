#include "Views/WindowChrome.h"

#include "Table/Screen/SeatClearance.h"
#include "Table/Screen/TopBarText.h"

#include <algorithm>
#include <cmath>

namespace WindowChrome {

SidebarWidths sidebarWidths(QSizeF window, TableStyleID style) {
    const double top = style == TableStyleID::paper ? 48 : style == TableStyleID::pixel ? 51 : 0;
    const double stageHeight = std::max(window.height() - top - 124 - 12, 300.0);
    const double column = SeatClearance::fullTableColumnWidth(stageHeight, style);
    SidebarWidths widths;
    widths.max = std::max(std::floor(window.width() - column), 360.0);
    widths.ideal = std::max(std::round(0.24 * window.width()), 300.0);
    if (widths.ideal >= widths.max) {
        widths.ideal = widths.max;
    }
    return widths;
}

QString title(std::optional<GameMode> mode) {
    return mode ? QString::fromUtf8(::title(*mode).data()) : QStringLiteral("Chipwhistle");
}

QString windowTitle(bool hasTable, std::optional<GameMode> mode,
                    const std::optional<PokerEngine::PlayerView>& view) {
    if (!hasTable) {
        return title(std::nullopt);
    }
    if (!view || view->handNumber < 1) {
        return title(mode);
    }
    return title(mode) + QStringLiteral(" \u2014 ") +
           TopBarText::subtitle(mode, view->blinds, view->handNumber);
}

Control pauseControl(const PauseReasons& reasons) {
    return TopBarText::showsPaused(reasons) ? Control{"Resume", "play.fill", "Resume (P)"}
                                            : Control{"Pause", "pause.fill", "Pause (P)"};
}

Control soundControl(bool soundsOn) {
    return soundsOn ? Control{"Mute Sounds", "speaker.wave.2.fill", "Mute Sounds"}
                    : Control{"Unmute Sounds", "speaker.slash.fill", "Unmute Sounds"};
}

QStringList pauseTitles() {
    return {pauseControl({}).title, pauseControl({PauseReason::user}).title};
}

QStringList soundTitles() {
    return {soundControl(true).title, soundControl(false).title};
}

Control sidebarControl(bool showsSidebar) {
    return Control{"Sidebar", "sidebar.trailing", showsSidebar ? "Hide Sidebar" : "Show Sidebar"};
}

Sidebar afterGuideControl(Sidebar sidebar) {
    if (sidebar.shown && sidebar.content == SidebarContent::guide) {
        return {true, SidebarContent::log};
    }
    return {true, SidebarContent::guide};
}

Sidebar afterSidebarControl(Sidebar sidebar) {
    return {!sidebar.shown, sidebar.content};
}

bool guideLives(bool hasTable, Sidebar sidebar) {
    return hasTable && sidebar.shown && sidebar.content == SidebarContent::guide;
}

bool guideComesOut(bool hasTable, Sidebar before, Sidebar after) {
    return !guideLives(hasTable, before) && guideLives(hasTable, after);
}

} // namespace WindowChrome
