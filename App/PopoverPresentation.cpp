#include "PopoverPresentation.h"

#include "SurfaceCoordinator.h"
#include "SurfacesLog.h"

#include <QPointer>
#include <QStringList>

#include <execinfo.h>

#include <cstdlib>
#include <utility>

namespace {

QString rectText(QRect rect) {
    return QStringLiteral("{{%1, %2}, {%3, %4}}")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// The first frames of the current call stack, one a line, for a close nobody asked for.
QString callStack() {
    void* frames[24];
    const int count = backtrace(frames, 24);
    char** symbols = backtrace_symbols(frames, count);
    if (!symbols) {
        return QStringLiteral("(no call stack)");
    }
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines << QString::fromLocal8Bit(symbols[i]);
    }
    std::free(symbols);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

namespace OutsideClickRule {

bool isOnIcon(QPoint cursor, QRect iconFrame) {
    return !iconFrame.isEmpty() && iconFrame.adjusted(-2, -2, 2, 2).contains(cursor);
}

bool waitsForIconClick(QPoint cursor, QRect iconFrame) {
    return iconFrame.isEmpty() || iconFrame.adjusted(-60, -30, 60, 30).contains(cursor);
}

} // namespace OutsideClickRule

namespace PopoverStandingRule {

PopoverStanding decide(bool trayMissedTheLaunch, bool iconIsUp) {
    return trayMissedTheLaunch && !iconIsUp ? PopoverStanding::onItsOwn : PopoverStanding::underTheIcon;
}

} // namespace PopoverStandingRule

namespace FocusHandBackRule {

HandBack decide(std::optional<std::uint32_t> before, std::optional<std::uint32_t> activeNow,
                std::uint32_t popover, bool ownWindowShowing, bool beforeIsStillThere) {
    if (!before || *before == popover || ownWindowShowing) {
        return {};
    }
    if (activeNow && *activeNow != popover) {
        return {};
    }
    const QString window = QStringLiteral("0x%1").arg(*before, 0, 16);
    if (!beforeIsStillThere) {
        return {std::nullopt,
                QStringLiteral("focus back to nothing: %1, active before the popover, is gone").arg(window)};
    }
    return {before, QStringLiteral("focus back to %1").arg(window)};
}

} // namespace FocusHandBackRule

PopoverPresentation::PopoverPresentation(Scheduler& scheduler, PopoverSurface& surface,
                                         SurfaceCoordinator& coordinator, QObject* parent)
    : QObject(parent)
    , scheduler_(scheduler)
    , surface_(surface)
    , coordinator_(coordinator) {}

PopoverPresentation::~PopoverPresentation() {
    pendingClose_.cancel();
    iconRetry_.cancel();
    showCheck_.cancel();
    guardEnd_.cancel();
}

bool PopoverPresentation::showPopover(PopoverShowing showing) {
    if (!surface_.hasStatusItem()) {
        return false;
    }
    if (surface_.isShown()) {
        return true;
    }
    keyAsks_ = 0;
    endKeysGuard();
    // The tray is asked whether it holds the icon only where none took it at launch: on a desktop with
    // a tray, showing asks nothing more of it than it did.
    standing_ =
        PopoverStandingRule::decide(trayMissedTheLaunch_, trayMissedTheLaunch_ && surface_.iconIsUp());
    const bool onItsOwn = standing_ == PopoverStanding::onItsOwn;
    surface_.show(standing_);
    // On its own it is a window like any other: a click elsewhere or a switch to another program leaves
    // it open where the player can come back to it.
    if (surface_.isShown() && !onItsOwn) {
        startClosingOnOutsideClicks();
        if (showing == PopoverShowing::inPlaceOfSettings) {
            keysGuard_ = KeysGuard::waitingForKeys;
            surface_.watchKeyPresses(true);
        }
    }
    qCInfo(surfacesLog).noquote() << QStringLiteral("showPopover %1%2")
                                         .arg(onItsOwn ? QStringLiteral("on its own ") : QString(),
                                              surface_.activationState());
    showCheck_.cancel();
    showCheck_ = scheduler_.after(showCheckDelay, [this] {
        qCInfo(surfacesLog).noquote() << QStringLiteral("popover +0.3 s: shown=%1 onScreen=%2 %3")
                                             .arg(logFlag(surface_.isShown()), logFlag(surface_.isOnScreen()),
                                                  surface_.activationState());
    });
    return surface_.isShown();
}

void PopoverPresentation::showPopoverWhenIconIsUp(int tries) {
    lookForTheIcon(tries, true);
}

void PopoverPresentation::lookForTheIcon(int tries) {
    lookForTheIcon(tries, false);
}

void PopoverPresentation::lookForTheIcon(int tries, bool thenShow) {
    // A tray shows a new icon at the screen's corner for a moment before it moves the icon into its
    // place, so the icon only counts as up once two checks in a row find it in the same place.
    const QRect frame = surface_.iconFrame();
    const bool settled = iconSeenAt_ == frame;
    iconSeenAt_ = frame;
    if (settled && surface_.iconIsUp() && (!thenShow || showPopover())) {
        iconSeenAt_.reset();
        return;
    }
    if (tries >= 1) {
        iconRetry_ = scheduler_.after(iconRetryDelay,
                                      [this, tries, thenShow] { lookForTheIcon(tries - 1, thenShow); });
        return;
    }
    iconSeenAt_.reset();
    if (!surface_.hasStatusItem()) {
        if (thenShow) {
            qCCritical(surfacesLog) << "launch: the tray icon never came up; the popover waits for a click";
        }
        return;
    }
    // No tray on this desktop (GNOME Shell without its AppIndicator extension): with no icon to click,
    // a popover left waiting would leave the game running unseen.
    if (!surface_.iconIsUp()) {
        trayMissedTheLaunch_ = true;
        qCWarning(surfacesLog)
            << (thenShow ? "launch: the tray icon never came up; the popover shows on its own"
                         : "launch: the tray icon never came up; a popover will show on its own");
    }
    if (thenShow) {
        showPopover();
    }
}

bool PopoverPresentation::bringForwardOnItsOwn() {
    if (standing_ != PopoverStanding::onItsOwn || !surface_.isShown() || surface_.hasTheKeys()) {
        return false;
    }
    qCInfo(surfacesLog).noquote()
        << QStringLiteral("popover on its own comes forward %1").arg(surface_.activationState());
    surface_.askForTheKeys();
    return true;
}

void PopoverPresentation::closePopover(const QString& reason) {
    // Only a close of a shown popover is ours; a reason kept for a hidden one would later pass an
    // unrequested close off as requested.
    if (surface_.isShown()) {
        closeReason_ = reason;
    }
    stopClosingOnOutsideClicks();
    surface_.close();
    qCInfo(surfacesLog).noquote()
        << QStringLiteral("closePopover (%1) → shown=%2").arg(reason, logFlag(surface_.isShown()));
}

void PopoverPresentation::closeForOutsideClick(const QString& reason, std::optional<bool> waitForIconClick) {
    if (!surface_.isShown() || pendingClose_.isPending()) {
        return;
    }
    const QPoint cursor = surface_.cursor();
    const QRect icon = surface_.iconFrame();
    const bool wait = waitForIconClick.value_or(OutsideClickRule::waitsForIconClick(cursor, icon));
    if (!wait) {
        qCInfo(surfacesLog).noquote() << QStringLiteral("popover closing now: %1").arg(reason);
        closePopover(reason);
        return;
    }
    qCInfo(surfacesLog).noquote() << QStringLiteral("popover will close: %1 (mouse %2, icon %3)")
                                         .arg(reason, logPoint(cursor), rectText(icon));
    pendingCloseIsSwitch_ = false;
    pendingClose_ = scheduler_.after(outsideCloseGrace, [this, reason] {
        if (surface_.isShown()) {
            closePopover(reason);
        }
    });
}

void PopoverPresentation::pressInAnotherApp() {
    endKeysGuard();
    // While the tray's menu has the keys, a press elsewhere is the player choosing in it.
    if (trayMenu_ == TrayMenu::hasTheKeys) {
        return;
    }
    if (watching_ && !OutsideClickRule::isOnIcon(surface_.cursor(), surface_.iconFrame())) {
        closeForClick(QStringLiteral("a click in another app"));
    }
}

void PopoverPresentation::pressInOwnWindow(const QString& windowClass, OwnWindow kind) {
    endKeysGuard();
    if (kind == OwnWindow::menu) {
        return;
    }
    if (watching_ && !OutsideClickRule::isOnIcon(surface_.cursor(), surface_.iconFrame())) {
        const QString name = windowClass.isEmpty() ? QStringLiteral("none") : windowClass;
        closeForClick(QStringLiteral("a click in another window (%1)").arg(name));
    }
}

void PopoverPresentation::closeForClick(const QString& reason) {
    // A click outweighs a loss of activation still waiting out its grace, which may yet prove to be none.
    if (pendingCloseIsSwitch_) {
        pendingClose_.cancel();
        pendingCloseIsSwitch_ = false;
    }
    closeForOutsideClick(reason);
}

void PopoverPresentation::applicationDeactivated() {
    inactive_ = true;
    if (!watching_) {
        return;
    }
    if (surface_.mouseButtonDown() && OutsideClickRule::isOnIcon(surface_.cursor(), surface_.iconFrame())) {
        return;
    }
    if (trayMenu_ == TrayMenu::opening) {
        trayMenu_ = TrayMenu::hasTheKeys;
        qCInfo(surfacesLog) << "popover stays: the tray's menu has the keys";
    }
    if (trayMenu_ == TrayMenu::hasTheKeys) {
        return;
    }
    if (keysGuard_ != KeysGuard::off && keyAsks_ < maxKeyAsks) {
        ++keyAsks_;
        qCInfo(surfacesLog) << "popover stays: the keys moved on from closed Settings; asking for them again";
        surface_.askForTheKeys();
        return;
    }
    endKeysGuard();
    closeForSwitch();
}

void PopoverPresentation::closeForSwitch(std::optional<bool> waitForIconClick) {
    const bool alreadyPending = pendingClose_.isPending();
    closeForOutsideClick(QStringLiteral("switched to another app"), waitForIconClick);
    pendingCloseIsSwitch_ = !alreadyPending && pendingClose_.isPending();
}

void PopoverPresentation::applicationActivated() {
    inactive_ = false;
    // The tray's menu has closed and the keys are back.
    trayMenu_ = TrayMenu::closed;
    if (pendingCloseIsSwitch_ && pendingClose_.isPending()) {
        pendingClose_.cancel();
        qCInfo(surfacesLog) << "popover stays: the program is active again";
    }
    pendingCloseIsSwitch_ = false;
}

bool PopoverPresentation::cancelPendingClose() {
    const bool pending = pendingClose_.isPending();
    pendingClose_.cancel();
    return pending;
}

void PopoverPresentation::startClosingOnOutsideClicks() {
    stopClosingOnOutsideClicks();
    watching_ = true;
    surface_.watchOutsideClicks(true);
}

void PopoverPresentation::stopClosingOnOutsideClicks() {
    pendingClose_.cancel();
    if (watching_) {
        watching_ = false;
        surface_.watchOutsideClicks(false);
    }
}

void PopoverPresentation::playerTurnedToPopover() {
    endKeysGuard();
}

void PopoverPresentation::keyPressed() {
    endKeysGuard();
}

void PopoverPresentation::popoverHasTheKeys() {
    if (keysGuard_ != KeysGuard::waitingForKeys || !surface_.isShown()) {
        return;
    }
    keysGuard_ = KeysGuard::on;
    guardEnd_ = scheduler_.after(managerMoveWindow, [this] { endKeysGuard(); });
}

void PopoverPresentation::endKeysGuard() {
    if (std::exchange(keysGuard_, KeysGuard::off) != KeysGuard::off) {
        surface_.watchKeyPresses(false);
    }
    guardEnd_.cancel();
}

void PopoverPresentation::trayMenuOpening() {
    pendingClose_.cancel();
    pendingCloseIsSwitch_ = false;
    if (surface_.isShown()) {
        // The loss of the keys to the menu may have come first.
        trayMenu_ = inactive_ ? TrayMenu::hasTheKeys : TrayMenu::opening;
    }
}

void PopoverPresentation::trayMenuClosed() {
    const bool heldTheKeys = std::exchange(trayMenu_, TrayMenu::closed) == TrayMenu::hasTheKeys;
    if (heldTheKeys && inactive_ && watching_) {
        qCInfo(surfacesLog) << "the tray's menu closed with the keys elsewhere";
        closeForSwitch(true);
    }
}

void PopoverPresentation::popoverDidShow() {
    coordinator_.popoverDidShow();
}

void PopoverPresentation::popoverDidClose() {
    if (closeReason_) {
        qCInfo(surfacesLog).noquote() << QStringLiteral("popover closed (%1)").arg(*closeReason_);
    } else {
        qCCritical(surfacesLog).noquote() << QStringLiteral("popover closed by something else %1: %2")
                                                 .arg(surface_.activationState(), callStack());
    }
    closeReason_.reset();
    endKeysGuard();
    trayMenu_ = TrayMenu::closed;
    stopClosingOnOutsideClicks();
    coordinator_.popoverDidClose();
}
