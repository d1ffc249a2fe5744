#pragma once

#include "Style/TableTheme.h"

#include "PokerEngine/PlayerView.h"
#include "PokerEngine/Pot.h"

#include <QRect>
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

// The pixel style's box: a one-cell outline round a fill, corners left empty. Cells of a canvas of
// `columns` by `rows` whole cells; nothing for a canvas narrower or shorter than one cell.
struct PixelBoxCells {
    std::vector<QRect> outline;
    std::optional<QRect> fill;
    bool operator==(const PixelBoxCells&) const = default;

    static PixelBoxCells make(int columns, int rows);
};
