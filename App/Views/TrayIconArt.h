#pragma once

#include <QIcon>
#include <QImage>

#include <array>

// The tray's chip: a poker chip with edge inserts, and the turn badge, a warm dot at its upper right.
// Painted at each size asked for, with its edges placed on whole pixels, so it stays sharp in a
// 16-pixel tray as on a 2x screen.
namespace TrayIconArt {

// The sizes the icon is installed at for the desktop's icon theme.
inline constexpr std::array<int, 8> themeSizes = {16, 22, 24, 32, 48, 64, 128, 256};
// The sizes trays ask for, at single and double scale.
inline constexpr std::array<int, 9> traySizes = {16, 18, 22, 24, 32, 36, 44, 48, 64};

QImage image(int size, bool badge);
QIcon icon(bool badge);

} // namespace TrayIconArt
