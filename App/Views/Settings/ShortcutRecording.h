#pragma once

#include "Persistence/KeyShortcut.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// The shortcut recorder's key rules, apart from the button: what a key press does while the button is
// idle or recording. Key codes are the stored virtual key codes, modifiers as stored (command is Ctrl
// here, control is Super).
namespace ShortcutRecording {

struct KeyPress {
    std::uint16_t keyCode = 0;
    bool command = false;
    bool shift = false;
    bool option = false;
    bool control = false;
    // The key's text without modifiers; empty when it has none.
    std::string characters;
};

enum class Outcome {
    // Not recording: the button's ordinary key handling takes the press.
    passOn,
    // Recording ends and `shortcut` is reported.
    record,
    // Recording ends and nothing is reported: the previous shortcut stays.
    cancel,
    // The press does not qualify: beep and keep recording.
    refuse,
};

struct Result {
    Outcome outcome = Outcome::passOn;
    std::optional<KeyShortcut> shortcut;
    bool recording = false;
    // Why a refused combination can't be the shortcut, for the line under the recorder and the reader.
    std::optional<QString> reason;
    bool operator==(const Result&) const = default;
};

inline constexpr std::uint16_t returnKey = 36;
inline constexpr std::uint16_t tabKey = 48;
inline constexpr std::uint16_t spaceKey = 49;
inline constexpr std::uint16_t deleteKey = 51;
inline constexpr std::uint16_t escapeKey = 53;
inline constexpr std::uint16_t forwardDeleteKey = 117;

Result press(bool recording, const KeyPress& key);

// "Return", "F5", "Left", or the key's own text upper-cased ("?" when it has none).
std::string keyName(std::uint16_t keyCode, const std::string& characters);

// The button's title and spoken label.
QString title(bool recording, const KeyShortcut& shortcut);
QString accessibleLabel(bool recording, const KeyShortcut& shortcut);
QString accessibleHelp();
// Why a key the key table cannot store is refused (one without Ctrl, Alt or Super is refused as the
// global hotkey refuses it).
QString unknownKeyReason();
// What a reader hears as recording starts, after the button's new name (with the shortcut kept by
// Escape), and once a combination is taken.
QString startedAnnouncement(const KeyShortcut& kept);
QString recordedAnnouncement(const KeyShortcut& recorded);

} // namespace ShortcutRecording
