#pragma once

#include "Persistence/KeyShortcut.h"

#include <cstdint>
#include <optional>

// The X modifier mask of a shortcut: command is Ctrl, option Alt, control Super, shift Shift.
std::uint16_t x11Modifiers(const KeyShortcut& shortcut);

// Tells a press from the auto-repeat of a held key: with detectable auto-repeat a held key sends
// presses without releases; without it, each repeat is a release and a press at the same time.
class KeyRepeatFilter {
  public:
    // True when the press is a new one, to be acted on.
    bool press(std::uint32_t time);
    void release(std::uint32_t time);

  private:
    bool held_ = false;
    std::optional<std::uint32_t> lastRelease_;
};
