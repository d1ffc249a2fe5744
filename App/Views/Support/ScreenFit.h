#pragma once

#include <QSize>

class QScreen;
class QWidget;

// Opening a window on the player's screen, fitted to what the screen's panels leave of it.
namespace ScreenFit {

// The screen a window opening now opens on: the one under the pointer, else the primary one; null when
// there is no screen at all.
QScreen* openingScreen();

// Sizes and places `window` before it is shown: `wanted` fitted to the available area of the screen it
// opens on and centred there, never below the window's minimum size. Without a screen it takes `wanted`.
void open(QWidget& window, QSize wanted);

} // namespace ScreenFit
