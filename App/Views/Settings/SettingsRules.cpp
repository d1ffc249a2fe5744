#include "Views/Settings/SettingsRules.h"

#include "Style/Contrast.h"

#include "AppState.h"
#include "GameController.h"
#include "System/GlobalHotkey.h"

#include <QLocale>

#include <algorithm>

namespace SettingsRules {

namespace {

constexpr std::int64_t resetBankrollAmount = 10000;

QString counted(std::int64_t count, const char* one, const char* many) {
    return QString::number(count) + QLatin1Char(' ') + QString::fromUtf8(count == 1 ? one : many);
}

} // namespace

QString sitAndGoSummary(std::int64_t firsts, std::int64_t seconds, std::int64_t played) {
    return counted(firsts, "win", "wins") + QStringLiteral(", ") +
           counted(seconds, "second place", "second places") + QStringLiteral(", ") +
           QString::number(played) + QStringLiteral(" played");
}

QString bankrollText(std::int64_t bankroll) {
    return QLocale().toString(bankroll) + QStringLiteral(" chips");
}

QString spokenValue(const QString& title, const QString& value) {
    return title + QStringLiteral(", ") + value;
}

QString handsPlayedText(std::int64_t hands) {
    return QLocale().toString(hands);
}

QString launchSurfaceSubtitle(LaunchSurface surface) {
    switch (surface) {
    case LaunchSurface::window:
        return QStringLiteral(
            "Opens in a full window with the action log, and shows in the task bar while it's open.");
    case LaunchSurface::menuBar:
        break;
    }
    return QStringLiteral("Opens as a small popover from the chip icon in the system tray. It pauses the "
                          "moment you click away.");
}

std::optional<int> defaultTableIndex(GameMode mode) {
    switch (mode) {
    case GameMode::quickHand:
        return 0;
    case GameMode::sitAndGo:
        return 1;
    case GameMode::cashTable:
    case GameMode::practice:
        break;
    }
    return std::nullopt;
}

GameMode defaultTableAt(int index) {
    return index == 1 ? GameMode::sitAndGo : GameMode::quickHand;
}

HotkeySetting withEnabled(HotkeySetting stored, bool enabled) {
    stored.enabled = enabled;
    return stored;
}

HotkeySetting withShortcut(HotkeySetting stored, const KeyShortcut& shortcut) {
    stored.shortcut = shortcut;
    return stored;
}

std::optional<QString> recordShortcut(AppState& appState, GlobalHotkey* hotkey, const KeyShortcut& shortcut) {
    if (hotkey) {
        if (auto refusal = hotkey->replace(shortcut))
            return refusal;
    }
    appState.setHotkey(withShortcut(appState.hotkey(), shortcut));
    return std::nullopt;
}

GuideThemes guideThemes(TableStyleID storedStyle, AppearanceFlags appearance, bool fourColorDeck) {
    return {TableTheme::make(storedStyle, TableSurface::popover, 2, appearance, fourColorDeck),
            TableTheme::make(TableStyleID::satin, TableSurface::popover, 2, appearance, fourColorDeck)};
}

bool showsRecorder(const HotkeySetting& stored) {
    return stored.enabled;
}

bool showsHotkeyProblem(const HotkeySetting& stored, const std::optional<QString>& problem) {
    return stored.enabled && problem.has_value();
}

std::optional<QString> refusalNote(const HotkeySetting& stored, bool recording,
                                   const std::optional<QString>& refusal) {
    if (!stored.enabled || !recording)
        return std::nullopt;
    return refusal;
}

QString resetTitle() {
    return QStringLiteral("Reset your bankroll to %1 chips?").arg(QLocale().toString(resetBankrollAmount));
}

QString resetMessage(bool hasTable, bool hasSavedGame) {
    if (hasTable || hasSavedGame)
        return QStringLiteral("This also ends the game in progress. Lifetime counters are kept.");
    return QStringLiteral("Lifetime counters are kept.");
}

QString resetAnnouncement(std::int64_t bankroll) {
    return QStringLiteral("Bankroll reset to %1.").arg(bankrollText(bankroll));
}

void resetBankroll(AppState& appState, GameController& controller) {
    if (controller.hasTable())
        controller.leaveTable();
    appState.abandonSavedGame();
    appState.resetBankroll();
}

RGB explanationColour(const RGB& text, const RGB& ground, double wanted) {
    return Contrast::readable(text.mixed(ground, 0.45).withAlpha(1), ground, text, wanted);
}

RGB problemColour(const RGB& text, const RGB& ground, double wanted) {
    return Contrast::readable(RGB::bytes(0xd7, 0x26, 0x1e), ground, text, wanted);
}

RGB controlEdgeColour(const RGB& text, const RGB& ground, double wanted) {
    return Contrast::readable(ground.mixed(text, 0.3).withAlpha(1), ground, text, wanted);
}

} // namespace SettingsRules
