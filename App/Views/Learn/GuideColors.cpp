#include "Views/Learn/GuideColors.h"

#include <QWidget>

#include "Learn/GuideInk.h"
#include "Style/Drawing/Colors.h"

namespace GuideColors {

QColor accent(bool dark) {
    return toQColor(GuideInk::accent(dark));
}

QColor primary(bool dark) {
    return toQColor(GuideInk::primary(dark));
}

QColor secondary(bool dark) {
    return toQColor(GuideInk::secondary(dark));
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
