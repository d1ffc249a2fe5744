#include "System/X11RawPresses.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

void selectRawEvents(xcb_connection_t* connection, std::uint32_t root, std::uint32_t events) {
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t mask;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, events};
    xcb_input_xi_select_events(connection, root, 1, &mask.head);
    xcb_flush(connection);
}

std::unique_ptr<X11RawPresses> X11RawPresses::create(std::function<void()> pressed, Kind kind) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) {
        return nullptr;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_input_id);
    if (!extension || !extension->present) {
        return nullptr;
    }
    // Qt has already agreed an XInput 2 version with the server; asking for a lower one would be
    // refused, so the extension's presence is what counts.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) {
        return nullptr;
    }
    return std::unique_ptr<X11RawPresses>(
        new X11RawPresses(connection, screen->root, extension->major_opcode, kind, std::move(pressed)));
}

X11RawPresses::X11RawPresses(xcb_connection_t* connection, std::uint32_t root, std::uint8_t opcode, Kind kind,
                             std::function<void()> pressed)
    : connection_(connection)
    , root_(root)
    , opcode_(opcode)
    , kind_(kind)
    , pressed_(std::move(pressed)) {}

X11RawPresses::~X11RawPresses() {
    setWatching(false);
}

void X11RawPresses::select() {
    std::uint32_t events = 0;
    if (buttonWatchers_ > 0) {
        events |= XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS;
    }
    if (keyWatchers_ > 0) {
        // The releases tell a key's repeat from a new press.
        events |= XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE;
    }
    selectRawEvents(connection_, root_, events);
}

void X11RawPresses::setWatching(bool on) {
    if (on == watching_) {
        return;
    }
    watching_ = on;
    keysDown_.reset();
    (kind_ == Kind::keys ? keyWatchers_ : buttonWatchers_) += on ? 1 : -1;
    select();
    if (auto* application = QCoreApplication::instance()) {
        if (on) {
            application->installNativeEventFilter(this);
        } else {
            application->removeNativeEventFilter(this);
        }
    }
}

bool X11RawPresses::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_ge_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_GE_GENERIC && event->extension == opcode_ && pressed_ &&
        isNewPress(message, event->event_type)) {
        pressed_();
    }
    // Every watcher sees the event, so it is passed on.
    return false;
}

bool X11RawPresses::isNewPress(const void* message, std::uint16_t type) {
    if (kind_ == Kind::buttonsElsewhere) {
        if (type != XCB_INPUT_RAW_BUTTON_PRESS) {
            return false;
        }
        // The window under the pointer now is where the press went: one of ours gets it as a plain press.
        const auto* raw = static_cast<const xcb_input_raw_button_press_event_t*>(message);
        return !isWheelStep(raw->detail) && !QGuiApplication::topLevelAt(QCursor::pos());
    }
    if (type != XCB_INPUT_RAW_KEY_PRESS && type != XCB_INPUT_RAW_KEY_RELEASE) {
        return false;
    }
    const auto* raw = static_cast<const xcb_input_raw_key_press_event_t*>(message);
    // X key codes run from 8 to 255.
    const std::size_t key = raw->detail & 0xffu;
    if (type == XCB_INPUT_RAW_KEY_RELEASE) {
        keysDown_.reset(key);
        return false;
    }
    const bool repeat = keysDown_.test(key);
    keysDown_.set(key);
    return !repeat;
}
