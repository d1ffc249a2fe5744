#include "Views/Table/StageKit.h"

#include "Views/Table/CardSlot.h"
#include "Views/Table/CardView.h"
#include "Views/Table/ChipStackView.h"
#include "Views/Table/FeltView.h"
#include "Views/Table/PausedTableOverlay.h"

namespace StageKit {

void felt(QPainter& painter, const QRectF& table, const TableTheme& theme) {
    FeltView::paint(painter, table, theme);
}

void pausedShade(QPainter& painter, const QRectF& table, const TableTheme& theme) {
    PausedTableOverlay::paint(painter, table, theme);
}

void cardPlace(QPainter& painter, const QRectF& place, const TableTheme& theme) {
    CardSlot::paint(painter, place, theme);
}

void card(QPainter& painter, const QRectF& rect, const TableTheme& theme,
          const std::optional<PokerEngine::Card>& card, bool lifted, bool moving) {
    CardView::paint(painter, rect.topLeft(), theme, card, rect.size(), lifted, moving);
}

QSizeF chipsSize(std::int64_t amount, const TableTheme& theme) {
    return ChipStackView::size(amount, theme);
}

void chips(QPainter& painter, QPointF center, const TableTheme& theme, std::int64_t amount, bool lifted) {
    const QSizeF size = chipsSize(amount, theme);
    if (size.isEmpty()) {
        return;
    }
    ChipStackView::paint(painter, center - QPointF(size.width() / 2, size.height() / 2), theme, amount,
                         lifted);
}

} // namespace StageKit
