#include "System/X11ActiveWindow.h"

#include "System/X11Display.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

std::unique_ptr<X11ActiveWindow> X11ActiveWindow::create() {
    const std::optional<X11Display> display = x11Display();
    if (!display) {
        return nullptr;
    }
    return std::unique_ptr<X11ActiveWindow>(new X11ActiveWindow(display->connection, display->root));
}

X11ActiveWindow::X11ActiveWindow(xcb_connection_t* connection, Window root)
    : connection_(connection)
    , root_(root)
    , properties_(connection) {}

bool X11ActiveWindow::managerSupports(const char* name) const {
    // Asked each time: a window manager may come, go or be replaced while the game runs.
    const std::uint32_t wanted = properties_.atom(name);
    if (wanted == XCB_ATOM_NONE) {
        return false;
    }
    const std::vector<std::uint32_t> supported =
        properties_.values(root_, "_NET_SUPPORTED", XCB_ATOM_ATOM, 4096);
    return std::find(supported.begin(), supported.end(), wanted) != supported.end();
}

std::optional<X11ActiveWindow::Window> X11ActiveWindow::active() const {
    if (!managerSupports("_NET_ACTIVE_WINDOW")) {
        return std::nullopt;
    }
    const std::vector<std::uint32_t> window =
        properties_.values(root_, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
    if (window.empty() || window.front() == XCB_WINDOW_NONE) {
        return std::nullopt;
    }
    return window.front();
}

void X11ActiveWindow::activate(Window window, Window currentlyActive, std::uint32_t timestamp) const {
    if (managerSupports("_NET_ACTIVE_WINDOW")) {
        ask(window, "_NET_ACTIVE_WINDOW", 2, timestamp, currentlyActive);
    }
}

void X11ActiveWindow::moveToDesktop(Window window, std::uint32_t desktop) const {
    if (managerSupports("_NET_WM_DESKTOP")) {
        ask(window, "_NET_WM_DESKTOP", desktop, 2, 0);
    }
}

void X11ActiveWindow::ask(Window window, const char* type, std::uint32_t first, std::uint32_t second,
                          std::uint32_t third) const {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = properties_.atom(type);
    message.data.data32[0] = first;
    message.data.data32[1] = second;
    message.data.data32[2] = third;
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

std::optional<std::uint32_t> X11ActiveWindow::cardinal(Window window, const char* name) const {
    if (!managerSupports(name)) {
        return std::nullopt;
    }
    const std::vector<std::uint32_t> value = properties_.values(window, name, XCB_ATOM_CARDINAL);
    if (value.empty()) {
        return std::nullopt;
    }
    return value.front();
}

std::optional<std::uint32_t> X11ActiveWindow::desktopOf(Window window) const {
    return cardinal(window, "_NET_WM_DESKTOP");
}

std::optional<std::uint32_t> X11ActiveWindow::currentDesktop() const {
    return cardinal(root_, "_NET_CURRENT_DESKTOP");
}

std::uint32_t X11ActiveWindow::serverTime() {
    // The server stamps the notice of a property change with its time; a window of our own, never
    // shown, takes an empty change.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    std::uint32_t time = 0;
    const xcb_screen_t* screen = xcb_connection_has_error(connection)
                                     ? nullptr
                                     : xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen) {
        const xcb_window_t window = xcb_generate_id(connection);
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection, 0, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                            nullptr);
        xcb_flush(connection);
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
            const bool changed = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
            if (changed) {
                time = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
            }
            std::free(event);
            if (changed) {
                break;
            }
        }
    }
    xcb_disconnect(connection);
    return time;
}

bool X11ActiveWindow::isStillThere(Window window) const {
    if (managerSupports("_NET_CLIENT_LIST")) {
        const std::vector<std::uint32_t> windows =
            properties_.values(root_, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW, 65536);
        return std::find(windows.begin(), windows.end(), window) != windows.end();
    }
    // The error for a window that is gone is taken here, not left for the toolkit to report.
    xcb_generic_error_t* error = nullptr;
    const X11Reply<xcb_get_window_attributes_reply_t> attributes{
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), &error)};
    std::free(error);
    return attributes != nullptr;
}
