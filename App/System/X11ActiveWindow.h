#pragma once

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
    // manager's focus-stealing prevention lets it through. Does nothing without a supporting manager.
    void activate(Window window, Window currentlyActive) const;
    // Whether `window` is still there to take the focus: one the manager lists among the windows it
    // manages (`_NET_CLIENT_LIST`), or, where it lists none, one that still exists. A window that was
    // closed, or one that was never more than part of another (a tray icon), is not.
    bool isStillThere(Window window) const;

  private:
    X11ActiveWindow(xcb_connection_t* connection, Window root);
    // Whether the window manager says it keeps the root property `name` up to date.
    bool managerSupports(const char* name) const;
    std::uint32_t atom(const char* name) const;

    xcb_connection_t* connection_;
    Window root_;
};
