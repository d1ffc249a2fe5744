// Takes a key for itself on the whole display and, at each press of it, asks the window manager to
// activate a window, as a launcher's or a drop-down terminal's key does, for the end-to-end tests.
// Says "grabbed" once the key is its own and "activated" at each press; runs until it is stopped.
#include "xcb_atom.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The key that gives `keysym` unshifted; 0 when none does.
xcb_keycode_t keycodeOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    auto* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    xcb_keycode_t found = 0;
    if (mapping) {
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
        for (int key = 0; key < count && !found; ++key) {
            if (keysyms[key * mapping->keysyms_per_keycode] == keysym) {
                found = static_cast<xcb_keycode_t>(setup->min_keycode + key);
            }
        }
    }
    std::free(mapping);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: activate_on_key KEYSYM WINDOW-ID (F12 is 0xffc9)\n", stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("activate_on_key: cannot open the display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    const xcb_keycode_t key =
        keycodeOf(connection, static_cast<xcb_keysym_t>(std::strtoul(argv[1], nullptr, 0)));
    xcb_generic_error_t* refused =
        key ? xcb_request_check(connection, xcb_grab_key_checked(connection, 0, root, XCB_MOD_MASK_ANY, key,
                                                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC))
            : nullptr;
    if (!key || refused) {
        std::fputs("activate_on_key: the key is not on the keyboard or another program has it\n", stderr);
        std::free(refused);
        return 1;
    }
    std::puts("grabbed");
    std::fflush(stdout);
    const xcb_atom_t activeWindow = xcbAtom(connection, "_NET_ACTIVE_WINDOW");
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = activeWindow;
            // Asked for by a pager or a task bar, at the time of the press, as wmctrl and xdotool ask.
            message.data.data32[0] = 2;
            message.data.data32[1] = reinterpret_cast<xcb_key_press_event_t*>(event)->time;
            xcb_send_event(connection, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char*>(&message));
            xcb_flush(connection);
            std::puts("activated");
            std::fflush(stdout);
        }
        std::free(event);
    }
    xcb_disconnect(connection);
    return 0;
}
