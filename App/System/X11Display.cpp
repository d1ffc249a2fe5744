#include "System/X11Display.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

std::optional<X11Display> x11Display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) {
        return std::nullopt;
    }
    return X11Display{connection, screen->root};
}
