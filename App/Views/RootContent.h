#pragma once

#include "Style/TableSurface.h"
#include "Views/AppEnvironment.h"

#include <functional>

class QWidget;
struct TableTheme;

// What a root shows: the table screen while the controller has a table, the lobby otherwise.
// Screens still to be built show a placeholder that says so and keeps the game playable.
namespace RootContent {
// `openGuide`: how the table screen opens the guide; without it the guide covers the table.
// `rootIsNew`: the root is being built, so a table the controller has is under way, its past heard on
// the other surface; else the content changes because a table started or ended.
QWidget* make(const AppEnvironment& environment, TableSurface surface, const TableTheme& theme,
              std::function<void()> openGuide = {}, bool rootIsNew = false);
// Hands a new theme to a screen made by make().
void setTheme(QWidget* content, const TableTheme& theme);
// Gives the keys to the control a screen made by make() starts with: the table, its message's button
// or its caption; the lobby's hero game; the placeholder itself.
void takeKeys(QWidget* content);
} // namespace RootContent
