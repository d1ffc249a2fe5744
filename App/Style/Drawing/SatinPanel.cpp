#include "Style/Drawing/SatinPanel.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

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

SatinPanel::Outline SatinPanel::outlineFor(const QRectF& card, double radius, bool selected) {
    Outline outline;
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
    if (selected)
        SoftShadow::paint(painter, card, 8, QColor::fromRgbF(0, 0, 0, 0.14f), QPointF(0, 4));
    else
        SoftShadow::paint(painter, card, 4, QColor::fromRgbF(0, 0, 0, theme.dark ? 0.35f : 0.06f),
                          QPointF(0, 2));
}

void SatinPanel::paintBorder(QPainter& painter, const Outline& outline, const TableTheme& theme,
                             bool systemDark, bool selected) {
    RGB border = SatinPanelColors::border(systemDark);
    if (selected)
        border = SatinPalette::accent(systemDark);
    else if (theme.increaseContrast)
        border = SatinPanelColors::edge(systemDark);
    painter.strokePath(outline.border, QPen(toQColor(border), outline.borderWidth));
}

void SatinPanel::paint(QPainter& painter, const QRectF& card, const TableTheme& theme, bool systemDark,
                       bool selected, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const Outline outline = outlineFor(card, radius, selected);
    paintShadow(painter, outline.card, theme, selected);
    painter.fillPath(outline.card, toQColor(SatinPanelColors::fill(systemDark)));
    paintBorder(painter, outline, theme, systemDark, selected);
    painter.restore();
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
