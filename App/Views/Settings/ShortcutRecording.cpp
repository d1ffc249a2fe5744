#include "Views/Settings/ShortcutRecording.h"

#include "Persistence/KeyCodes.h"
#include "System/GlobalHotkey.h"

#include <array>

namespace ShortcutRecording {

namespace {

struct ReservedKey {
    std::uint16_t keyCode;
    bool shift;
    const char* name;
    const char* does;
};

// Ctrl with the key (and Shift where given), nothing else held. Ctrl+? is Ctrl+Shift+/ as pressed.
constexpr std::array reservedKeys{
    ReservedKey{13, false, "Ctrl+W", "closes Settings"},
    ReservedKey{12, false, "Ctrl+Q", "quits Chipwhistle"},
    ReservedKey{43, false, "Ctrl+,", "opens Settings"},
    ReservedKey{44, true, "Ctrl+?", "opens Poker Basics"},
    ReservedKey{8, false, "Ctrl+C", "copies in every app"},
    ReservedKey{9, false, "Ctrl+V", "pastes in every app"},
    ReservedKey{7, false, "Ctrl+X", "cuts in every app"},
    ReservedKey{6, false, "Ctrl+Z", "undoes in every app"},
    ReservedKey{0, false, "Ctrl+A", "selects all in every app"},
    ReservedKey{8, true, "Ctrl+Shift+C", "copies in a terminal"},
    ReservedKey{9, true, "Ctrl+Shift+V", "pastes in a terminal"},
};

// Why `shortcut` may not be the global shortcut although it has a modifier: the game's own keys, which
// a grab would take from its windows, and the editing keys every program needs. None when it may.
std::optional<QString> reservedReason(const KeyShortcut& shortcut) {
    if (!shortcut.command || shortcut.option || shortcut.control)
        return std::nullopt;
    for (const ReservedKey& reserved : reservedKeys)
        if (reserved.keyCode == shortcut.keyCode && reserved.shift == shortcut.shift)
            return QStringLiteral("%1 %2. Pick another shortcut.")
                .arg(QString::fromUtf8(reserved.name), QString::fromUtf8(reserved.does));
    return std::nullopt;
}

} // namespace

std::string keyName(std::uint16_t keyCode, const std::string& characters) {
    if (auto name = KeyCodes::name(keyCode))
        return *name;
    if (characters.empty())
        return "?";
    return QString::fromStdString(characters).toUpper().toStdString();
}

Result press(bool recording, const KeyPress& key) {
    if (!recording)
        return {Outcome::passOn, std::nullopt, false, std::nullopt};
    if (key.keyCode == deleteKey || key.keyCode == forwardDeleteKey)
        return {Outcome::record, KeyShortcut{}, false, std::nullopt};
    if (key.keyCode == escapeKey)
        return {Outcome::cancel, std::nullopt, false, std::nullopt};
    // Shift alone does not make a shortcut that other applications leave alone.
    if (!(key.command || key.option || key.control))
        return {Outcome::refuse, std::nullopt, true, GlobalHotkey::missingModifierProblem()};
    KeyShortcut shortcut;
    shortcut.keyCode = key.keyCode;
    shortcut.command = key.command;
    shortcut.shift = key.shift;
    shortcut.option = key.option;
    shortcut.control = key.control;
    shortcut.key = keyName(key.keyCode, key.characters);
    if (auto reason = reservedReason(shortcut))
        return {Outcome::refuse, std::nullopt, true, std::move(reason)};
    return {Outcome::record, shortcut, false, std::nullopt};
}

QString title(bool recording, const KeyShortcut& shortcut) {
    if (recording)
        return QStringLiteral("Type shortcut…");
    return QString::fromStdString(shortcut.display());
}

QString accessibleLabel(bool recording, const KeyShortcut& shortcut) {
    if (recording)
        return QStringLiteral("Recording shortcut");
    return QStringLiteral("Shortcut ") + QString::fromStdString(shortcut.display());
}

QString accessibleHelp() {
    return QStringLiteral("Click, then press the new shortcut");
}

QString unknownKeyReason() {
    return QStringLiteral("That key can't be stored. Pick another shortcut.");
}

QString startedAnnouncement(const KeyShortcut& kept) {
    return QStringLiteral("Press the new shortcut, or Escape to keep %1.")
        .arg(QString::fromStdString(kept.display()));
}

QString recordedAnnouncement(const KeyShortcut& recorded) {
    return QStringLiteral("Shortcut set to %1.").arg(QString::fromStdString(recorded.display()));
}

} // namespace ShortcutRecording
