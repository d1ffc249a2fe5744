#pragma once

#include <optional>

// How the keys move through a list read one row at a time (the guide's rankings and glossary): the
// arrows one row, Page Up and Page Down a page of rows, Home and End to either end, stopping there.
namespace ListKeys {

// Rows a page key moves by.
inline constexpr int pageRows = 5;

// The row `key` (a Qt key code) leads to from row `from` of `count`; none for a key that does not move
// through the list. With no row yet, the keys that move down start above the first row and those that
// move up below the last: Down reaches the first, Up the last.
std::optional<int> target(std::optional<int> from, int count, int key);

} // namespace ListKeys
