#include "Views/Table/TableScreen.h"

#include "GameController.h"
#include "Style/MotionStyle.h"
#include "System/ChangedAsOne.h"
#include "Table/TablePresenter.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Support/FocusReturn.h"
#include "Views/Table/StageView.h"
#include "Views/Table/TopBarView.h"

#include <cmath>

// The Poker Basics panel over the table.

void TableScreen::showGuide(bool open) {
    if (open && openGuide_) {
        openGuide_();
        return;
    }
    if (open == guideOpen_) {
        return;
    }
    if (open) {
        speaker_.covering();
    } else {
        // Uncovered, the table is read where the keys land, the player's cards among it: said apart as
        // well, they were heard twice. What is due waits for that reading (see TableSpeaker::uncovering).
        speaker_.uncovering();
    }
    GameController* game = environment_.controller;
    open ? game->pause(PauseReason::guide) : game->resume(PauseReason::guide);
    guideOpen_ = open;
    // Reopened as it slides away, the panel that is still there comes back.
    const bool reopened = open && guidePanel_;
    const double now = clock_.now();
    const AnimationCurve curve =
        theme_.reduceMotion ? MotionStyle::reducedFade() : AnimationCurve::easeOut(0.24);
    guide_ = Transition{curve, now, guide_.value(now), open ? 1.0 : 0.0};
    if (open && !guidePanel_) {
        PokerBasicsView::Setup setup;
        setup.art = theme_;
        setup.theme = guideLook();
        setup.presentation = PokerBasicsView::Presentation::panel;
        setup.currentHand = TableScreenRules::heroHand(game->view());
        setup.heldRank = TableScreenRules::guideHeldRank(learning(), game->view());
        setup.onDone = [this] { showGuide(false); };
        setup.announcer = announcer_;
        // Told of the new panel alone, a reader meets its parts as the keys reach them: told of each, it
        // was flooded before the page's words came.
        ChangedAsOne::made(this, [this, &setup] {
            guidePanel_ = new PokerBasicsView(std::move(setup), this);
            guidePanel_->show();
        });
    }
    if (theme_.reduceMotion && !guidePanel_->graphicsEffect()) {
        guidePanel_->setGraphicsEffect(new FadeScaleEffect(
            [this] {
                return FadeScaleEffect::Look{guide_.value(clock_.now()), 1};
            },
            guidePanel_));
    }
    guidePanel_->raise();
    placeGuide();
    // The covered table stops taking input, told to a reader of each of its three parts alone: told of
    // every control in them, a reader flooded drops the guide's own words.
    for (QWidget* content : {static_cast<QWidget*>(topBar_), static_cast<QWidget*>(stage_), bottom_}) {
        if (content) {
            ChangedAsOne::change(content, [content, open] { content->setEnabled(!open); });
        }
    }
    // Covered, the table is no stop of Tab's: the keys go round the guide alone.
    setFocusPolicy(open ? Qt::NoFocus : Qt::StrongFocus);
    if (open) {
        FocusReturn::enter(guidePanel_);
        if (reopened) {
            guidePanel_->reopened();
        }
    } else {
        refresh();
        readAsItStands();
        takeKeys();
        speakOnceRead();
    }
    clock_.start();
}

TableTheme TableScreen::guideLook() const {
    // The guide always draws in satin, whatever the table's style.
    return TableTheme::make(TableStyleID::satin, surface_, theme_.pixelUnit, appearance_,
                            theme_.fourColorDeck);
}

void TableScreen::placeGuide() {
    if (!guidePanel_) {
        return;
    }
    const double now = clock_.now();
    const double shown = guide_.value(now);
    if (auto* fade = guidePanel_->graphicsEffect()) {
        // Reduce Motion: the panel fades in place. Faded in, it draws itself: the satin panels inside
        // clip their corners with an effect of their own, which Qt leaves undrawn inside another, and
        // the guide's cards would stay blank.
        if (guideOpen_ && guide_.isFinished(now)) {
            guidePanel_->setGraphicsEffect(nullptr);
        } else {
            fade->update();
        }
        guidePanel_->setGeometry(rect());
    } else {
        // It rises from the bottom edge and goes back down.
        guidePanel_->setGeometry(rect().translated(0, static_cast<int>(std::round((1 - shown) * height()))));
    }
    showContent();
}

void TableScreen::showContent() {
    // Nothing before the first view; and once the guide covers the table, the table is hidden from
    // screen readers too.
    const bool covered = guideOpen_ && guide_.isFinished(clock_.now());
    const bool visible = presenter_->shown().has_value() && !covered;
    for (QWidget* content : {static_cast<QWidget*>(topBar_), static_cast<QWidget*>(stage_), bottom_}) {
        if (!content || content->isHidden() != visible) {
            continue;
        }
        if (guidePanel_) {
            // Covered or uncovered by the guide: told as its input was (see showGuide).
            ChangedAsOne::change(content, [content, visible] { content->setVisible(visible); });
        } else {
            content->setVisible(visible);
        }
    }
}

void TableScreen::closedGuide() {
    ChangedAsOne::change(guidePanel_, [this] { guidePanel_->hide(); });
    guidePanel_->deleteLater();
    guidePanel_ = nullptr;
}
