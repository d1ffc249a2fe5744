#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// The lobby's column: in the popover it is the popover itself; in the window it keeps a largest size
// (480 by 640) and stays centred, shrinking where the window is smaller.
namespace HomeColumn {

inline constexpr QSize window{480, 640};

QRect frame(const QRect& available, const std::optional<QSize>& column);

} // namespace HomeColumn
