#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the popover opens: centred under the tray icon with a small gap, above it when the tray is
// at the bottom of the screen, near the pointer when the tray tells no place, and always kept inside
// the screen's available area.
QRect popoverFrame(QRect iconFrame, QPoint cursor, QRect available, QSize size);

// A tray that draws the icon itself (StatusNotifierItem) never tells where it is; a mouse click on it
// does, for the pointer is on the icon as the click arrives. The frame of an icon around `pointer`,
// when the pointer is on a panel: outside the work area, or anywhere on a screen whose work area no
// panel insets. Empty when the pointer is in the work area beside a panel, as after the tray's own keys.
QRect clickedIconFrame(QPoint pointer, QRect screen, QRect available);

// Where a tray that never told its icon's place most likely has it: at the trailing end of the panel,
// whose edge is the side of the screen the work area leaves the most room on (the bottom end of a
// panel at the left or right). Empty when no side is inset, so nothing tells where a panel is.
QRect panelEndFrame(QRect screen, QRect available);
