#pragma once

#include "Style/RGB.h"

#include <optional>

// How a log line's seat dot is drawn so that it shows on the log's ground in light and dark: the dot
// keeps its seat's colour, which ties it to the seat's avatar, and where that colour is too close to
// the ground (the player's own near-white disc in light, say) its edge is drawn in a deeper tone of
// it that stands out at 3:1, as any mark that carries meaning must.
struct LogDot {
    // The seat's colour; none for a line about no one seat, whose dot is a hollow ring.
    std::optional<RGB> fill;
    RGB edge;
    double edgeWidth = 0.5;
    bool operator==(const LogDot&) const = default;

    // The dot of a line about the seat of colour `seat` (none for no one seat), in the log of a window
    // `dark` or light.
    static LogDot of(std::optional<RGB> seat, bool dark);
    // What the log lies on: the window's colour in the game's look, the sidebar's.
    static RGB ground(bool dark);
};
