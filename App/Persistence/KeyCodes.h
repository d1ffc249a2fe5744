#pragma once

#include <cstdint>
#include <optional>

// The stored shortcut keeps the virtual key codes of the original keyboard layout (35 is P). These
// translate them to the keys Qt reports and to the X keysyms the global hotkey grabs. Keys not in the
// table cannot be recorded or grabbed.
namespace KeyCodes {

std::optional<std::uint16_t> fromQtKey(int qtKey);
std::optional<int> qtKey(std::uint16_t code);
// The keysym that names the key in the X keyboard map (lower case for letters).
std::optional<std::uint32_t> keysym(std::uint16_t code);

} // namespace KeyCodes
