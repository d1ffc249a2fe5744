#include "Style/Drawing/TagView.h"

#include <QPainter>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TextPainter.h"

namespace {
// Padding around the words: satin, paper.
QSizeF padding(TableStyleID style) {
    return style == TableStyleID::paper ? QSizeF(5, 2) : QSizeF(5, 1.5);
}

CardstockShape paperStock(const RGB& fill, bool dark) {
    return {fill, fill.mixed(RGB::black, 0.45), 2, 5, 7, false, std::nullopt, dark};
}

int pixelColumns(const QString& text) {
    return PixelFont::width(PixelFontFace::label, PixelFont::displayed(PixelFontFace::label, text)) + 4;
}
} // namespace

TagView::TagView(const TableTheme& theme, const QString& text, Kind kind, QWidget* parent)
    : FramedOrnament(parent)
    , theme_(theme)
    , text_(text)
    , kind_(kind) {
    StyleAccessibility::setRole(this, QAccessible::StaticText);
    StyleAccessibility::setName(this, TextPainter::shown(theme_, text_, TextRole::tag));
}

void TagView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    StyleAccessibility::setName(this, TextPainter::shown(theme_, text_, TextRole::tag));
    updateGeometry();
    update();
}

std::pair<PaletteToken, PaletteToken> TagView::roles(Kind kind) {
    switch (kind) {
    case Kind::blind:
        return {PaletteToken::tagFill, PaletteToken::tagText};
    case Kind::allIn:
        return {PaletteToken::allInFill, PaletteToken::allInText};
    case Kind::turn:
        return {PaletteToken::turnTagFill, PaletteToken::turnTagText};
    case Kind::paused:
        return {PaletteToken::pausedTagFill, PaletteToken::pausedTagText};
    }
    return {PaletteToken::tagFill, PaletteToken::tagText};
}

QMarginsF TagView::overhang(const TableTheme& theme) {
    if (theme.style != TableStyleID::paper)
        return {};
    const QRectF box(0, 0, 40, 16);
    return ArtCache::beyond(box, paperStock(RGB::black, theme.dark).bounds(box));
}

QSizeF TagView::measure(const TableTheme& theme, const QString& text) {
    if (theme.style == TableStyleID::pixel)
        return {theme.pixelUnit * pixelColumns(text), theme.pixelUnit * 9};
    const QSizeF words = TextPainter::measure(theme, text, TextRole::tag);
    const QSizeF pad = padding(theme.style);
    return {words.width() + 2 * pad.width(), words.height() + 2 * pad.height()};
}

void TagView::paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, const QString& text,
                    Kind kind) {
    const auto [fillRole, textRole] = roles(kind);
    const RGB fill = theme.color(fillRole);
    const RGB ink = theme.color(textRole);
    const QRectF box(topLeft, measure(theme, text));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (theme.style) {
    case TableStyleID::satin:
        painter.fillPath(Pill{}.path(box), toQColor(fill));
        break;
    case TableStyleID::paper: {
        QPainterPath shape;
        shape.addRoundedRect(box, 4, 4);
        paperStock(fill, theme.dark).paint(painter, shape);
        break;
    }
    case TableStyleID::pixel: {
        const int columns = pixelColumns(text);
        const PixelKit kit(painter, theme.pixelUnit, topLeft);
        const RGB outline = PixelPalette{theme.dark, theme.increaseContrast}.outline();
        kit.fill({{1, 0, columns - 2, 9}, {0, 1, columns, 7}}, outline);
        kit.fill({{1, 1, columns - 2, 7}}, fill);
        kit.label(text, 2, 2, ink, 1);
        painter.restore();
        return;
    }
    }
    painter.restore();
    TextPainter::paint(painter, box, theme, text, TextRole::tag, ink);
}
