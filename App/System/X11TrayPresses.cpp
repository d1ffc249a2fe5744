#include "System/X11TrayPresses.h"

#include "System/X11Properties.h"
#include "System/X11RawPresses.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#include <utility>

std::unique_ptr<X11TrayPresses> X11TrayPresses::create() {
    if (!qGuiApp || !qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        return nullptr;
    }
    // The display the toolkit was given.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_input_id);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // From XInput 2.1 on, the raw presses come whatever grabs the pointer, as a tray's menu does.
    const X11Reply<xcb_input_xi_query_version_reply_t> version{
        extension && extension->present
            ? xcb_input_xi_query_version_reply(connection, xcb_input_xi_query_version(connection, 2, 2),
                                               nullptr)
            : nullptr};
    if (!screen || !version || version->major_version < 2) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<X11TrayPresses>(
        new X11TrayPresses(connection, screen->root, extension->major_opcode));
}

X11TrayPresses::X11TrayPresses(xcb_connection_t* connection, std::uint32_t root, std::uint8_t opcode)
    : connection_(connection)
    , root_(root)
    , opcode_(opcode)
    , readable_(
          std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read)) {
    selectRawEvents(connection_, root_, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS);
    // Read as they come, so the server never holds many for us.
    QObject::connect(readable_.get(), &QSocketNotifier::activated, [this] { readPresses(Source::socket); });
}

X11TrayPresses::~X11TrayPresses() {
    readable_.reset();
    xcb_disconnect(connection_);
}

X11TrayPresses::Reading X11TrayPresses::takeReading() {
    // The answer comes after every press the server had before the question: the tray's press among
    // them, which came before the tray's request.
    const X11Reply<xcb_query_pointer_reply_t> pointer{
        xcb_query_pointer_reply(connection_, xcb_query_pointer(connection_, root_), nullptr)};
    readPresses(Source::alreadyRead);
    // Buttons 4 and 5 are wheel steps, down only for the moment of a step.
    const bool held =
        pointer && (pointer->mask & (XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3)) != 0;
    return Reading{QCursor::pos(), held, std::exchange(lastPress_, std::nullopt)};
}

void X11TrayPresses::readPresses(Source source) {
    const auto next = source == Source::socket ? xcb_poll_for_event : xcb_poll_for_queued_event;
    while (xcb_generic_event_t* event = next(connection_)) {
        note(event);
        std::free(event);
    }
    // A connection the server has closed stays readable for ever.
    if (xcb_connection_has_error(connection_)) {
        readable_->setEnabled(false);
    }
}

void X11TrayPresses::note(const void* event) {
    const auto* generic = static_cast<const xcb_ge_generic_event_t*>(event);
    if ((generic->response_type & 0x7f) != XCB_GE_GENERIC || generic->extension != opcode_ ||
        generic->event_type != XCB_INPUT_RAW_BUTTON_PRESS) {
        return;
    }
    const auto* raw = static_cast<const xcb_input_raw_button_press_event_t*>(event);
    if (!isWheelStep(raw->detail)) {
        lastPress_ = QCursor::pos();
    }
}
