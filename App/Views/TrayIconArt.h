#pragma once

#include <QIcon>
#include <QImage>

// The tray's chip: a poker chip with edge inserts, and the turn badge, a warm dot at its upper right.
// Painted, so it stays sharp at every size a tray asks for.
namespace TrayIconArt {
QImage image(int size, bool badge);
QIcon icon(bool badge);
} // namespace TrayIconArt
