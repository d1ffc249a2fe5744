#pragma once

#include <QRectF>
#include <QString>

#include "Style/TableTheme.h"

class QPainter;

// One line of themed text, measured and painted: the system or paper font in satin and paper, bitmap
// text in pixel. The text widgets and every painted control set their words through here.
namespace TextPainter {

// The words as a screen reader and the satin and paper fonts show them: tags in capitals.
QString shown(const TableTheme& theme, const QString& string, TextRole role);
QSizeF measure(const TableTheme& theme, const QString& string, TextRole role);
// Paints the line aligned in `box`; satin and paper elide what does not fit.
void paint(QPainter& painter, const QRectF& box, const TableTheme& theme, const QString& string,
           TextRole role, const RGB& colour, Qt::Alignment alignment = Qt::AlignCenter);

// A number on its way from `previous` to `string`, `progress` from 0 to 1: counting up, the old line
// leaves upward and fades as the new one rises from below, both clipped to `box`.
void paintRolling(QPainter& painter, const QRectF& box, const TableTheme& theme, const QString& previous,
                  const QString& string, TextRole role, const RGB& colour, double progress,
                  Qt::Alignment alignment = Qt::AlignCenter);

// Bitmap text: its size in points, and painting it with its top-left at `topLeft`.
QSizeF pixelTextSize(PixelFontFace face, double pixel, const QString& string);
void paintPixelText(QPainter& painter, QPointF topLeft, PixelFontFace face, double pixel,
                    const QString& string, const RGB& colour);

} // namespace TextPainter
