#pragma once

#include "System/X11Properties.h"

#include <cstdint>
#include <memory>
#include <optional>

struct xcb_connection_t;

// The desktop's active window as an EWMH window manager publishes it (`_NET_ACTIVE_WINDOW` on the
// root window), and the request that asks the manager to activate another one. Without a manager
// that supports it there is nothing to read and nothing is asked.
class X11ActiveWindow final {
  public:
    using Window = std::uint32_t;

    // Null when the program does not run on X11.
    static std::unique_ptr<X11ActiveWindow> create();

    // The active window; none without a supporting window manager or when no window is active.
    std::optional<Window> active() const;
    // Asks the window manager to activate `window`, as a pager would (source indication 2), so the
    // manager's focus-stealing prevention lets it through; `timestamp` 0 is the current time. Does
    // nothing without a supporting manager.
    void activate(Window window, Window currentlyActive, std::uint32_t timestamp = 0) const;
    // The workspace the manager shows `window` on, and the one the player is on; none without a
    // manager that keeps workspaces.
    std::optional<std::uint32_t> desktopOf(Window window) const;
    std::optional<std::uint32_t> currentDesktop() const;
    // Asks the manager to move `window` to workspace `desktop`, as a pager would.
    void moveToDesktop(Window window, std::uint32_t desktop) const;
    // The X server's time now, read from a property change on a connection of its own so that the
    // toolkit's events are left alone; 0 when it could not be read.
    static std::uint32_t serverTime();
    // Whether `window` is still there to take the focus: one the manager lists among the windows it
    // manages (`_NET_CLIENT_LIST`), or, where it lists none, one that still exists. A window that was
    // closed, or one that was never more than part of another (a tray icon), is not.
    bool isStillThere(Window window) const;

  private:
    X11ActiveWindow(xcb_connection_t* connection, Window root);
    // Whether the window manager says it keeps the root property `name` up to date.
    bool managerSupports(const char* name) const;
    // A 32-bit cardinal property of `window` the manager says it keeps.
    std::optional<std::uint32_t> cardinal(Window window, const char* name) const;
    // Sends the manager a pager's client message about `window`.
    void ask(Window window, const char* type, std::uint32_t first, std::uint32_t second,
             std::uint32_t third) const;

    xcb_connection_t* connection_;
    Window root_;
    X11Properties properties_;
};
