#include "Views/Table/TableScreen.h"

#include "GameController.h"
#include "Learn/ShowdownWhy.h"
#include "SurfaceCoordinator.h"
#include "System/PacedSignals.h"
#include "Table/Screen/ShowdownText.h"
#include "Table/Screen/StageLayout.h"
#include "Table/TablePresenter.h"
#include "Table/TurnGate.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/LeavingPicture.h"
#include "Views/Table/ActionBar.h"
#include "Views/Table/ActionMessage.h"
#include "Views/Table/ShowdownBannerView.h"
#include "Views/Table/StatusLine.h"

// The row under the table: which one shows, and how one hands over to the next.

void TableScreen::refreshBottom() {
    const auto& shown = presenter_->shown();
    if (!shown) {
        turnOpen_ = false;
        return;
    }
    GameController* game = environment_.controller;
    SurfaceCoordinator* surfaces = environment_.surfaces;
    std::optional<PracticeCaption> caption;
    if (game->practice()) {
        caption = game->practice()->caption(*shown);
    }
    BottomRowInputs inputs;
    inputs.confirmingLeave = surfaces && surfaces->isConfirmingLeave();
    inputs.tableOver = game->tableOver().has_value();
    inputs.showingResult = game->isShowingResult();
    inputs.practiceCaption = caption.has_value();
    inputs.pauseReasons = game->pauseReasons();
    inputs.shownStreet = shown->street;
    inputs.shownHasLegalActions = shown->legalActions.has_value();
    const auto current = game->view();
    const bool ready = TurnGate::ready(current ? &*current : nullptr, &*shown, presenter_->cardsComing());
    inputs.turnWaits = !ready;
    const BottomRow previous = row_;
    const ActionMessage* previousMessage = message_;
    QWidget* leaving = rowWidget(previous);
    row_ = TableScreenRules::bottomRow(inputs);
    // Shown within the screen, whether or not the screen's window is up yet.
    const bool handsOver = row_ != previous && leaving && leaving->isVisibleTo(this);
    if (handsOver) {
        moveRows(previous, leaving);
    }

    for (QWidget* row :
         {static_cast<QWidget*>(message_), static_cast<QWidget*>(banner_), static_cast<QWidget*>(line_),
          static_cast<QWidget*>(actionBar_), static_cast<QWidget*>(caption_)}) {
        if (row && row != rowWidget(row_)) {
            hideRow(row);
        }
    }
    const std::optional<GameMode> mode =
        game->setup() ? std::optional<GameMode>(game->setup()->mode()) : std::nullopt;
    switch (row_) {
    case BottomRow::leaveConfirmation:
        showLeaveQuestion(mode);
        break;
    case BottomRow::practiceCaption:
        showPracticeCaption(*caption);
        break;
    case BottomRow::tableOver:
        showTableOver();
        break;
    case BottomRow::paused:
        showPause();
        break;
    case BottomRow::showdownBanner: {
        const auto name = [game](std::int64_t seat) { return game->nameOfSeat(seat); };
        auto rows = ShowdownRow::rows(shown->log, name);
        std::optional<QString> why;
        if (TableScreenRules::explainsShowdown(learning(), rows.size())) {
            why = ShowdownWhy::line(shown->log, shown->seatIndex, name, shown->board, unshownCards(*shown));
        }
        banner_->setResult(std::move(rows), why, [this](std::int64_t seat) { return avatarOf(seat); });
        banner_->show();
        banner_->refresh();
        break;
    }
    case BottomRow::waitingLine: {
        std::optional<QString> thinking;
        if (game->thinkingSeat()) {
            thinking = game->nameOfSeat(*game->thinkingSeat());
        }
        std::optional<QString> acting;
        if (const auto seat = TableScreenRules::awaitedSeat(*shown)) {
            acting = game->nameOfSeat(*seat);
        }
        line_->setText(TableScreenRules::waitingLine(thinking, acting));
        line_->show();
        break;
    }
    case BottomRow::actionBar:
        actionBar_->setView(*shown);
        actionBar_->show();
        break;
    }
    if (row_ != BottomRow::tableOver) {
        refusal_.reset();
    }
    turnOpen_ = TurnGate::open(ready, row_, guideOpen_);
    if (row_ != previous && row_ == BottomRow::actionBar) {
        controlsShownAt_ = clock_.now();
    }
    if (TableScreenRules::takesKeys(row_) && (row_ != previous || message_ != previousMessage)) {
        takeKeys();
    }
    if (row_ != previous) {
        arrive(row_, handsOver ? std::optional(previous) : std::nullopt);
    }
}

void TableScreen::arrive(BottomRow row, std::optional<BottomRow> after) {
    const double timeline =
        TableScreenRules::timelineLeft(StageLayout::potLanded(presenter_->cues()), clock_.now() - cuesAt_);
    if (const auto motion = TableScreenRules::rowHandOff(after, row, theme_, timeline)) {
        QWidget* arriving = rowWidget(row);
        if (arrival_ && arrival_->widget) {
            arrival_->widget->setGraphicsEffect(nullptr);
        }
        arrival_ = Arrival{arriving, *motion, clock_.now()};
        arriving->setGraphicsEffect(new FadeScaleEffect([this] { return arrivalLook(); }, arriving));
        clock_.start();
    }
}

QRect TableScreen::rowRect() const {
    return bottom_->rect().adjusted(rowRoom, rowRoom, -rowRoom, -rowRoom);
}

QWidget* TableScreen::rowWidget(BottomRow row) const {
    switch (row) {
    case BottomRow::leaveConfirmation:
    case BottomRow::tableOver:
    case BottomRow::paused:
        return message_;
    case BottomRow::practiceCaption:
        return caption_;
    case BottomRow::showdownBanner:
        return banner_;
    case BottomRow::waitingLine:
        return line_;
    case BottomRow::actionBar:
        return actionBar_;
    }
    return nullptr;
}

