#include "Views/Learn/GuideColors.h"

#include <QWidget>

#include "Style/Drawing/Colors.h"
#include "Style/SatinPalette.h"

namespace GuideColors {

QColor accent(bool dark) {
    return toQColor(SatinPalette::accent(dark));
}

QColor primary(bool dark) {
    return dark ? QColor(255, 255, 255, 235) : QColor(0, 0, 0, 217);
}

QColor secondary(bool dark) {
    // Light, the desktop's usual 60 % grey reads at only 3.2:1 on the window; 80 % reads at 5.3:1.
    return dark ? QColor(235, 235, 245, 153) : QColor(60, 60, 67, 204);
}

QColor faded(QColor colour, double opacity) {
    colour.setAlphaF(static_cast<float>(colour.alphaF() * opacity));
    return colour;
}

void setTextColour(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace GuideColors
