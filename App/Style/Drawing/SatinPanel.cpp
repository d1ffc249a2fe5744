#include "Style/Drawing/SatinPanel.h"

#include <QDataStream>
#include <QEvent>
#include <QIODevice>
#include <QPainter>

#include <algorithm>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Ornaments.h"
#include "Style/SatinPalette.h"

SatinPanel::SatinPanel(const TableTheme& theme, bool selected, double radius, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , selected_(selected)
    , radius_(radius) {
    setContentsMargins(shadowMargins());
    setGraphicsEffect(new RoundedClipEffect(*this, this));
    rebuildOutline();
}

void SatinPanel::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void SatinPanel::setSelected(bool selected) {
    if (selected == selected_)
        return;
    selected_ = selected;
    rebuildOutline();
    update();
}

QMargins SatinPanel::shadowMargins() {
    return {8, 6, 8, 12};
}

namespace {
struct Shadow {
    double radius;
    QPointF offset;
    float opacity;
};

Shadow shadowOf(const TableTheme& theme, bool selected) {
    if (selected)
        return {8, {0, 4}, 0.14f};
    return {4, {0, 2}, theme.dark ? 0.35f : 0.06f};
}

// What a kept image of the card depends on.
QByteArray keyOf(const char* part, const QRectF& card, double radius, std::initializer_list<RGB> colours,
                 std::initializer_list<bool> flags) {
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    stream << part << card.size() << radius;
    for (const RGB& colour : colours)
        stream << colour.red << colour.green << colour.blue << colour.alpha;
    for (bool flag : flags)
        stream << flag;
    return key;
}
} // namespace

SatinPanel::Outline SatinPanel::outlineFor(const QRectF& card, double radius, bool selected) {
    Outline outline;
    outline.radius = radius;
    outline.card.addRoundedRect(card, radius, radius);
    // The border is stroked inside the edge, so it never reaches beyond the panel.
    outline.borderWidth = selected ? 2.5 : 1;
    const double half = outline.borderWidth / 2;
    const double inner = std::max(0.0, radius - half);
    outline.border.addRoundedRect(card.adjusted(half, half, -half, -half), inner, inner);
    return outline;
}

void SatinPanel::paintShadow(QPainter& painter, const QPainterPath& card, const TableTheme& theme,
                             bool selected) {
    const Shadow shadow = shadowOf(theme, selected);
    SoftShadow::paint(painter, card, shadow.radius, QColor::fromRgbF(0, 0, 0, shadow.opacity), shadow.offset);
}

RGB SatinPanel::borderColour(const TableTheme& theme, bool systemDark, bool selected) {
    if (selected)
        return SatinPalette::accent(systemDark);
    if (theme.increaseContrast)
        return SatinPanelColors::edge(systemDark);
    return SatinPanelColors::border(systemDark);
}

// A thin translucent anti-aliased line round a large card is one of the fills Qt spreads over its
// thread pool, so the line is drawn once and kept.
void SatinPanel::paintBorder(QPainter& painter, const Outline& outline, const TableTheme& theme,
                             bool systemDark, bool selected) {
    const RGB colour = borderColour(theme, systemDark, selected);
    const QRectF card = outline.card.boundingRect();
    ArtCache::draw(painter, keyOf("satin panel border", card, outline.radius, {colour}, {selected}), card, {},
                   [&](QPainter& p, QPointF at) {
                       p.strokePath(outline.border.translated(at - card.topLeft()),
                                    QPen(toQColor(colour), outline.borderWidth));
                   });
}

QMarginsF SatinPanel::overhang(const TableTheme& theme, bool selected) {
    const Shadow shadow = shadowOf(theme, selected);
    const QRectF card(0, 0, 100, 100);
    return ArtCache::beyond(card, SoftShadow::bounds(card, shadow.radius, shadow.offset));
}

void SatinPanel::paint(QPainter& painter, const QRectF& card, const TableTheme& theme, bool systemDark,
                       bool selected, double radius) {
    const RGB fill = SatinPanelColors::fill(systemDark);
    const RGB border = borderColour(theme, systemDark, selected);
    const QByteArray key = keyOf("satin panel", card, radius, {fill, border}, {selected, theme.dark});
    ArtCache::draw(painter, key, card, overhang(theme, selected), [&](QPainter& p, QPointF at) {
        const Outline outline = outlineFor(QRectF(at, card.size()), radius, selected);
        paintShadow(p, outline.card, theme, selected);
        p.fillPath(outline.card, toQColor(fill));
        p.strokePath(outline.border, QPen(toQColor(border), outline.borderWidth));
    });
}

void SatinPanel::rebuildOutline() {
    outline_ = outlineFor(QRectF(contentsRect()), radius_, selected_);
}

void SatinPanel::resizeEvent(QResizeEvent* event) {
    rebuildOutline();
    QWidget::resizeEvent(event);
}

void SatinPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ContentsRectChange)
        rebuildOutline();
    QWidget::changeEvent(event);
}

// The fill is painted with the children, so it is clipped with them; the effect adds the shadow
// beneath and the border above.
void SatinPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), toQColor(SatinPanelColors::fill(SystemAppearance::current().dark)));
}

void SatinPanel::paintBeneath(QPainter& painter) const {
    paintShadow(painter, outline_.card, theme_, selected_);
}

void SatinPanel::paintAbove(QPainter& painter) const {
    paintBorder(painter, outline_, theme_, SystemAppearance::current().dark, selected_);
}
