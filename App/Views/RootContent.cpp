#include "Views/RootContent.h"

#include "AppState.h"
#include "BotKit/BotProfile.h"
#include "Game/GameSetup.h"
#include "GameController.h"
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

QWidget* lobbyPlaceholder(const AppEnvironment& environment, const TableTheme& theme) {
    auto* placeholder = new ShellPlaceholder(theme);
    placeholder->setText(QStringLiteral("Chipwhistle"),
                         QStringLiteral("The lobby is not built yet. A Quick Hand against an easy bot can "
                                        "still be started here."));
    GameController* controller = environment.controller;
    AppState* appState = environment.appState;
    if (controller && appState && appState->savedGame()) {
        placeholder->setText(QStringLiteral("Chipwhistle"),
                             QStringLiteral("The lobby is not built yet. Your table in progress can still be "
                                            "resumed here."));
        placeholder->setButton(QStringLiteral("Resume Table"), [controller, appState] {
            if (appState->savedGame()) {
                controller->restore(*appState->savedGame());
            }
        });
    } else if (controller) {
        placeholder->setButton(QStringLiteral("Play a Quick Hand"), [controller] {
            controller->start(
                GameSetup::quickHand(QuickHandSetup{BotKit::BotProfile::standard(BotKit::BotTier::easy),
                                                    QRandomGenerator::global()->generate64(), 1}));
        });
    }
    return placeholder;
}

} // namespace

QWidget* make(const AppEnvironment& environment, TableSurface, const TableTheme& theme) {
    const bool table = environment.controller && environment.controller->hasTable();
    return table ? tablePlaceholder(environment, theme) : lobbyPlaceholder(environment, theme);
}

void setTheme(QWidget* content, const TableTheme& theme) {
    if (auto* placeholder = qobject_cast<ShellPlaceholder*>(content)) {
        placeholder->setTheme(theme);
    }
}

} // namespace RootContent
