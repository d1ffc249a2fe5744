#include "System/X11HotkeyGrabber.h"

#include "Persistence/KeyCodes.h"
#include "System/X11Display.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr std::uint32_t numLockKeysym = 0xff7f;
// The X protocol's error codes: a key no keyboard key carries is refused as a bad value.
constexpr int badValue = 2;
constexpr int badAccess = 10;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

struct KeySymbolsDeleter {
    void operator()(xcb_key_symbols_t* symbols) const { xcb_key_symbols_free(symbols); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

// The first key code that carries `keysym` on this keyboard, or 0.
std::uint8_t keycodeFor(xcb_connection_t* connection, std::uint32_t keysym) {
    KeySymbols symbols(xcb_key_symbols_alloc(connection));
    if (!symbols) {
        return 0;
    }
    XcbReply<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(symbols.get(), keysym));
    return codes ? codes.get()[0] : 0;
}

} // namespace

std::unique_ptr<X11HotkeyGrabber> X11HotkeyGrabber::create() {
    const std::optional<X11Display> display = x11Display();
    if (!display) {
        return nullptr;
    }
    return std::unique_ptr<X11HotkeyGrabber>(new X11HotkeyGrabber(display->connection, display->root));
}

X11HotkeyGrabber::X11HotkeyGrabber(xcb_connection_t* connection, std::uint32_t root)
    : connection_(connection)
    , root_(root) {}

X11HotkeyGrabber::~X11HotkeyGrabber() {
    release();
    if (filterInstalled_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

std::uint16_t X11HotkeyGrabber::numLockMask() const {
    const std::uint8_t numLock = keycodeFor(connection_, numLockKeysym);
    XcbReply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr));
    if (!numLock || !mapping) {
        return XCB_MOD_MASK_2; // where nearly every keyboard map puts it
    }
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (codes[modifier * perModifier + i] == numLock) {
                return std::uint16_t(1u << modifier);
            }
        }
    }
    return XCB_MOD_MASK_2;
}

std::vector<std::uint16_t> X11HotkeyGrabber::lockCombinations() const {
    const std::uint16_t numLock = numLockMask();
    return {0, XCB_MOD_MASK_LOCK, numLock, std::uint16_t(XCB_MOD_MASK_LOCK | numLock)};
}

HotkeyGrab X11HotkeyGrabber::grab(const KeyShortcut& shortcut, std::function<void()> pressed) {
    release();
    const auto keysym = KeyCodes::keysym(shortcut.keyCode);
    const std::uint8_t keycode = keysym ? keycodeFor(connection_, *keysym) : 0;
    if (!keycode) {
        return {HotkeyGrab::Outcome::failed, badValue};
    }
    keycode_ = keycode;
    modifiers_ = x11Modifiers(shortcut);
    // Without owner events every press comes to the root, also while one of our windows has the focus.
    for (const std::uint16_t locks : lockCombinations()) {
        const std::uint16_t mask = modifiers_ | locks;
        XcbReply<xcb_generic_error_t> error(
            xcb_request_check(connection_, xcb_grab_key_checked(connection_, 0, root_, mask, keycode_,
                                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
        if (error) {
            const int code = error->error_code;
            release();
            return code == badAccess ? HotkeyGrab{HotkeyGrab::Outcome::alreadyUsed, code}
                                     : HotkeyGrab{HotkeyGrab::Outcome::failed, code};
        }
        grabbed_.push_back(mask);
    }
    pressed_ = std::move(pressed);
    repeats_ = {};
    if (!filterInstalled_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        filterInstalled_ = true;
    }
    return {};
}

void X11HotkeyGrabber::release() {
    for (const std::uint16_t mask : grabbed_) {
        xcb_ungrab_key(connection_, keycode_, root_, mask);
    }
    if (!grabbed_.empty()) {
        xcb_flush(connection_);
    }
    grabbed_.clear();
    pressed_ = nullptr;
}

bool X11HotkeyGrabber::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (grabbed_.empty() || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) {
        return false;
    }
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    const std::uint16_t relevant =
        XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
    if (key->detail != keycode_ || key->event != root_) {
        return false;
    }
    if (type == XCB_KEY_RELEASE) {
        repeats_.release(key->time);
        return true;
    }
    if ((key->state & relevant) == modifiers_ && repeats_.press(key->time) && pressed_) {
        // The action may replace the grab (a settings change), so it runs on a copy.
        auto pressed = pressed_;
        pressed();
    }
    return true;
}
