#include "Table/Screen/NameplateModel.h"

#include "Style/PixelFont.h"
#include "Table/ChipText.h"
#include "Table/TableMetrics.h"

#include <algorithm>
#include <cmath>

using PokerEngine::SeatStatus;

namespace {

bool isPixel(const TableTheme& theme) {
    return theme.style == TableStyleID::pixel;
}

QString chips(std::int64_t amount, const TableTheme& theme) {
    return theme.surface == TableSurface::popover ? ChipText::compact(amount) : ChipText::full(amount);
}

double dimming(SeatStatus status) {
    switch (status) {
    case SeatStatus::folded:
    case SeatStatus::sittingOut:
        return 0.5;
    case SeatStatus::busted:
        return 0.4;
    default:
        return 1;
    }
}

} // namespace

double NameplateModel::tagHeightIn(const TableTheme& theme) {
    return isPixel(theme) ? 9 * theme.pixelUnit : (theme.surface == TableSurface::window ? 15 : 13);
}

QSizeF NameplateModel::plateSize(const TableTheme& theme) {
    if (isPixel(theme)) {
        return TableMetrics::pixel(theme.pixelUnit, theme.surface).plate;
    }
    return theme.surface == TableSurface::popover ? QSizeF(112, 36) : QSizeF(150, 46);
}

double NameplateModel::avatarSize(const TableTheme& theme) {
    if (isPixel(theme)) {
        return TableMetrics::pixel(theme.pixelUnit, theme.surface).avatar;
    }
    return theme.surface == TableSurface::popover ? 36 : 48;
}

QString NameplateModel::stackText(const SeatModel::StackLine& line, const TableTheme& theme) {
    using Kind = SeatModel::StackLine::Kind;
    switch (line.kind) {
    case Kind::chips:
        return chips(line.stack, theme);
    case Kind::folded:
        if (isPixel(theme)) {
            return QStringLiteral("Folded");
        }
        return QStringLiteral("Folded \u00B7 ") + chips(line.stack, theme);
    case Kind::out:
        return QStringLiteral("Out");
    case Kind::sittingOut:
        return QStringLiteral("Sitting out");
    case Kind::empty:
        return QStringLiteral("Empty");
    }
    return {};
}

QString NameplateModel::displayName(const QString& name, const TableTheme& theme) {
    if (!isPixel(theme) || theme.pixelUnit <= 0) {
        return name;
    }
    const int maxWidth =
        static_cast<int>(std::floor((plateSize(theme).width() - avatarSize(theme)) / theme.pixelUnit)) - 1;
    return PixelFont::fitting(PixelFontFace::label, name, maxWidth);
}

NameplateModel::Tag NameplateModel::turnTag(const TableTheme& theme) {
    const QSizeF plate = plateSize(theme);
    const double avatar = avatarSize(theme);
    const double h = tagHeightIn(theme);
    const QPointF offset =
        isPixel(theme) ? QPointF(avatar - 4, theme.pixelUnit - h) : QPointF(avatar - 4, -0.75 * h);
    return Tag{TagKind::turn, QStringLiteral("Your turn"), QString(), offset, plate.width() - avatar};
}

bool NameplateModel::hasTurnTag() const {
    return std::any_of(tags.begin(), tags.end(), [](const Tag& tag) { return tag.kind == TagKind::turn; });
}

NameplateModel NameplateModel::make(const SeatModel& seat, bool showsTurn, bool cashTable,
                                    const TableTheme& theme) {
    NameplateModel plate;
    plate.plate = plateSize(theme);
    plate.avatar = avatarSize(theme);
    plate.ringOverhang = std::max((plate.avatar - plate.plate.height()) / 2, 0.0);
    plate.tagHeight = tagHeightIn(theme);
    plate.empty = seat.status == SeatStatus::empty;
    plate.ringOn = !plate.empty && ((seat.isActing && showsTurn) || seat.isWinner);
    plate.name = displayName(seat.name, theme);
    plate.stack = stackText(seat.stackLine, theme);
    if (seat.stackLine.kind == SeatModel::StackLine::Kind::folded) {
        plate.stackFallback = QStringLiteral("Folded");
    }
    plate.stackRolls = seat.stackLine.kind == SeatModel::StackLine::Kind::chips;
    if (isPixel(theme)) {
        plate.nameGreyed = seat.status == SeatStatus::folded || seat.status == SeatStatus::sittingOut ||
                           seat.status == SeatStatus::busted;
    } else {
        plate.contentOpacity = dimming(seat.status);
    }
    if (plate.empty && cashTable) {
        plate.tooltip = QStringLiteral("A new player joins next hand");
    }

    const double h = plate.tagHeight;
    if (seat.status == SeatStatus::allIn) {
        plate.tags.push_back(Tag{TagKind::allIn, QStringLiteral("All-in"), SeatModel::allInExplanation(),
                                 QPointF(plate.avatar - 2, -0.75 * h), std::nullopt});
    }
    if (seat.isHero && seat.isActing && showsTurn) {
        plate.tags.push_back(turnTag(theme));
    }
    if (seat.blind) {
        plate.tags.push_back(Tag{TagKind::blind, *seat.blind, SeatModel::blindHint(*seat.blind),
                                 QPointF(0, plate.plate.height() - 0.45 * h), plate.plate.width() - 6});
    }
    return plate;
}

QRectF NameplateModel::tagArea(const Tag& tag, QPointF plateCorner, QSizeF size) {
    QPointF corner = plateCorner + tag.offset;
    if (tag.frameWidth) {
        corner.rx() += *tag.frameWidth - size.width();
    }
    return QRectF(corner, size);
}
