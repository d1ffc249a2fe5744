#pragma once

#include <QString>

#include <cstdint>

namespace ChipText {

// A chip amount in the locale's integer format ("10,000").
QString full(std::int64_t amount);

// A chip amount short enough for a nameplate: below 10,000 in the locale's format ("9,999"), then
// thousands ("12.3k") and millions ("1.3M") with one decimal when it is not zero.
QString compact(std::int64_t amount);

} // namespace ChipText
