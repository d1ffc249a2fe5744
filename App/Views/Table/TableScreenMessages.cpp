#include "Views/Table/TableScreen.h"

#include "AppState.h"
#include "GameController.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "SurfaceCoordinator.h"
#include "Table/Screen/PlayerPause.h"
#include "Table/Screen/TableOverModel.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Table/ActionMessage.h"

#include <QRandomGenerator>

// The messages the row under the table shows: the question before leaving, the end of the game and the
// pause.

void TableScreen::showLeaveQuestion(std::optional<GameMode> mode) {
    const auto confirm = TableScreenRules::leaveConfirmation(mode, environment_.controller->leaveForfeit());
    putMessage(confirm.title, confirm.detail, confirm.button, ControlKind::danger(),
               std::make_pair(confirm.keepPlaying, std::function<void()>([this] {
                                  environment_.surfaces->setConfirmingLeave(false);
                              })),
               [this] {
                   // Taking the question away opens the turn again for a moment; the player has left it.
                   speaker_.leaving();
                   environment_.surfaces->setConfirmingLeave(false);
                   environment_.controller->leaveTable();
               });
    message_->setKeepsTab(true);
    StyleAccessibility::setName(message_->primaryButton(), confirm.buttonName);
}

void TableScreen::showTableOver() {
    GameController* game = environment_.controller;
    AppState* appState = environment_.appState;
    TableOverModel::Inputs in{*game->tableOver(),
                              game->setup(),
                              appState ? appState->choices() : NewGameChoices{},
                              appState ? appState->profile().bankroll : 0,
                              appState ? appState->spendable() : 0,
                              appState && appState->savedGame().has_value(),
                              QRandomGenerator::system()->generate64()};
    const TableOverModel panel = TableOverModel::make(in);
    const auto press = [this, panel](TableOverModel::Action action) {
        return std::function<void()>([this, panel, action] {
            const auto pressed =
                panel.press(action, environment_.appState ? environment_.appState->spendable() : 0);
            refusal_ = pressed.refusal;
            if (pressed.leaves) {
                environment_.controller->leaveTable();
            } else if (pressed.starts) {
                environment_.controller->start(*pressed.starts);
            } else {
                refreshBottom();
            }
        });
    };
    std::optional<std::pair<QString, std::function<void()>>> secondary;
    if (panel.secondary) {
        secondary = std::make_pair(panel.secondary->title, press(panel.secondary->action));
    }
    putMessage(panel.title, refusal_.value_or(panel.detail), panel.primary.title, ControlKind::confirm(),
               secondary, press(panel.primary.action));
}

void TableScreen::showPause() {
    const TableScreenRules::PauseMessage paused;
    putMessage(paused.title, paused.detail, paused.button, ControlKind::confirm(), std::nullopt,
               [this] { PlayerPause::toggle(*environment_.controller); });
}

void TableScreen::putMessage(const QString& title, const std::optional<QString>& detail,
                             const QString& button, ControlKind kind,
                             std::optional<std::pair<QString, std::function<void()>>> secondary,
                             std::function<void()> action) {
    // A message is made anew only when its words change, so it is announced once.
    const QString words = title + QLatin1Char('\n') + detail.value_or(QString()) + QLatin1Char('\n') + button;
    if (message_ && message_->property("words").toString() == words) {
        message_->show();
        return;
    }
    if (message_) {
        hideRow(message_);
        message_->deleteLater();
    }
    message_ = new ActionMessage(theme_, title, detail, button, kind, std::move(secondary), std::move(action),
                                 announcer_, bottom_);
    message_->setProperty("words", words);
    messageTitle_ = title;
    message_->setGeometry(rowRect());
    message_->show();
}
