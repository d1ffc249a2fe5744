#pragma once

#include "PopoverPlacement.h"

#include <QPoint>
#include <QRect>

#include <cstddef>
#include <vector>

// The screens as the toolkit reports them, each with the part windows may use as the desktop's panels
// leave it, and which one is the main screen.
struct DesktopScreens {
    std::vector<QRect> geometries;
    std::vector<QRect> workAreas;
    // The bands the panels' struts keep on each screen, which tell a panel from a dock.
    std::vector<std::vector<PanelBand>> panelBands;
    std::size_t primary = 0;

    // The screen at `point`, or the main one where there is none.
    std::size_t at(QPoint point) const;
};

// The screens now.
DesktopScreens desktopScreens();
