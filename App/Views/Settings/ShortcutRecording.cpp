#include "Views/Settings/ShortcutRecording.h"

#include <QChar>

#include <array>
#include <utility>

namespace ShortcutRecording {

namespace {

constexpr std::array<std::pair<std::uint16_t, const char*>, 19> namedKeys{{
    {returnKey, "↩"}, {tabKey, "⇥"}, {spaceKey, "Space"}, {122, "F1"},  {120, "F2"},
    {99, "F3"},       {118, "F4"},   {96, "F5"},          {97, "F6"},   {98, "F7"},
    {100, "F8"},      {101, "F9"},   {109, "F10"},        {103, "F11"}, {111, "F12"},
    {123, "←"},       {124, "→"},    {125, "↓"},          {126, "↑"},
}};

} // namespace

std::string keyName(std::uint16_t keyCode, const std::string& characters) {
    for (const auto& [code, name] : namedKeys)
        if (code == keyCode)
            return name;
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
