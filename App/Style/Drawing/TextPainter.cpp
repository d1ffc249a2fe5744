#include "Style/Drawing/TextPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/ThemeFonts.h"

namespace {
QFont lineFont(const TableTheme& theme, TextRole role) {
    QFont font = ThemeFonts::font(theme, role);
    if (role == TextRole::tag)
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    return font;
}

QPointF aligned(const QRectF& box, QSizeF size, Qt::Alignment alignment) {
    double x = box.left() + (box.width() - size.width()) / 2;
    if (alignment & Qt::AlignLeft)
        x = box.left();
    else if (alignment & Qt::AlignRight)
        x = box.right() - size.width();
    double y = box.top() + (box.height() - size.height()) / 2;
    if (alignment & Qt::AlignTop)
        y = box.top();
    else if (alignment & Qt::AlignBottom)
        y = box.bottom() - size.height();
    return {x, y};
}
} // namespace

namespace TextPainter {

QString shown(const TableTheme& theme, const QString& string, TextRole role) {
    if (theme.style == TableStyleID::pixel)
        return string;
    return role == TextRole::tag ? string.toUpper() : string;
}

QSizeF pixelTextSize(PixelFontFace face, double pixel, const QString& string) {
    return {pixel * PixelFont::width(face, PixelFont::displayed(face, string)),
            pixel * PixelFont::lineHeight(face)};
}

void paintPixelText(QPainter& painter, QPointF topLeft, PixelFontFace face, double pixel,
                    const QString& string, const RGB& colour) {
    PixelKit kit(painter, pixel, topLeft);
    kit.fill(PixelGeometry::text(face, string, 0, 0), colour);
}

QSizeF measure(const TableTheme& theme, const QString& string, TextRole role) {
    if (theme.style == TableStyleID::pixel) {
        const PixelTextStyle style = theme.pixelText(role);
        return pixelTextSize(style.face, style.pixel, string);
    }
    const QFontMetricsF metrics(lineFont(theme, role));
    return {std::ceil(metrics.horizontalAdvance(shown(theme, string, role))), std::ceil(metrics.height())};
}

void paint(QPainter& painter, const QRectF& box, const TableTheme& theme, const QString& string,
           TextRole role, const RGB& colour, Qt::Alignment alignment) {
    if (theme.style == TableStyleID::pixel) {
        const PixelTextStyle style = theme.pixelText(role);
        const QSizeF size = pixelTextSize(style.face, style.pixel, string);
        QPointF topLeft = aligned(box, size, alignment);
        // Keep bitmap text on whole points, so its cells stay crisp.
        topLeft = QPointF(std::round(topLeft.x()), std::round(topLeft.y()));
        paintPixelText(painter, topLeft, style.face, style.pixel, string, colour);
        return;
    }
    const QFont font = lineFont(theme, role);
    const QFontMetricsF metrics(font);
    const QString text = metrics.elidedText(shown(theme, string, role), Qt::ElideRight, box.width() + 0.5);
    painter.save();
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(box, static_cast<int>(alignment) | Qt::TextSingleLine, text);
    painter.restore();
}

void paintRolling(QPainter& painter, const QRectF& box, const TableTheme& theme, const QString& previous,
                  const QString& string, TextRole role, const RGB& colour, double progress,
                  Qt::Alignment alignment) {
    if (progress >= 1) {
        paint(painter, box, theme, string, role, colour, alignment);
        return;
    }
    const double travel = box.height() * 0.6;
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    const double opacity = painter.opacity();
    painter.setOpacity(opacity * (1 - progress));
    paint(painter, box.translated(0, -travel * progress), theme, previous, role, colour, alignment);
    painter.setOpacity(opacity * progress);
    paint(painter, box.translated(0, travel * (1 - progress)), theme, string, role, colour, alignment);
    painter.restore();
}

} // namespace TextPainter
