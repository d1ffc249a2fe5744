#include "System/X11ActiveWindow.h"

#include "System/X11Display.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Frees an xcb reply when it goes out of scope.
template <typename Reply> struct ReplyPointer {
    Reply* reply;
    ~ReplyPointer() { std::free(reply); }
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

} // namespace

std::unique_ptr<X11ActiveWindow> X11ActiveWindow::create() {
    const std::optional<X11Display> display = x11Display();
    if (!display) {
        return nullptr;
    }
    return std::unique_ptr<X11ActiveWindow>(new X11ActiveWindow(display->connection, display->root));
}

X11ActiveWindow::X11ActiveWindow(xcb_connection_t* connection, Window root)
    : connection_(connection)
    , root_(root) {}

std::uint32_t X11ActiveWindow::atom(const char* name) const {
    ReplyPointer<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::uint16_t(std::strlen(name)), name), nullptr)};
    return reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
}

bool X11ActiveWindow::managerSupports(const char* name) const {
    // Asked each time: a window manager may come, go or be replaced while the game runs.
    const std::uint32_t supported = atom("_NET_SUPPORTED");
    const std::uint32_t wanted = atom(name);
    if (supported == XCB_ATOM_NONE || wanted == XCB_ATOM_NONE) {
        return false;
    }
    ReplyPointer<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, supported, XCB_ATOM_ATOM, 0, 4096), nullptr)};
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.reply));
    const int count = xcb_get_property_value_length(reply.reply) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == wanted) {
            return true;
        }
    }
    return false;
}

std::optional<X11ActiveWindow::Window> X11ActiveWindow::active() const {
    if (!managerSupports("_NET_ACTIVE_WINDOW")) {
        return std::nullopt;
    }
    ReplyPointer<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, root_, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1), nullptr)};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.reply) < 4) {
        return std::nullopt;
    }
    const Window window = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.reply));
    if (window == XCB_WINDOW_NONE) {
        return std::nullopt;
    }
    return window;
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
    message.type = atom(type);
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
    ReplyPointer<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, atom(name), XCB_ATOM_CARDINAL, 0, 1), nullptr)};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.reply) < 4) {
        return std::nullopt;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.reply));
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
        ReplyPointer<xcb_get_property_reply_t> reply{xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, root_, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 65536),
            nullptr)};
        if (reply && reply->format == 32) {
            const auto* windows = static_cast<const Window*>(xcb_get_property_value(reply.reply));
            const int count = xcb_get_property_value_length(reply.reply) / 4;
            return std::find(windows, windows + count, window) != windows + count;
        }
    }
    // The error for a window that is gone is taken here, not left for the toolkit to report.
    xcb_generic_error_t* error = nullptr;
    ReplyPointer<xcb_get_window_attributes_reply_t> attributes{
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), &error)};
    std::free(error);
    return static_cast<bool>(attributes);
}
