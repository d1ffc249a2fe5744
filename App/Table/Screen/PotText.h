#pragma once

#include "Style/TableTheme.h"

#include "PokerEngine/PlayerView.h"
#include "PokerEngine/Pot.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The words of the pot and the bets on the felt, spoken and shown. Pure.
namespace PotText {

// "Pot 1,250"
QString pill(std::int64_t total);
// "Main 400 · Side 120", "Main 400 · Side 1 120 · Side 2 60"; absent with fewer than two pots.
std::optional<QString> sideLine(const std::vector<PokerEngine::Pot>& pots);
// "Pot: 520 chips. Main pot: 400 chips, you, Rascal and Goldie. Side pot 1: 120 chips, Rascal and Goldie."
QString accessibilityLabel(const PokerEngine::PlayerView& view,
                           const std::function<QString(std::int64_t)>& name);
// "", "A", "A and B", "A, B and C".
QString listed(const QStringList& names);
// "Bet 40 chips"
QString betSpoken(std::int64_t amount);
QString sidePotHelp();

// Half the pot label's height, by which the stage lowers it below the board row.
double potHeightHalf(const TableTheme& theme, std::size_t potCount);

} // namespace PotText

// Where the pot label's pieces go, centred on the pot's point: the collected chips left of the pill,
// the pill with the total, and the side-pot line, which the pixel style writes inside the pill under
// the total and the others hang under the pill as a felt label of its own.
struct PotLabelLayout {
    std::optional<QRectF> chips;
    QRectF pill;
    // Where the total's words are written.
    QRectF total;
    std::optional<QRectF> sideInPill;
    std::optional<QRectF> sideLabel;
    bool operator==(const PotLabelLayout&) const = default;

    // Measured sizes in: the total's words, the side line's words and its felt label (when there is a
    // side line), and the chips (when they are shown).
    struct Sizes {
        QSizeF total;
        std::optional<QSizeF> sideWords;
        std::optional<QSizeF> sideLabel;
        std::optional<QSizeF> chips;
    };
    static PotLabelLayout make(const TableTheme& theme, QPointF center, const Sizes& sizes);
};

// The pixel style's box: a one-cell outline round a fill, corners left empty. Cells of a canvas of
// `columns` by `rows` whole cells; nothing for a canvas narrower or shorter than one cell.
struct PixelBoxCells {
    std::vector<QRect> outline;
    std::optional<QRect> fill;
    bool operator==(const PixelBoxCells&) const = default;

    static PixelBoxCells make(int columns, int rows);
};
