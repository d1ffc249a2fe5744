#include "Style/Drawing/LitStack.h"

#include "Style/Drawing/LitChip.h"
#include "Style/Drawing/SoftShadow.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace LitStack {

namespace {

// Seen at an angle, the chips' faces are squashed to this share of their height.
constexpr double squash = 0.38;

} // namespace

QSizeF size(const std::vector<ChipColumn>& columns, double radius) {
    const double n = static_cast<double>(columns.size());
    int tallest = 0;
    for (const ChipColumn& column : columns)
        tallest = std::max(tallest, column.count);
    const double step = LitChip::thickness(radius);
    const QSizeF chip = LitChip::frame(radius, squash);
    return {n * chip.width() + (n - 1) * (0.3 * radius - 4), chip.height() + step * (tallest - 1)};
}

void paint(QPainter& painter, const QPointF& topLeft, const std::vector<ChipColumn>& columns, double radius,
           bool dark) {
    const QSizeF whole = size(columns, radius);
    const QSizeF chip = LitChip::frame(radius, squash);
    const double step = LitChip::thickness(radius);
    const double r = radius;

    // The contact shadow: an ellipse under the row's bottom, a little to the right and down.
    const QSizeF contact(whole.width() - 4 + 0.16 * r, 0.798 * r);
    QPainterPath shadow;
    shadow.addEllipse(QRectF(topLeft + QPointF((whole.width() - contact.width()) / 2 + 0.12 * r,
                                               whole.height() - contact.height() + 0.133 * r - 2),
                             contact));
    SoftShadow::paint(painter, shadow, 0.2 * r, QColor::fromRgbF(0, 0, 0, dark ? 0.6f : 0.3f), QPointF());

    double x = topLeft.x();
    for (const ChipColumn& column : columns) {
        for (int k = 0; k < column.count; ++k)
            LitChip::paint(painter, QPointF(x, topLeft.y() + whole.height() - chip.height() - k * step),
                           column.denomination, r, squash);
        x += chip.width() + 0.3 * r - 4;
    }
}

} // namespace LitStack
