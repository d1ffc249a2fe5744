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

void X11ActiveWindow::activate(Window window, Window currentlyActive) const {
    if (!managerSupports("_NET_ACTIVE_WINDOW")) {
        return;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 2; // from a pager: the player chose this window
    message.data.data32[1] = XCB_CURRENT_TIME;
    message.data.data32[2] = currentlyActive;
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
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
