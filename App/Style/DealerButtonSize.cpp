#include "Style/DealerButtonSize.h"

double dealerButtonDiameter(TableStyleID style, TableSurface surface, double pixelUnit) {
    if (style == TableStyleID::pixel)
        return 9 * pixelUnit;
    return surface == TableSurface::window ? 22 : 16;
}
