#include "Views/Table/TableScreen.h"

#include "GameController.h"
#include "SurfaceCoordinator.h"
#include "Table/RaiseTarget.h"
#include "Table/Screen/PlayerPause.h"
#include "Table/TablePresenter.h"
#include "Table/TurnGate.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/ActionMessage.h"
#include "Views/Table/FocusFrame.h"

#include "PokerEngine/EngineError.h"

#include <QKeyEvent>

// Where the keys go, and what the table's own keys do.

void TableScreen::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // A player going round the window with Tab sees the table take the keys; a click, or the table
    // taking them back from its own rows, rings nothing.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        focusFrame_->ring(rect());
    }
}

void TableScreen::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    focusFrame_->hide();
}

bool TableScreen::event(QEvent* event) {
    // The player coming back to the table (from Settings, another program, the other surface) while it
    // waits for them hears their turn again. The screen lives inside its surface's window, where Qt
    // tells a child of its window's activation by these two events, not by a change event.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
        comingBack_.cancel();
        if (event->type() == QEvent::WindowActivate) {
            // Once the focus has come in with the keys: a reader cuts off what it was told before the
            // focus moved, to read where it landed.
            comingBack_ = services_.scheduler->post([this] {
                speaker_.back();
                speakTurn();
            });
        } else {
            speaker_.away();
        }
    }
    return QWidget::event(event);
}

void TableScreen::takeKeys() {
    // Under the guide the keys stay in it: what comes meanwhile (a caption, a row) takes them once the
    // guide closes.
    if (guideOpen_) {
        return;
    }
    target_->setFocus(TableFocus::table);
    if (row_ == BottomRow::tableOver && message_) {
        // Its primary button, with its ring showing; the reader names it as it takes them.
        message_->primaryButton()->setFocus(Qt::TabFocusReason);
    } else if (row_ == BottomRow::leaveConfirmation && message_ && message_->secondaryButton()) {
        // The safe answer, ringed, as the lobby's and Settings' questions give it.
        message_->secondaryButton()->setFocus(Qt::TabFocusReason);
    } else if (row_ == BottomRow::practiceCaption && caption_ && caption_->told() &&
               !speaker_.captionWaits() && !captionOnItsWay_) {
        // Until its words are said the table keeps the keys, where Return moves the narration on too.
        caption_->takeKeys();
    } else {
        setFocus();
    }
}

QWidget* TableScreen::focusFrame() const {
    return focusFrame_;
}

TableFocus TableScreen::focus() const {
    return target_->focus().value_or(TableFocus::table);
}

QString TableScreen::notNow() const {
    GameController* game = environment_.controller;
    const auto& shown = presenter_->shown();
    const auto current = game->view();
    TurnGate::Standing standing;
    if (shown && game->practice()) {
        standing.caption = game->practice()->caption(*shown);
    }
    standing.guideOpen = guideOpen_;
    standing.paused = TableScreenRules::isPaused(game->pauseReasons());
    standing.playersTurn = current && current->legalActions;
    standing.cardsComing = presenter_->cardsComing();
    if (current) {
        if (const auto seat = TableScreenRules::awaitedSeat(*current)) {
            standing.awaited = game->nameOfSeat(*seat);
        }
    }
    return TurnGate::notNow(standing);
}

bool TableScreen::handle(const TableKeyPress& press) {
    GameController* game = environment_.controller;
    // The keys act on what the player has been shown, never on a newer decision still on its way.
    const auto& view = presenter_->shown();
    TableKeyContext context;
    context.view = view ? &*view : nullptr;
    context.confirmingLeave = environment_.surfaces && environment_.surfaces->isConfirmingLeave();
    context.guideOpen = guideOpen_;
    context.focus = focus();
    if (view && game->practice()) {
        context.caption = game->practice()->caption(*view);
    }
    context.pauseReasons = game->pauseReasons();
    context.showingResult = game->isShowingResult();
    context.raiseTo = target_->raiseTo();
    context.turnOpen = turnOpen_;
    context.controlsSeen =
        row_ == BottomRow::actionBar && TableKeys::controlsSeen(clock_.now(), controlsShownAt_, advancedAt_);
    context.notNow = notNow();
    const auto command = TableKeys::handle(press, context);
    if (!command) {
        return false;
    }
    carryOut(*command);
    return true;
}

void TableScreen::carryOut(const TableKeyCommand& command) {
    GameController* game = environment_.controller;
    std::visit(
        [&](const auto& step) {
            using Step = std::decay_t<decltype(step)>;
            if constexpr (std::is_same_v<Step, TableCommand::FocusTable>) {
                target_->setFocus(TableFocus::table);
            } else if constexpr (std::is_same_v<Step, TableCommand::FocusRaiseField>) {
                target_->setFocus(TableFocus::raiseField);
            } else if constexpr (std::is_same_v<Step, TableCommand::OpenGuide>) {
                showGuide(true);
            } else if constexpr (std::is_same_v<Step, TableCommand::PracticeAgain>) {
                advancedAt_ = clock_.now();
                game->start(GameSetup::practice(PracticeSetup{}));
            } else if constexpr (std::is_same_v<Step, TableCommand::AcknowledgePractice>) {
                advancedAt_ = clock_.now();
                game->acknowledgePracticeStep();
            } else if constexpr (std::is_same_v<Step, TableCommand::TogglePause>) {
                PlayerPause::toggle(*game);
            } else if constexpr (std::is_same_v<Step, TableCommand::DealNextHand>) {
                advancedAt_ = clock_.now();
                game->dealNextHand();
            } else if constexpr (std::is_same_v<Step, TableCommand::Act>) {
                try {
                    game->act(step.action);
                } catch (const GameControllerError&) {
                } catch (const PokerEngine::EngineError&) {
                    // A refused action leaves the table as it was; the key still counts.
                }
            } else if constexpr (std::is_same_v<Step, TableCommand::ChoosePreset>) {
                target_->choose(step.preset, step.raiseTo);
            } else if constexpr (std::is_same_v<Step, TableCommand::Tell>) {
                announcer_->announce(step.sentence);
            }
        },
        command);
}

void TableScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && guideOpen_) {
        showGuide(false);
        event->accept();
        return;
    }
    if (handle(TableKeyPress{event->text(), event->key(), event->modifiers(), event->isAutoRepeat()})) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
