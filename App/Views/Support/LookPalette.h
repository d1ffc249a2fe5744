#pragma once

#include <QPalette>

#include "Views/Settings/SettingsLook.h"

// Every role the desktop's standard controls draw with (a drop-down, a check box, a toolbar's buttons,
// a scroll bar) in the game's look, so none keeps the desktop's faces beside what the game draws.
QPalette lookPalette(const SettingsLook::Colours& look);
