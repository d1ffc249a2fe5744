#pragma once

#include "Style/TableTheme.h"

// The Settings form in the game's look rather than the desktop's: the lobby's window colour and
// label inks, the desktop's drop-downs and the shortcut recorder faced in the satin glass of the
// styled buttons, and the list a drop-down opens in the same glass with the accent marking its
// chosen row. Every text reads at 4.5:1 on what it is drawn on, in light and dark, and every edge that
// shows where a control is at 3:1; with increased contrast, at 7:1 and 4.5:1.
namespace SettingsLook {

// Satin whatever the table's style, in the desktop's appearance.
TableTheme theme(AppearanceFlags appearance);

struct Colours {
    RGB window;
    // The ground inside a section. The desktop's style frames the sections and may shade their inside
    // a little (Fusion lays 1 % of black there); what is drawn on a section is measured on the window
    // shaded 3 % toward the text, so it reads whatever such a style lays under it.
    RGB section;
    RGB text;
    // The grey line under a setting, and a problem's red.
    RGB explanation;
    RGB problem;
    // The edge of a check box's box, round the face it is filled with.
    RGB controlEdge;
    // A drop-down's or the recorder's face and title, and the list a drop-down opens.
    RGB controlFace;
    RGB controlText;
    // The chosen row of an open list, and its text.
    RGB highlight;
    RGB highlightedText;
    // A control that cannot be used now.
    RGB disabledText;
    bool operator==(const Colours&) const = default;
};

Colours colours(const TableTheme& theme);

} // namespace SettingsLook
