#include "System/X11Coverage.h"

#include "System/X11Display.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

#include <cstdlib>

std::unique_ptr<X11Coverage> X11Coverage::watch(std::uint32_t window, std::function<void(bool)> changed) {
    const std::optional<X11Display> display = x11Display();
    if (!display || window == XCB_WINDOW_NONE) {
        return nullptr;
    }
    return std::unique_ptr<X11Coverage>(new X11Coverage(display->connection, window, std::move(changed)));
}

X11Coverage::X11Coverage(xcb_connection_t* connection, std::uint32_t window,
                         std::function<void(bool)> changed)
    : connection_(connection)
    , window_(window)
    , changed_(std::move(changed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    // The toolkit's own events stay selected: the visibility changes are asked for besides them.
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window_), nullptr);
    if (!attributes) {
        return;
    }
    const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(connection_, window_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

X11Coverage::~X11Coverage() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeNativeEventFilter(this);
    }
}

bool X11Coverage::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_VISIBILITY_NOTIFY) {
        return false;
    }
    const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
    if (visibility->window != window_) {
        return false;
    }
    const bool covered = visibility->state == XCB_VISIBILITY_FULLY_OBSCURED;
    if (covered != covered_) {
        covered_ = covered;
        changed_(covered);
    }
    return false;
}
