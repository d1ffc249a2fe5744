#pragma once

#include <QFont>
#include <QString>

#include "Style/TextRole.h"

// The paper style's own typeface, registered once from the application's resources. When the file is
// missing the paper style sets its text in the system font with the weight mapped below.
namespace PaperFont {

QString familyName();
// Whether the typeface could be registered; decided on first use and kept for the process.
bool isAvailable();
// The paper typeface at a pixel size and weight-axis value, or the fallback.
QFont font(double pixelSize, double weight);
// The weight of the fallback for a weight-axis value: heavy from 750, bold from 650, else semibold.
FontWeight fallbackWeight(double weight);
// The optical size the typeface is asked for: the size clamped to 12...96.
double opticalSize(double pixelSize);

} // namespace PaperFont
