#include "DesktopScreens.h"

#include "PokerEngine/Precondition.h"
#include "System/X11Panels.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

std::size_t DesktopScreens::at(QPoint point) const {
    CW_PRECONDITION(!geometries.empty());
    const qsizetype found = QGuiApplication::screens().indexOf(QGuiApplication::screenAt(point));
    return found >= 0 && std::size_t(found) < geometries.size() ? std::size_t(found) : primary;
}

DesktopScreens desktopScreens() {
    DesktopScreens desktop;
    std::vector<ReportedScreen> reported;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        reported.push_back({screen->geometry(), screen->availableGeometry(), screen->devicePixelRatio()});
        desktop.geometries.push_back(screen->geometry());
    }
    desktop.primary = std::size_t(std::max<qsizetype>(0, screens.indexOf(QGuiApplication::primaryScreen())));
    // With one screen the toolkit tells its work area, but only the struts tell a panel from a dock.
    DesktopPanels panels;
    if (const std::optional<X11Panels> published = x11Panels()) {
        panels.desktop = published->desktop;
        panels.workArea = published->workArea;
        for (const std::vector<std::uint32_t>& values : published->struts) {
            if (const std::optional<PanelStrut> strut = panelStrut(values, panels.desktop)) {
                panels.struts.push_back(*strut);
            }
        }
    }
    desktop.workAreas = workAreas(reported, panels);
    desktop.panelBands = panelBands(reported, panels);
    return desktop;
}
