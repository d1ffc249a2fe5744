#include "Style/Drawing/PaperFont.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>

#include <algorithm>
#include <cmath>

#include "Style/Drawing/ThemeFonts.h"

namespace {
// Where the typeface would ship: in the resources, or beside the executable.
QStringList candidatePaths() {
    return {QStringLiteral(":/fonts/BricolageGrotesque.ttf"),
            QDir(QCoreApplication::applicationDirPath())
                .filePath(QStringLiteral("fonts/BricolageGrotesque.ttf"))};
}

bool registerTypeface() {
    for (const QString& path : candidatePaths()) {
        if (!QFile::exists(path))
            continue;
        if (QFontDatabase::addApplicationFont(path) >= 0)
            return true;
    }
    // Already registered by someone else in this process still counts.
    return QFontDatabase::hasFamily(PaperFont::familyName());
}
} // namespace

namespace PaperFont {

QString familyName() {
    return QStringLiteral("Bricolage Grotesque");
}

bool isAvailable() {
    static const bool available = registerTypeface();
    return available;
}

FontWeight fallbackWeight(double weight) {
    if (weight >= 750)
        return FontWeight::heavy;
    if (weight >= 650)
        return FontWeight::bold;
    return FontWeight::semibold;
}

double opticalSize(double pixelSize) {
    return std::clamp(pixelSize, 12.0, 96.0);
}

QFont font(double pixelSize, double weight) {
    if (!isAvailable())
        return ThemeFonts::system(pixelSize, fallbackWeight(weight));
    // Qt 6.4 cannot set the optical-size axis; the weight axis maps straight onto Qt's 100-900 scale.
    QFont font(familyName());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(static_cast<int>(std::lround(weight)), 100, 900)));
    return font;
}

} // namespace PaperFont
