#include "Table/Screen/StageHelp.h"

#include "Table/SeatModel.h"

namespace StageHelp {

std::optional<QString> at(const std::vector<Spot>& spots, QPointF point) {
    for (auto spot = spots.rbegin(); spot != spots.rend(); ++spot) {
        if (spot->area.contains(point)) {
            return spot->help;
        }
    }
    return std::nullopt;
}

std::vector<Spot> plate(const NameplateModel& plate, QPointF center,
                        const std::function<QSizeF(const QString&)>& tagSize) {
    std::vector<Spot> spots;
    const QPointF corner = center - QPointF(plate.plate.width() / 2, plate.plate.height() / 2);
    if (!plate.tooltip.isEmpty()) {
        spots.push_back({QRectF(corner, plate.plate), plate.tooltip});
    }
    for (const auto& tag : plate.tags) {
        if (!tag.tooltip.isEmpty()) {
            spots.push_back({NameplateModel::tagArea(tag, corner, tagSize(tag.text)), tag.tooltip});
        }
    }
    return spots;
}

QString dealerHelp() {
    QString help = SeatModel::dealerHint();
    return help.replace(QStringLiteral("Dealer: "), QStringLiteral("Dealer button: "));
}

} // namespace StageHelp
