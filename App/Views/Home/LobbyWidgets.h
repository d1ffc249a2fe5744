#pragma once

#include <QLabel>

#include "Style/ControlKind.h"
#include "Style/LabelColors.h"
#include "Style/TableTheme.h"
#include "Style/TextRole.h"

// The lobby's plain texts: the system font at a size and weight, in a label colour.
namespace LobbyWidgets {

QLabel* label(const QString& text, double size, FontWeight weight, const RGB& colour,
              QWidget* parent = nullptr);
// A line of an element read as a whole (a tile, the bankroll line): drawn, never read on its own.
QLabel* partLabel(const QString& text, double size, FontWeight weight, const RGB& colour,
                  QWidget* parent = nullptr);
void recolor(QLabel* label, const RGB& colour);
// The width a styled button needs for a face `faceWidth` wide, with room for its shadow and focus ring.
int buttonWidth(const TableTheme& theme, ControlSize size, double faceWidth);

} // namespace LobbyWidgets
