#include "Views/Table/TableScreen.h"

#include "GameController.h"
#include "SurfaceCoordinator.h"
#include "Table/RaiseTarget.h"
#include "Table/TablePresenter.h"
#include "Table/Screen/PlayerPause.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/PracticeCaptionView.h"
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

void TableScreen::takeKeys() {
    target_->setFocus(TableFocus::table);
    if (row_ == BottomRow::tableOver && message_) {
        // Its primary button, with its ring showing; the reader names it as it takes them.
        message_->primaryButton()->setFocus(Qt::TabFocusReason);
    } else if (row_ == BottomRow::leaveConfirmation && message_ && message_->secondaryButton()) {
        // The safe answer, ringed, as the lobby's and Settings' questions give it.
        message_->secondaryButton()->setFocus(Qt::TabFocusReason);
    } else if (row_ == BottomRow::practiceCaption && caption_) {
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

bool TableScreen::handle(const TableKeyPress& press) {
    GameController* game = environment_.controller;
    const auto view = game->view();
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
    context.dealingToPlayer = presenter_->dealingToPlayer();
    context.controlsSeen =
        row_ == BottomRow::actionBar && clock_.now() - controlsShownAt_ >= TableKeys::controlsSettleSeconds;
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
                game->start(GameSetup::practice(PracticeSetup{}));
            } else if constexpr (std::is_same_v<Step, TableCommand::AcknowledgePractice>) {
                game->acknowledgePracticeStep();
            } else if constexpr (std::is_same_v<Step, TableCommand::TogglePause>) {
                PlayerPause::toggle(*game);
            } else if constexpr (std::is_same_v<Step, TableCommand::DealNextHand>) {
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
