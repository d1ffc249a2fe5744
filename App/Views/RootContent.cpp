#include "Views/RootContent.h"

#include "AppState.h"
#include "BotKit/BotProfile.h"
#include "Game/GameSetup.h"
#include "GameController.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/HomeView.h"
#include "Views/ShellPlaceholder.h"

#include <QRandomGenerator>

namespace RootContent {

namespace {

QWidget* tablePlaceholder(const AppEnvironment& environment, const TableTheme& theme) {
    auto* placeholder = new ShellPlaceholder(theme);
    const auto view = environment.controller ? environment.controller->view() : std::nullopt;
    const QString hand = view ? QStringLiteral("Hand %1 is running. ").arg(view->handNumber) : QString();
    placeholder->setText(
        QStringLiteral("Table"),
        hand + QStringLiteral("The table screen is not built yet, so it cannot be shown here."));
    if (GameController* controller = environment.controller) {
        placeholder->setButton(QStringLiteral("Leave Table"), [controller] { controller->leaveTable(); });
    }
    return placeholder;
}

} // namespace

QWidget* make(const AppEnvironment& environment, TableSurface surface, const TableTheme& theme) {
    const bool table = environment.controller && environment.controller->hasTable();
    if (table || !environment.appState || !environment.controller)
        return tablePlaceholder(environment, theme);
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
    }
}

} // namespace RootContent
