#include "SurfaceCoordinator.h"

#include "GameController.h"

#include <QPointer>

#include <utility>

namespace {

// A slot that reacts to a pause by changing a surface again could otherwise keep the update
// going for ever; a real change of surfaces settles in two rounds.
constexpr int maxUpdateRounds = 8;

} // namespace

SurfaceCoordinator::SurfaceCoordinator(GameController& controller, QObject* parent)
    : QObject(parent)
    , controller_(controller) {}

void SurfaceCoordinator::setBool(bool& field, bool value, void (SurfaceCoordinator::*changed)()) {
    if (field == value) {
        return;
    }
    field = value;
    emit(this->*changed)();
}

void SurfaceCoordinator::setWindowMinimized(bool minimized) {
    setBool(windowMinimized_, minimized, &SurfaceCoordinator::windowMinimizedChanged);
}

void SurfaceCoordinator::setConfirmingLeave(bool confirming) {
    setBool(isConfirmingLeave_, confirming, &SurfaceCoordinator::isConfirmingLeaveChanged);
}

void SurfaceCoordinator::setOnboardingOpen(bool open) {
    setBool(isOnboardingOpen_, open, &SurfaceCoordinator::isOnboardingOpenChanged);
}

void SurfaceCoordinator::setSettingsOpen(bool open) {
    setBool(isSettingsOpen_, open, &SurfaceCoordinator::isSettingsOpenChanged);
}

bool SurfaceCoordinator::tableVisible() const {
    return popoverShown_ || isHandingOverToPopover_ || (windowOpen_ && !windowMinimized_);
}

bool SurfaceCoordinator::popoverIsUp() const {
    return popoverShown_ || (host_ && host_->isPopoverShown());
}

void SurfaceCoordinator::update() {
    if (updating_) {
        // Re-entered from a slot of the pause or resume below: the running loop reads the surfaces
        // again after each step, so it settles on whatever that slot changed.
        return;
    }
    updating_ = true;
    bool applied = tableVisible();
    for (int round = 1;; ++round) {
        if (applied) {
            controller_.resume(PauseReason::hidden);
        } else {
            controller_.pause(PauseReason::hidden);
        }
        const bool now = tableVisible();
        if (now == applied || round == maxUpdateRounds) {
            break;
        }
        applied = now;
    }
    updating_ = false;
    emit visibilitySettled(applied);
}

void SurfaceCoordinator::setDockIcon(bool show) {
    if (!show && (isSettingsOpen_ || isOnboardingOpen_)) {
        return;
    }
    if (show == showsDockIcon_) {
        return;
    }
    showsDockIcon_ = show;
    emit showsDockIconChanged();
    if (host_) {
        host_->setActivationPolicy(show ? ActivationPolicy::regular : ActivationPolicy::accessory);
    }
}

void SurfaceCoordinator::askForWindow() {
    // Nothing will ever report a window that could not be asked for, so the opening ends here.
    if (!host_ || !host_->openWindow()) {
        setOpeningWindow(false);
    }
}

void SurfaceCoordinator::focusOrOpenWindow() {
    setOpeningWindow(!windowOpen_);
    if (!windowOpen_) {
        askForWindow();
    } else if (host_) {
        host_->focusWindow();
    }
}

void SurfaceCoordinator::statusItemClicked() {
    if (windowOpen_) {
        if (host_) {
            host_->focusWindow();
        }
    } else if (popoverIsUp()) {
        if (host_) {
            host_->closePopover(QStringLiteral("toggle"));
        }
    } else if (iconOpens_ == LaunchSurface::window) {
        setOpeningWindow(true);
        askForWindow();
    } else if (host_) {
        host_->showPopover(PopoverShowing::asked);
    }
}

void SurfaceCoordinator::expandToWindow() {
    focusOrOpenWindow();
    if (host_) {
        host_->closePopover(QStringLiteral("expand to window"));
    }
}

