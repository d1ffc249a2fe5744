#include "System/HotkeyKeys.h"

namespace {

constexpr std::uint16_t shiftMask = 1 << 0;
constexpr std::uint16_t controlMask = 1 << 2;
constexpr std::uint16_t altMask = 1 << 3;   // Mod1
constexpr std::uint16_t superMask = 1 << 6; // Mod4

} // namespace

std::uint16_t x11Modifiers(const KeyShortcut& shortcut) {
    std::uint16_t mask = 0;
    if (shortcut.command) {
        mask |= controlMask;
    }
    if (shortcut.shift) {
        mask |= shiftMask;
    }
    if (shortcut.option) {
        mask |= altMask;
    }
    if (shortcut.control) {
        mask |= superMask;
    }
    return mask;
}

bool KeyRepeatFilter::press(std::uint32_t time) {
    const bool repeat = held_ || lastRelease_ == time;
    held_ = true;
    return !repeat;
}

void KeyRepeatFilter::release(std::uint32_t time) {
    held_ = false;
    lastRelease_ = time;
}
