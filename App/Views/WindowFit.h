#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// How a window opening on a screen fits that screen's available area (what the panels leave), decided
// without a window. Sizes are the window's content; the desktop adds its title bar and borders round it.
namespace WindowFit {

// The room the desktop's title bar and borders take round a window's content. Before a window is first
// shown its real frame is not known, so this generous allowance stands in for it.
inline constexpr QMargins decorations{8, 40, 8, 8};

// The content size a window opens at: `wanted` (its default, or the size the player left it at) cut to
// what `room` leaves once the decorations are drawn, but never below `minimum`, even on a screen too
// small for it, since the content cannot be laid out smaller.
QSize size(QSize wanted, QSize minimum, QSize room);

// The content frame a window opens at: sized by size() and centred in `room`, decorations included. A
// window bigger than the room stands at the room's top-left corner, so its title bar stays in reach.
QRect frame(QSize wanted, QSize minimum, QRect room);

} // namespace WindowFit
