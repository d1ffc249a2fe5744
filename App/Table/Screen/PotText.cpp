#include "Table/Screen/PotText.h"

#include "Table/ChipText.h"

#include <algorithm>
#include <numeric>

namespace PotText {

QString pill(std::int64_t total) {
    return QStringLiteral("Pot ") + ChipText::full(total);
}

std::optional<QString> sideLine(const std::vector<PokerEngine::Pot>& pots) {
    if (pots.size() < 2) {
        return std::nullopt;
    }
    QStringList pieces;
    for (std::size_t i = 0; i < pots.size(); ++i) {
        QString name = QStringLiteral("Main");
        if (i > 0) {
            name = pots.size() == 2 ? QStringLiteral("Side") : QStringLiteral("Side ") + QString::number(i);
        }
        pieces << name + QLatin1Char(' ') + ChipText::full(pots[i].amount);
    }
    return pieces.join(QStringLiteral(" \u00B7 "));
}

QString listed(const QStringList& names) {
    if (names.size() < 2) {
        return names.join(QString());
    }
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

QString accessibilityLabel(const PokerEngine::PlayerView& view,
                           const std::function<QString(std::int64_t)>& name) {
    QString text = QStringLiteral("Pot: ") + ChipText::full(view.totalPot()) + QStringLiteral(" chips.");
    if (view.pots.size() <= 1) {
        return text;
    }
    for (std::size_t i = 0; i < view.pots.size(); ++i) {
        const auto& pot = view.pots[i];
        QStringList contenders;
        for (const auto& seat : view.seats) {
            if (!seat.player || !pot.eligible.contains(*seat.player)) {
                continue;
            }
            contenders << (seat.index == view.seatIndex ? QStringLiteral("you") : name(seat.index));
        }
        const QString label =
            i == 0 ? QStringLiteral("Main pot") : QStringLiteral("Side pot ") + QString::number(i);
        text += QLatin1Char(' ') + label + QStringLiteral(": ") + ChipText::full(pot.amount) +
                QStringLiteral(" chips");
        text += contenders.isEmpty() ? QStringLiteral(".")
                                     : QStringLiteral(", ") + listed(contenders) + QLatin1Char('.');
    }
    return text;
}

QString betSpoken(std::int64_t amount) {
    return QStringLiteral("Bet ") + ChipText::full(amount) + QStringLiteral(" chips");
}

QString sidePotHelp() {
    return QStringLiteral(
        "A second pot for bets an all-in player couldn't match. Only players who matched them can win it.");
}

double potHeightHalf(const TableTheme& theme, std::size_t potCount) {
    const bool several = potCount >= 2;
    if (theme.style == TableStyleID::pixel) {
        return (several ? 11.5 : 7.5) * theme.pixelUnit;
    }
    return (theme.surface == TableSurface::popover ? 11 : 14) + (several ? 9 : 0);
}

} // namespace PotText

PixelBoxCells PixelBoxCells::make(int columns, int rows) {
    PixelBoxCells cells;
    if (columns - 2 >= 1 && rows >= 1) {
        cells.outline.push_back(QRect(1, 0, columns - 2, rows));
    }
    if (columns >= 1 && rows - 2 >= 1) {
        cells.outline.push_back(QRect(0, 1, columns, rows - 2));
    }
    if (columns - 2 >= 1 && rows - 2 >= 1) {
        cells.fill = QRect(1, 1, columns - 2, rows - 2);
    }
    return cells;
}

PotLabelLayout PotLabelLayout::make(const TableTheme& theme, QPointF center, const Sizes& sizes) {
    const double u = theme.pixelUnit;
    const bool pixel = theme.style == TableStyleID::pixel;
    // The pill's padding round its words, by style.
    QSizeF words = sizes.total;
    QSizeF pad(12, 3);
    if (pixel) {
        if (sizes.sideWords) {
            words = QSizeF(std::max(words.width(), sizes.sideWords->width()),
                           words.height() + 2 * u + sizes.sideWords->height());
        }
        pad = QSizeF(5 * u, 3 * u);
    } else if (theme.style == TableStyleID::paper) {
        pad = QSizeF(10, 2);
    }
    const QSizeF pill(words.width() + 2 * pad.width(), words.height() + 2 * pad.height());
    // The pixel style writes the side pots inside the pill, so it has no label beneath.
    const bool hasSideLabel = !pixel && sizes.sideLabel.has_value();
    const QSizeF sideLabel = hasSideLabel ? *sizes.sideLabel : QSizeF();
    const double rowWidth = pill.width() + (sizes.chips ? sizes.chips->width() + 6 : 0);
    const double height = pill.height() + (hasSideLabel ? 3 + sideLabel.height() : 0);
    const double top = center.y() - height / 2;
    const double left = center.x() - rowWidth / 2;

    PotLabelLayout layout;
    layout.pill = QRectF(left + rowWidth - pill.width(), top, pill.width(), pill.height());
    if (sizes.chips) {
        layout.chips =
            QRectF(QPointF(left, top + pill.height() / 2 - sizes.chips->height() / 2), *sizes.chips);
    }
    const QRectF inner = layout.pill.adjusted(pad.width(), pad.height(), -pad.width(), -pad.height());
    if (pixel) {
        layout.total = QRectF(inner.left(), inner.top(), inner.width(), sizes.total.height());
        if (sizes.sideWords) {
            const double below = sizes.total.height() + 2 * u;
            layout.sideInPill =
                QRectF(inner.left(), inner.top() + below, inner.width(), inner.height() - below);
        }
    } else {
        layout.total = inner;
    }
    if (hasSideLabel) {
        layout.sideLabel =
            QRectF(QPointF(center.x() - sideLabel.width() / 2, top + pill.height() + 3), sideLabel);
    }
    return layout;
}
