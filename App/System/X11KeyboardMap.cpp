#include "System/X11KeyboardMap.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>

std::vector<std::uint32_t> x11Keysyms(std::uint32_t keycode) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || keycode > 255)
        return {};
    // Read fresh on each press: the recorder is used seldom and the layout may have changed.
    const std::unique_ptr<xcb_key_symbols_t, void (*)(xcb_key_symbols_t*)> symbols(
        xcb_key_symbols_alloc(x11->connection()), xcb_key_symbols_free);
    if (!symbols)
        return {};
    std::vector<std::uint32_t> keysyms;
    for (int level : {0, 1}) {
        const xcb_keysym_t keysym = xcb_key_symbols_get_keysym(symbols.get(), xcb_keycode_t(keycode), level);
        if (keysym != XCB_NO_SYMBOL)
            keysyms.push_back(keysym);
    }
    return keysyms;
}
