#pragma once

#include "System/GlobalHotkey.h"
#include "System/HotkeyKeys.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <vector>

struct xcb_connection_t;

// Grabs the hotkey on the X root window for every combination of Caps Lock and Num Lock, so the
// key works whichever of them is on. "Already used" comes back at once from the checked grab. The
// event filter is installed with the first grab and removed, with the grab, when the grabber goes.
class X11HotkeyGrabber final : public HotkeyGrabber, private QAbstractNativeEventFilter {
  public:
    // Null when the program does not run on X11.
    static std::unique_ptr<X11HotkeyGrabber> create();
    ~X11HotkeyGrabber() override;

    HotkeyGrab grab(const KeyShortcut& shortcut, std::function<void()> pressed) override;
    void release() override;

  private:
    X11HotkeyGrabber(xcb_connection_t* connection, std::uint32_t root);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    std::vector<std::uint16_t> lockCombinations() const;
    std::uint16_t numLockMask() const;

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::uint8_t keycode_ = 0;
    std::uint16_t modifiers_ = 0;
    std::vector<std::uint16_t> grabbed_;
    std::function<void()> pressed_;
    KeyRepeatFilter repeats_;
    bool filterInstalled_ = false;
};
