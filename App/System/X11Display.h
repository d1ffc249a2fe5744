#pragma once

#include <cstdint>
#include <optional>

struct xcb_connection_t;

// This program's own X connection, which Qt opened, and the root window of its first screen.
struct X11Display {
    xcb_connection_t* connection;
    std::uint32_t root;
};

// None when the program does not run on X11.
std::optional<X11Display> x11Display();
