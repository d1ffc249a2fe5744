#include "Style/SeatedTableLayout.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace SeatedTableLayout {

namespace {
constexpr std::array<QPointF, seats> anchors{QPointF(-0.03, 0.5), QPointF(0.14, -0.14), QPointF(0.5, -0.2),
                                             QPointF(0.86, -0.14), QPointF(1.03, 0.5)};
}

QRectF tableRect(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit) {
    double w = size.width() * shape.width;
    double h = std::min(w / 3, size.height() * shape.height);
    if (style == TableStyleID::pixel && pixelUnit > 0) {
        w = pixelUnit * std::round(w / pixelUnit);
        h = pixelUnit * std::round(h / pixelUnit);
    }
    return {(size.width() - w) / 2, size.height() * shape.top, w, h};
}

QPointF seatCentre(int index, const QRectF& table) {
    const QPointF anchor = anchors[static_cast<std::size_t>(order[static_cast<std::size_t>(index)])];
    return {table.left() + anchor.x() * table.width(), table.top() + anchor.y() * table.height()};
}

bool isAboveFelt(int index) {
    return anchors[static_cast<std::size_t>(order[static_cast<std::size_t>(index)])].y() < 0;
}

bool isBehindFelt(int index, const QRectF& table, double diameter) {
    return isAboveFelt(index) && seatCentre(index, table).y() + diameter / 2 <= table.top();
}

QPointF heroCentre(QSizeF size, const QRectF& table, double diameter) {
    return {size.width() / 2,
            std::min(table.bottom() + 0.4 * diameter, size.height() - (diameter + 4) / 2 - 4)};
}

Shape sheetPreviewShape(QSizeF picture) {
    return picture.height() < 120 ? Shape{0.46, 0.25, 0.33} : Shape{0.46, 0.36, 0.34};
}

std::vector<QRectF> nameAreas(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit,
                              double diameter) {
    // The longest cast name in the miniature's 10-point type, and the space between it and its disc.
    constexpr double nameWidth = 52;
    constexpr double nameHeight = 14;
    constexpr double nameGap = 6;
    const QRectF table = tableRect(size, shape, style, pixelUnit);
    std::vector<QRectF> areas;
    for (int index = 0; index < seats; ++index) {
        const QPointF centre = seatCentre(index, table);
        if (isAboveFelt(index)) {
            areas.emplace_back(centre.x() - nameWidth / 2, centre.y() - diameter / 2 - 9 - nameHeight / 2,
                               nameWidth, nameHeight);
        } else {
            const bool left = centre.x() < table.center().x();
            const double inner = diameter / 2 + nameGap;
            areas.emplace_back(left ? centre.x() - inner - nameWidth : centre.x() + inner,
                               centre.y() - nameHeight / 2, nameWidth, nameHeight);
        }
    }
    return areas;
}

std::vector<QRectF> covered(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit,
                            double diameter) {
    const QRectF table = tableRect(size, shape, style, pixelUnit);
    const QSizeF disc(diameter, diameter);
    std::vector<QRectF> parts{table};
    for (int index = 0; index < seats; ++index) {
        parts.emplace_back(seatCentre(index, table) - QPointF(diameter / 2, diameter / 2), disc);
    }
    const auto names = nameAreas(size, shape, style, pixelUnit, diameter);
    parts.insert(parts.end(), names.begin(), names.end());
    const double hero = diameter + 4;
    parts.emplace_back(heroCentre(size, table, diameter) - QPointF(hero / 2, hero / 2), QSizeF(hero, hero));
    return parts;
}

double leadingRoom(QSizeF size, const Shape& shape, TableStyleID style, double pixelUnit, double diameter,
                   const QRectF& control, double gap) {
    const QRectF keepClear = control.adjusted(-gap, -gap, gap, gap);
    const int most = static_cast<int>(size.width() / 2);
    for (int room = 0; room < most; ++room) {
        const QSizeF rest(size.width() - room, size.height());
        const auto parts = covered(rest, shape, style, pixelUnit, diameter);
        if (std::none_of(parts.begin(), parts.end(),
                         [&](const QRectF& part) { return part.translated(room, 0).intersects(keepClear); }))
            return room;
    }
    return most;
}

QString accessibleName(const std::vector<BotKit::BotProfile>& players) {
    if (players.empty())
        return QStringLiteral("Table preview");
    QStringList names;
    for (const auto& player : players)
        names << QString::fromStdString(player.name);
    return QStringLiteral("At the table: ") + names.join(QStringLiteral(", ")) + QStringLiteral(" and you");
}

AvatarModel avatar(const BotKit::BotProfile& profile) {
    AvatarModel model;
    model.initial = QString::fromStdString(profile.name).left(1).toStdString();
    model.backdrop = CharacterBackdrop::color(profile.avatar, RGB::bytes(142, 142, 147));
    if (!profile.avatar.empty())
        model.slug = profile.avatar;
    return model;
}

} // namespace SeatedTableLayout
