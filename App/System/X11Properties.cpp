#include "System/X11Properties.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

void X11FreeReply::operator()(void* reply) const {
    std::free(reply);
}

std::uint32_t X11Properties::atom(const char* name) const {
    const X11Reply<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::uint16_t(std::strlen(name)), name), nullptr)};
    return reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> X11Properties::values(std::uint32_t window, const char* name, std::uint32_t type,
                                                 std::uint32_t count) const {
    return values(window, atom(name), type, count);
}

std::vector<std::uint32_t> X11Properties::values(std::uint32_t window, std::uint32_t property,
                                                 std::uint32_t type, std::uint32_t count) const {
    if (property == XCB_ATOM_NONE) {
        return {};
    }
    // The error for a window that is gone is taken here, not left for the toolkit to report.
    xcb_generic_error_t* error = nullptr;
    const X11Reply<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, property, type, 0, count), &error)};
    std::free(error);
    if (!reply || reply->format != 32 || reply->type != type) {
        return {};
    }
    const auto* first = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(first, first + xcb_get_property_value_length(reply.get()) / 4);
}
