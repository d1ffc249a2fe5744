#pragma once

#include "Style/TableStyleID.h"
#include "Style/TableSurface.h"

// The dealer's disc is drawn by the style and placed by the table, which both need its size: nine
// pixel cells on the pixel table, else 22 on the window's table and 16 in the popover.
double dealerButtonDiameter(TableStyleID style, TableSurface surface, double pixelUnit);
