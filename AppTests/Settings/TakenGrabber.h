#pragma once

#include "System/GlobalHotkey.h"

#include <functional>
#include <optional>

// A desktop on which another program holds the shortcuts `taken` names; `held` is what it holds for the
// game now.
class TakenGrabber final : public HotkeyGrabber {
  public:
    using Taken = std::function<bool(const KeyShortcut&)>;
    TakenGrabber(Taken taken, std::optional<KeyShortcut>& held)
        : taken_(std::move(taken))
        , held_(held) {}
    HotkeyGrab grab(const KeyShortcut& shortcut, std::function<void()>) override {
        held_.reset();
        if (taken_(shortcut))
            return {HotkeyGrab::Outcome::alreadyUsed, 10};
        held_ = shortcut;
        return {};
    }
    void release() override { held_.reset(); }

  private:
    Taken taken_;
    std::optional<KeyShortcut>& held_;
};