void TableScreen::hideRow(QWidget* row) {
    // A row that held the keys (the narration takes them while it speaks) hands them back to the
    // table; left to itself, a window in the background would keep sending them to the hidden row. They
    // are handed over before the row goes: hiding the control that holds them makes Qt pass them on as
    // if Tab had been pressed, and the table would ring itself though no key moved them there.
    const QWidget* keys = window()->focusWidget();
    if (keys && (keys == row || row->isAncestorOf(keys))) {
        setFocus(Qt::OtherFocusReason);
    }
    row->hide();
}

void TableScreen::moveRows(BottomRow from, QWidget* leaving) {
    // A row coming in that another change replaces stops where it is.
    if (arrival_ && arrival_->widget) {
        arrival_->widget->setGraphicsEffect(nullptr);
    }
    arrival_.reset();
    delete ghost_;
    ghost_ = nullptr;
    const auto motion = TableScreenRules::rowRemoval(from);
    if (!motion) {
        return;
    }
    // What was there fades from a picture of it, so its widget is free for the next row at once.
    auto* ghost = new LeavingPicture(leaving->grab(), bottom_);
    ghost->setGeometry(leaving->geometry());
    ghostFade_ = Transition{motion->curve, clock_.now() + motion->delay, 1, 0};
    ghost->lower();
    ghost->show();
    ghost_ = ghost;
    clock_.start();
}

FadeScaleEffect::Look TableScreen::arrivalLook() const {
    if (!arrival_) {
        return {};
    }
    const auto& motion = arrival_->motion;
    const double elapsed = clock_.now() - arrival_->startedAt - motion.delay;
    const double share =
        elapsed <= 0 ? 0 : (motion.curve.isFinished(elapsed) ? 1 : motion.curve.progress(elapsed));
    return {share, motion.scaleFrom + (1 - motion.scaleFrom) * share};
}

const FadeScaleEffect* TableScreen::rowEffect() const {
    return arrival_ && arrival_->widget ? qobject_cast<FadeScaleEffect*>(arrival_->widget->graphicsEffect())
                                        : nullptr;
}

void TableScreen::showPracticeCaption(const PracticeCaption& caption) {
    if (!caption_) {
        PracticeCaptionView::Actions actions;
        actions.gotIt = [this] {
            advancedAt_ = clock_.now();
            environment_.controller->acknowledgePracticeStep();
        };
        actions.tryAgain = [this] {
            advancedAt_ = clock_.now();
            environment_.controller->start(GameSetup::practice(PracticeSetup{}));
        };
        actions.home = [this] { environment_.controller->leaveTable(); };
        caption_ = new PracticeCaptionView(theme_, caption, std::move(actions), announcer_, bottom_);
        caption_->setSpeaker([this](const QString& words) { speaker_.caption(words); });
        caption_->setGeometry(rowRect());
    } else {
        const bool replaced =
            !caption_->isHidden() && TableScreenRules::captionIdentity(caption_->caption()) !=
                                         TableScreenRules::captionIdentity(caption);
        if (replaced) {
            // The old caption fades out from its picture as the new one fades in over it.
            moveRows(BottomRow::practiceCaption, caption_);
        }
        caption_->setCaption(caption);
        if (replaced) {
            arrive(BottomRow::practiceCaption);
        }
    }
    caption_->show();
}

void TableScreen::tellCaption(const QString& words) {
    // A caption comes as the table has just changed (a new hand built and dealt, a street dealt), with
    // the reader still to be told of much of it, and the game still busy with it. A reader asks about
    // an announcement as it reaches it; one the game is too busy to answer then is taken for gone and
    // never said (Orca gives up after 0.8 s), and on two loaded cores the caption that opens the practice
    // hand was lost so. Said once those changes are told, it comes when the work is done.
    captionOnItsWay_ = true;
    PacedSignals::afterWaiting(this, [this, words] {
        captionOnItsWay_ = false;
        if (guideOpen_) {
            // The guide came over the table meanwhile: the words wait for it to close, said after the
            // table is read again.
            speaker_.caption(words);
            return;
        }
        announcer_->announce(words);
        if (row_ == BottomRow::practiceCaption) {
            takeKeys();
        }
    });
}

void TableScreen::tick() {
    const double now = clock_.now();
    bool moving = false;
    if (arrival_) {
        const auto& motion = arrival_->motion;
        QWidget* widget = arrival_->widget;
        if (!widget || motion.curve.isFinished(now - arrival_->startedAt - motion.delay)) {
            if (widget) {
                widget->setGraphicsEffect(nullptr);
            }
            arrival_.reset();
        } else {
            if (widget->graphicsEffect()) {
                widget->graphicsEffect()->update();
            }
            moving = true;
        }
    }
    if (ghost_) {
        if (ghostFade_.isFinished(now)) {
            delete ghost_;
            ghost_ = nullptr;
        } else {
            ghost_->setOpacity(now < ghostFade_.startedAt ? 1 : ghostFade_.value(now));
            moving = true;
        }
    }
    if (guidePanel_) {
        placeGuide();
        if (guide_.isFinished(now)) {
            if (!guideOpen_) {
                closedGuide();
            }
        } else {
            moving = true;
        }
    }
    if (!moving) {
        clock_.stop();
    }
}

QString TableScreen::bottomText() const {
    switch (row_) {
    case BottomRow::waitingLine:
        return line_->text();
    case BottomRow::showdownBanner:
        return banner_->accessibleName();
    case BottomRow::actionBar:
        return actionBar_->model().passiveTitle();
    default:
        return messageTitle_;
    }
}
