#include "Style/Drawing/ThemeFonts.h"

#include <cmath>

#include "Style/Drawing/PaperFont.h"

namespace ThemeFonts {

QString systemFamily() {
    return QStringLiteral("Lato");
}

QString fallbackFamily() {
    return QStringLiteral("DejaVu Sans");
}

QFont::Weight qtWeight(FontWeight weight) {
    switch (weight) {
    case FontWeight::regular:
        return QFont::Normal;
    case FontWeight::medium:
        return QFont::Medium;
    case FontWeight::semibold:
        return QFont::DemiBold;
    case FontWeight::bold:
        return QFont::Bold;
    case FontWeight::heavy:
        return QFont::ExtraBold;
    }
    return QFont::Normal;
}

QFont system(double pixelSize, FontWeight weight) {
    QFont font;
    font.setFamilies({systemFamily(), fallbackFamily()});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(qtWeight(weight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont typeface() {
    QFont font;
    font.setFamilies({systemFamily(), fallbackFamily()});
    return font;
}

QFont font(const FontSpec& face) {
    // Monospaced digits need nothing more: the system family's digits all share one advance.
    if (face.paperFace)
        return PaperFont::font(face.pixelSize, face.paperWeight);
    return system(face.pixelSize, face.systemWeight);
}

QFont font(const TableTheme& theme, TextRole role) {
    return font(theme.font(role));
}

} // namespace ThemeFonts
