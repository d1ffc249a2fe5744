#include "Views/Support/CardOverlay.h"

#include <QMouseEvent>
#include <QPainter>

#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"

namespace {

// The room a card may take in `column`, and how tall it is at that width.
std::pair<QRect, int> cardArea(const QRect& column, const QWidget& card) {
    const QMargins room = SatinPanel::shadowMargins();
    const QRect area =
        column.adjusted(12 - room.left(), 12 - room.top(), -12 + room.right(), -12 + room.bottom());
    const int height =
        card.hasHeightForWidth() ? card.heightForWidth(area.width()) : card.sizeHint().height();
    return {area, height};
}

} // namespace

QRect restingAtBottom(const QRect& column, const QWidget& card) {
    const auto [area, height] = cardArea(column, card);
    return {area.left(), area.bottom() - height + 1, area.width(), height};
}

QRect restingAtTop(const QRect& column, const QWidget& card) {
    const auto [area, height] = cardArea(column, card);
    return {area.left(), area.top(), area.width(), height};
}

CardShade::CardShade(std::function<void()> tapped, QWidget* parent)
    : QWidget(parent)
    , tapped_(std::move(tapped)) {
    StyleAccessibility::setHidden(this);
}

void CardShade::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), QColor::fromRgbF(0, 0, 0, 0.35f));
}

void CardShade::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        tapped_();
}
