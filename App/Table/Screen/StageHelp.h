#pragma once

#include "Table/Screen/NameplateModel.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The tooltips of the table stage: the stage is painted as one picture, so each explained piece is a
// spot on it with its help. Pure.
namespace StageHelp {

struct Spot {
    QRectF area;
    QString help;
    bool operator==(const Spot&) const = default;
};

// The help under a point: of the spots holding it, the one drawn last (spots come back to front).
std::optional<QString> at(const std::vector<Spot>& spots, QPointF point);

// A plate centred on `center`: its own help (an empty seat at a cash table) over the whole plate, then
// each tag that explains itself (all-in, the blinds) where it hangs. `tagSize` measures a tag's text.
std::vector<Spot> plate(const NameplateModel& plate, QPointF center,
                        const std::function<QSizeF(const QString&)>& tagSize);

// "Dealer button: the D disc. It marks the dealer and moves one seat each hand."
QString dealerHelp();

} // namespace StageHelp
