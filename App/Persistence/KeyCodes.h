#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The stored shortcut keeps the virtual key codes of the original keyboard layout (35 is P); keys
// that layout lacks (Print, Scroll Lock, Pause) have codes of their own from 256 on. These translate
// the codes to the keys Qt reports, to the X keysyms the global hotkey grabs and to the names Linux
// writes. Keys not in the table cannot be recorded or grabbed.
namespace KeyCodes {

// The key Qt reports, with whether it came from the keypad. A shifted symbol of the US layout ("!",
// "?", "+") counts as the key that carries it when Shift is held, so Ctrl+Shift+1 is the 1 key.
std::optional<std::uint16_t> fromQtKey(int qtKey, bool keypad = false, bool shift = false);
// The physical key from the keysyms the keyboard map gives it, unshifted level first: the first one
// the table knows decides (on a French layout the 1 key is "&" unshifted and "1" shifted).
std::optional<std::uint16_t> fromKeysyms(std::span<const std::uint32_t> keysyms);
std::optional<int> qtKey(std::uint16_t code);
// The keysym that names the key in the X keyboard map (lower case for letters, KP_1 for the keypad).
std::optional<std::uint32_t> keysym(std::uint16_t code);
// What Linux calls the key where it is not a character: "Return", "Page Up", "Keypad 1", "F5".
std::optional<std::string> name(std::uint16_t code);

} // namespace KeyCodes
