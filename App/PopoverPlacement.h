#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the popover opens: centred under the tray icon with a small gap, above it when the tray is
// at the bottom of the screen, near the pointer when the tray tells no place, and always kept inside
// the screen's available area.
QRect popoverFrame(QRect iconFrame, QPoint cursor, QRect available, QSize size);