void SurfaceCoordinator::collapseToPopover() {
    if (windowOpen_) {
        // The window's close reports back at once or later; either way the hand-over is set first.
        setHandingOver(true);
        if (host_ && host_->closeTableWindow()) {
            return;
        }
        // No window object is left to close, so nothing would end the hand-over: show the popover now.
        setHandingOver(false);
    }
    if (host_) {
        host_->showPopover(PopoverShowing::asked);
    }
}

void SurfaceCoordinator::openSettings(TableSurface from, std::function<void()> open) {
    setSettingsOpen(true);
    if (from == TableSurface::popover && popoverIsUp() && host_) {
        settingsLeftPopover_ = true;
        host_->closePopover(QStringLiteral("Settings"));
    }
    if (host_) {
        host_->afterCurrentEvent([self = QPointer<SurfaceCoordinator>(this), open = std::move(open)] {
            if (self && self->host_) {
                self->host_->activateApplication();
            }
            if (open) {
                open();
            }
        });
    }
}

void SurfaceCoordinator::settingsDidClose() {
    setSettingsOpen(false);
    const bool backToPopover = std::exchange(settingsLeftPopover_, false);
    if (windowOpen_ || popoverShown_ || isHandingOverToPopover_ || isOpeningWindow_) {
        return;
    }
    if (backToPopover) {
        // Shown once Settings has gone, as after the window's close; the game waits for it.
        handingOverFromSettings_ = true;
        setHandingOver(true);
        handOverToPopover();
        return;
    }
    setDockIcon(false);
}

bool SurfaceCoordinator::claimLeaveNotice(std::uint64_t table) {
    if (leaveTold_ == table) {
        return false;
    }
    leaveTold_ = table;
    return true;
}

void SurfaceCoordinator::requestLeave() {
    if (controller_.leaveForfeit() >= 1) {
        setConfirmingLeave(true);
        return;
    }
    setConfirmingLeave(false);
    controller_.leaveTable();
}

void SurfaceCoordinator::finishOnboarding(LaunchSurface openIn) {
    if (openIn == LaunchSurface::menuBar) {
        setHandingOver(true);
        return;
    }
    focusOrOpenWindow();
}

void SurfaceCoordinator::onboardingDidClose() {
    if (!isOnboardingOpen_) {
        return;
    }
    setOnboardingOpen(false);
    if (isHandingOverToPopover_) {
        handOverToPopover();
    } else if (!windowOpen_ && !popoverShown_ && !isOpeningWindow_) {
        setDockIcon(false);
    }
}

void SurfaceCoordinator::popoverDidShow() {
    setPopoverShown(true);
    setHandingOver(false);
    setOpeningWindow(false);
    update();
}

void SurfaceCoordinator::popoverDidClose() {
    setPopoverShown(false);
    if (!windowOpen_ && !isHandingOverToPopover_ && !isOpeningWindow_) {
        setDockIcon(false);
    }
    update();
}

void SurfaceCoordinator::windowDidOpen() {
    if (windowOpen_) {
        return;
    }
    setWindowOpen(true);
    setWindowMinimized(false);
    setOpeningWindow(false);
    setDockIcon(true);
    update();
}

void SurfaceCoordinator::windowDidClose() {
    if (!windowOpen_) {
        return;
    }
    setWindowOpen(false);
    setWindowMinimized(false);
    if (isHandingOverToPopover_) {
        update();
        handOverToPopover();
        return;
    }
    setDockIcon(false);
    update();
}

void SurfaceCoordinator::handOverToPopover() {
    if (host_) {
        host_->afterCurrentEvent([self = QPointer<SurfaceCoordinator>(this)] {
            if (self) {
                self->showPopoverAfterHandover();
            }
        });
    }
}

void SurfaceCoordinator::showPopoverAfterHandover() {
    const bool fromSettings = std::exchange(handingOverFromSettings_, false);
    if (!isHandingOverToPopover_) {
        return;
    }
    if (host_ &&
        host_->showPopover(fromSettings ? PopoverShowing::inPlaceOfSettings : PopoverShowing::asked)) {
        return;
    }
    setHandingOver(false);
    setDockIcon(false);
    update();
}
