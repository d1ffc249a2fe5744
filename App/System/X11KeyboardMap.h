#pragma once

#include <cstdint>
#include <vector>

// The keysyms the X keyboard map puts on a key code, unshifted first then shifted, so a key press
// can be known by the key pressed rather than the character Shift made of it. Empty off X11.
std::vector<std::uint32_t> x11Keysyms(std::uint32_t keycode);
