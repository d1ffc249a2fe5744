#pragma once

#include <QSize>

class QWidget;

// Opening a window on the player's screen, fitted to what the screen's panels leave of it.
namespace ScreenFit {

// Sizes and places `window` before it is shown: `wanted` fitted to the available area of the screen it
// opens on and centred there, never below the window's minimum size. Without a screen it takes `wanted`.
void open(QWidget& window, QSize wanted);

} // namespace ScreenFit
