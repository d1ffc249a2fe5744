#include "StatusIcon.h"

#include "Game/CompactChips.h"
#include "GameController.h"
#include "Persistence/Profile.h"

#include <QLocale>

#include <utility>

StatusIconState statusIconState(const GameController& controller, const Profile& profile) {
    PauseReasons reasons = controller.pauseReasons();
    reasons.erase(PauseReason::practice);
    StatusIconState state;
    state.badge = !reasons.empty() && controller.isHeroTurn();
    if (profile.settings.showStackInMenuBar) {
        state.stack = controller.heroChips().value_or(profile.bankroll);
    }
    return state;
}

QString statusIconTitle(std::optional<std::int64_t> stack) {
    return stack ? compactChips(*stack) : QString();
}

QString statusItemLabel(bool badge, std::optional<std::int64_t> stack) {
    QString label = QStringLiteral("Chipwhistle");
    if (stack) {
        label += QStringLiteral(", %1 chips").arg(QLocale().toString(qint64(*stack)));
    }
    if (badge) {
        label += QStringLiteral(", your turn");
    }
    return label;
}

QString iconEventName(std::optional<IconEvent> event) {
    if (!event) {
        return QStringLiteral("none");
    }
    switch (*event) {
    case IconEvent::leftMouseDown:
        return QStringLiteral("leftMouseDown");
    case IconEvent::leftMouseUp:
        return QStringLiteral("leftMouseUp");
    case IconEvent::rightMouseDown:
        return QStringLiteral("rightMouseDown");
    case IconEvent::rightMouseUp:
        return QStringLiteral("rightMouseUp");
    case IconEvent::keyDown:
        return QStringLiteral("keyDown");
    case IconEvent::otherMouseDown:
        // The number the log has always given a press of any other mouse button.
        return QStringLiteral("type 25");
    }
    return QStringLiteral("none");
}

IconClickOutcome iconClickOutcome(std::optional<IconEvent> event, bool controlHeld, bool onboarded) {
    const bool right = event == IconEvent::rightMouseDown || event == IconEvent::rightMouseUp;
    if (event && (right || controlHeld)) {
        return IconClickOutcome::showMenu;
    }
    return onboarded ? IconClickOutcome::toggleSurface : IconClickOutcome::showOnboarding;
}

bool trayDrawsTheMenu(TrayKind tray) {
    return tray == TrayKind::statusNotifier;
}

bool trayIconIsUp(TrayKind tray, bool shown, QRect frame, bool registered) {
    if (!shown) {
        return false;
    }
    return tray == TrayKind::embedding ? frame.width() > 0 : registered;
}

std::vector<StatusMenuItem> statusMenuItems(LaunchSurface iconOpens, LeftClick leftClick) {
    const StatusMenuItem window{StatusMenuCommand::openWindow, QStringLiteral("Open Window"), {}};
    const StatusMenuItem popover{StatusMenuCommand::showPopover, QStringLiteral("Show Popover"), {}};
    const bool opensPopover = iconOpens == LaunchSurface::menuBar;
    std::vector<StatusMenuItem> items;
    if (leftClick == LeftClick::opensTheMenu) {
        items.push_back(opensPopover ? popover : window);
    }
    items.push_back(opensPopover ? window : popover);
    items.insert(items.end(),
                 {
                     {StatusMenuCommand::settings, QStringLiteral("Settings…"), QStringLiteral("Ctrl+,")},
                     {StatusMenuCommand::separator, {}, {}},
                     {StatusMenuCommand::quit, QStringLiteral("Quit Chipwhistle"), QStringLiteral("Ctrl+Q")},
                 });
    return items;
}

QString statusMenuItemSpokenName(const StatusMenuItem& item) {
    if (item.shortcut.isEmpty()) {
        return item.title;
    }
    QString keys = item.shortcut;
    static const std::pair<QChar, const char*> punctuation[] = {
        {u',', "Comma"}, {u'.', "Period"}, {u'/', "Slash"}, {u';', "Semicolon"}};
    for (const auto& [key, name] : punctuation) {
        if (keys.endsWith(QStringLiteral("+") + key)) {
            keys = keys.chopped(1) + QLatin1String(name);
        }
    }
    return item.title + QStringLiteral(", ") + keys;
}

bool statusMenuHoldsFirstItem(bool screenReaderRuns) {
    return screenReaderRuns;
}
