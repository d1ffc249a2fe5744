#include "Views/Settings/ShortcutRecording.h"

#include "Persistence/KeyCodes.h"

namespace ShortcutRecording {

std::string keyName(std::uint16_t keyCode, const std::string& characters) {
    if (auto name = KeyCodes::name(keyCode))
        return *name;
    if (characters.empty())
        return "?";
    return QString::fromStdString(characters).toUpper().toStdString();
}

Result press(bool recording, const KeyPress& key) {
    if (!recording)
        return {Outcome::passOn, std::nullopt, false};
    if (key.keyCode == deleteKey || key.keyCode == forwardDeleteKey)
        return {Outcome::record, KeyShortcut{}, false};
    if (key.keyCode == escapeKey)
        return {Outcome::cancel, std::nullopt, false};
    // Shift alone does not make a shortcut that other applications leave alone.
    if (!(key.command || key.option || key.control))
        return {Outcome::refuse, std::nullopt, true};
    KeyShortcut shortcut;
    shortcut.keyCode = key.keyCode;
    shortcut.command = key.command;
    shortcut.shift = key.shift;
    shortcut.option = key.option;
    shortcut.control = key.control;
    shortcut.key = keyName(key.keyCode, key.characters);
    return {Outcome::record, shortcut, false};
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

} // namespace ShortcutRecording
