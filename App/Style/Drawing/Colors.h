#pragma once

#include <QColor>

#include "Style/RGB.h"

// A style colour as Qt paints it: sRGB with the alpha as opacity.
inline QColor toQColor(const RGB& colour) {
    return QColor::fromRgbF(static_cast<float>(colour.red), static_cast<float>(colour.green),
                            static_cast<float>(colour.blue), static_cast<float>(colour.alpha));
}
