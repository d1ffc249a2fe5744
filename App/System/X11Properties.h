#pragma once

#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

// An xcb reply, freed when it goes out of scope.
struct X11FreeReply {
    void operator()(void* reply) const;
};
template <typename Reply> using X11Reply = std::unique_ptr<Reply, X11FreeReply>;

// Reads the 32-bit properties desktops publish on the root and other windows (EWMH): the one way
// this program reads a window's property.
class X11Properties final {
  public:
    explicit X11Properties(xcb_connection_t* connection)
        : connection_(connection) {}

    // The atom of `name`; none (0) when it cannot be had.
    std::uint32_t atom(const char* name) const;
    // Up to `count` values of the property `name` of `window`, when it is of `type` and 32 bits wide;
    // empty when the window has no such property.
    std::vector<std::uint32_t> values(std::uint32_t window, const char* name, std::uint32_t type,
                                      std::uint32_t count = 1) const;
    // The same for the property whose atom is `property`, for many windows at one atom's cost.
    std::vector<std::uint32_t> values(std::uint32_t window, std::uint32_t property, std::uint32_t type,
                                      std::uint32_t count = 1) const;

  private:
    xcb_connection_t* connection_;
};
