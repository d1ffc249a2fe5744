#include "Style/Drawing/SatinPanel.h"

#include <QPainter>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Ornaments.h"
#include "Views/Controls/ButtonFaces.h"

SatinPanel::SatinPanel(const TableTheme& theme, bool selected, double radius, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , selected_(selected)
    , radius_(radius) {
    setContentsMargins(shadowMargins());
}

void SatinPanel::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void SatinPanel::setSelected(bool selected) {
    selected_ = selected;
    update();
}

QMargins SatinPanel::shadowMargins() {
    return {8, 6, 8, 12};
}

void SatinPanel::paint(QPainter& painter, const QRectF& card, const TableTheme& theme, bool systemDark,
                       bool selected, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(card, radius, radius);
    if (selected)
        SoftShadow::paint(painter, shape, 8, QColor::fromRgbF(0, 0, 0, 0.14f), QPointF(0, 4));
    else
        SoftShadow::paint(painter, shape, 4, QColor::fromRgbF(0, 0, 0, theme.dark ? 0.35f : 0.06f),
                          QPointF(0, 2));
    painter.fillPath(shape, toQColor(SatinPanelColors::fill(systemDark)));
    // The border is stroked inside the edge, so it never reaches beyond the panel.
    double width = 1;
    RGB border = SatinPanelColors::border(systemDark);
    if (selected) {
        width = 2.5;
        border = ButtonFaces::satinAccent(systemDark);
    } else if (theme.increaseContrast) {
        border = SatinPanelColors::edge(systemDark);
    }
    const double half = width / 2;
    QPainterPath inner;
    inner.addRoundedRect(card.adjusted(half, half, -half, -half), std::max(0.0, radius - half),
                         std::max(0.0, radius - half));
    painter.strokePath(inner, QPen(toQColor(border), width));
    painter.restore();
}

void SatinPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(contentsRect()), theme_, SystemAppearance::current().dark, selected_, radius_);
}
