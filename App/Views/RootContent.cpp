#include "Views/RootContent.h"

#include "AppState.h"
#include "GameController.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/HomeView.h"
#include "Views/ShellPlaceholder.h"
#include "Views/Table/TableScreen.h"

namespace RootContent {

QWidget* make(const AppEnvironment& environment, TableSurface surface, const TableTheme& theme,
              std::function<void()> openGuide, bool rootIsNew) {
    if (environment.controller && environment.controller->hasTable()) {
        auto* screen = new TableScreen(environment, surface, std::move(openGuide));
        if (rootIsNew) {
            screen->joinTableUnderWay();
        }
        setTheme(screen, theme);
        return screen;
    }
    if (!environment.appState || !environment.controller) {
        // A root shown without the game (a gallery sheet) has nothing to offer.
        return new ShellPlaceholder(theme);
    }
    // The window frames the lobby in its fixed column; the popover is the column.
    return new HomeView(environment, surface, theme,
                        surface == TableSurface::window ? std::optional<QSize>(HomeColumn::window)
                                                        : std::nullopt);
}

void setTheme(QWidget* content, const TableTheme& theme) {
    if (auto* placeholder = qobject_cast<ShellPlaceholder*>(content)) {
        placeholder->setTheme(theme);
    } else if (auto* home = qobject_cast<HomeView*>(content)) {
        home->setTheme(theme);
    } else if (auto* screen = qobject_cast<TableScreen*>(content)) {
        // The screen picks its own style and sizes for its surface; the desktop's look comes from the root.
        screen->setAppearance(AppearanceFlags{theme.dark, theme.increaseContrast, theme.reduceMotion});
    }
}

void takeKeys(QWidget* content) {
    if (auto* home = qobject_cast<HomeView*>(content)) {
        home->takeKeys();
    } else if (auto* screen = qobject_cast<TableScreen*>(content)) {
        screen->takeKeys();
    } else if (content) {
        content->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace RootContent
