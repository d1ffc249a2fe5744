#include "Views/Table/NameplatePainter.h"

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/TagView.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/PixelPalette.h"
#include "Style/SatinPalette.h"
#include "Table/Screen/SeatClearance.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>

using PokerEngine::SeatStatus;

namespace {

RGB byTheme(const TableTheme& theme, RGB light, RGB dark) {
    return theme.dark ? dark : light;
}

struct Ink {
    RGB name;
    RGB stack;
};

Ink inkOf(const NameplateModel& plate, const TableTheme& theme) {
    switch (theme.style) {
    case TableStyleID::satin:
        return {byTheme(theme, RGB::bytes(29, 29, 31), RGB::bytes(245, 245, 247)),
                byTheme(theme, RGB::bytes(110, 110, 115), RGB::bytes(174, 174, 178))};
    case TableStyleID::paper:
        return {byTheme(theme, RGB::bytes(43, 43, 43), RGB::bytes(243, 233, 214)),
                byTheme(theme, RGB::bytes(107, 74, 52), RGB::bytes(169, 160, 142))};
    case TableStyleID::pixel:
        break;
    }
    const RGB grey = RGB::bytes(107, 90, 112);
    return {plate.nameGreyed ? grey : byTheme(theme, RGB::bytes(43, 30, 52), RGB::bytes(27, 20, 35)), grey};
}

void paintEmpty(QPainter& painter, const QRectF& box, const TableTheme& theme) {
    const RGB line = theme.color(PaletteToken::feltLine);
    if (theme.style == TableStyleID::pixel) {
        const double u = theme.pixelUnit;
        PixelKit kit(painter, u, box.topLeft());
        const int columns = wholeCells(box.width(), u);
        const int rows = wholeCells(box.height(), u);
        std::vector<CellRect> dots;
        for (int c = 0; c < columns; c += 2) {
            dots.push_back(CellRect{c, 0, 1, 1});
            dots.push_back(CellRect{c, rows - 1, 1, 1});
        }
        for (int r = 0; r < rows; r += 2) {
            dots.push_back(CellRect{0, r, 1, 1});
            dots.push_back(CellRect{columns - 1, r, 1, 1});
        }
        kit.fill(dots, line);
    } else {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(toQColor(line), 1.5);
        pen.setDashPattern({4 / 1.5, 4 / 1.5});
        painter.strokePath(Pill{0.75}.path(box), pen);
        painter.restore();
    }
    const RGB word =
        theme.style == TableStyleID::pixel ? RGB::bytes(244, 228, 193) : theme.color(PaletteToken::feltText);
    TextPainter::paint(painter, box, theme, QStringLiteral("Empty"), TextRole::seatStack, word);
}

// Plates and their rings (a soft shadow, fills, anti-aliased strokes) look the same on every frame:
// drawn once per look and size, then copied.
QByteArray plateKey(const char* part, const TableTheme& theme) {
    return QStringLiteral("%1|%2|%3%4")
        .arg(QLatin1String(part))
        .arg(static_cast<int>(theme.style))
        .arg(theme.dark)
        .arg(theme.increaseContrast)
        .toUtf8();
}

// How far a plate's shadow, or a ring's stroke, reaches beyond its frame, with room to spare.
const QMarginsF plateOverhang(10, 10, 10, 14);

// Keeps the ring's painting out of its gaps round the tags; the caller saves and restores the painter.
void clipOutGaps(QPainter& painter, const QRectF& box, const std::vector<QRectF>& gaps) {
    if (gaps.empty()) {
        return;
    }
    QPainterPath area;
    area.addRect(box.marginsAdded(plateOverhang * 4));
    for (const QRectF& gap : gaps) {
        QPainterPath cut;
        cut.addRect(gap);
        area = area.subtracted(cut);
    }
    painter.setClipPath(area, Qt::IntersectClip);
}

void paintSatinPlate(QPainter& painter, const QRectF& box, const NameplateModel& plate,
                     const TableTheme& theme, double ring, const std::vector<QRectF>& gaps) {
    const double d = plate.ringOverhang;
    ArtCache::draw(
        painter, plateKey("satin plate", theme), box, plateOverhang, [&](QPainter& art, QPointF at) {
            const QRectF frame(at, box.size());
            const QPainterPath shape = Pill{}.path(frame);
            SoftShadow::paint(art, shape, 4, QColor(0, 0, 0, theme.dark ? 71 : 46), QPointF(0.5, 3));
            art.fillPath(shape, theme.dark ? QColor(36, 41, 43) : QColor(Qt::white));
            const RGB stroke = SatinPalette{theme.dark, theme.increaseContrast}.plateStroke();
            const double width = theme.increaseContrast ? 1.0 : 0.5;
            art.strokePath(Pill{width / 2}.path(frame), QPen(toQColor(stroke), width));
        });
    if (ring > 0) {
        const QRectF around = box.adjusted(-9.5, -(d + 5.5), 5.5, d + 5.5);
        painter.save();
        painter.setOpacity(painter.opacity() * ring);
        clipOutGaps(painter, box, gaps);
        ArtCache::draw(
            painter, plateKey("satin ring", theme), around, plateOverhang, [&](QPainter& art, QPointF at) {
                art.strokePath(Pill{1.25}.path(QRectF(at, around.size())), QPen(QColor(242, 193, 78), 2.5));
            });
        painter.restore();
    }
}

void paintPaperPlate(QPainter& painter, const QRectF& box, const NameplateModel& plate,
                     const TableTheme& theme, double ring, const std::vector<QRectF>& gaps) {
    const double d = plate.ringOverhang;
    if (ring > 0) {
        const QRectF around = box.adjusted(-9, -(d + 5), 5, d + 5);
        painter.save();
        painter.setOpacity(painter.opacity() * ring);
        clipOutGaps(painter, box, gaps);
        ArtCache::draw(painter, plateKey("paper ring", theme), around, plateOverhang,
                       [&](QPainter& art, QPointF at) {
                           CardstockShape{byTheme(theme, RGB::bytes(225, 167, 48), RGB::bytes(232, 182, 76)),
                                          byTheme(theme, RGB::bytes(184, 134, 42), RGB::bytes(185, 142, 54)),
                                          3,
                                          5,
                                          7,
                                          false,
                                          std::nullopt,
                                          theme.dark}
                               .paint(art, Pill{}.path(QRectF(at, around.size())));
                       });
        painter.restore();
    }
    ArtCache::draw(painter, plateKey("paper plate", theme), box, plateOverhang,
                   [&](QPainter& art, QPointF at) {
                       std::optional<RGB> outline;
                       if (theme.increaseContrast) {
                           outline = byTheme(theme, RGB::bytes(43, 43, 43), RGB::bytes(243, 233, 214));
                       }
                       CardstockShape{byTheme(theme, RGB::bytes(251, 246, 234), RGB::bytes(43, 51, 70)),
                                      byTheme(theme, RGB::bytes(216, 201, 168), RGB::bytes(22, 27, 39)),
                                      3,
                                      5,
                                      7,
                                      false,
                                      outline,
                                      theme.dark}
                           .paint(art, Pill{}.path(QRectF(at, box.size())));
                   });
}

void paintPixelPlate(QPainter& painter, const QRectF& box, bool ringOn, const TableTheme& theme,
                     const std::vector<QRectF>& gaps) {
    const double u = theme.pixelUnit;
    const int C = wholeCells(box.width(), u);
    const int R = wholeCells(box.height(), u);
    PixelKit kit(painter, u, box.topLeft() - QPointF(6 * u, 3 * u));
    const auto rect = [](int x, int y, int w, int h) {
        return w > 0 && h > 0 ? std::vector<CellRect>{CellRect{x, y, w, h}} : std::vector<CellRect>{};
    };
    if (ringOn) {
        painter.save();
        clipOutGaps(painter, box, gaps);
        const RGB gold = RGB::bytes(242, 181, 68);
        kit.fill(rect(1, 0, C + 7, R + 6), gold);
        kit.fill(rect(0, 1, C + 9, R + 4), gold);
        const RGB felt = PixelPalette{theme.dark, theme.increaseContrast}.felt().at(3);
        kit.fill(rect(2, 1, C + 5, R + 4), felt);
        kit.fill(rect(1, 2, C + 7, R + 2), felt);
        painter.restore();
    }
    kit.fill(rect(7, R + 3, C - 1, 1), byTheme(theme, RGB::bytes(18, 50, 47), RGB::bytes(15, 42, 40)));
    const RGB rim =
        theme.increaseContrast ? RGB::black : byTheme(theme, RGB::bytes(43, 30, 52), RGB::bytes(27, 20, 35));
    kit.fill(rect(7, 3, C - 2, R), rim);
    kit.fill(rect(6, 4, C, R - 2), rim);
    kit.fill(rect(7, 4, C - 2, R - 2), byTheme(theme, RGB::bytes(255, 248, 231), RGB::bytes(244, 228, 193)));
}

void paintTag(QPainter& painter, const QRectF& box, const NameplateModel::Tag& tag, const TableTheme& theme) {
    const TagView::Kind kind = tag.kind == NameplateModel::TagKind::allIn  ? TagView::Kind::allIn
                               : tag.kind == NameplateModel::TagKind::turn ? TagView::Kind::turn
                                                                           : TagView::Kind::blind;
    const QRectF area = NameplateModel::tagArea(tag, box.topLeft(), TagView::measure(theme, tag.text));
    TagView::paint(painter, area.topLeft(), theme, tag.text, kind);
}

// The tags in the model's order (all-in, your turn, blind), the turn tag at its own opacity: it fades in
// and out with the turn, so it is drawn while it leaves too.
void paintTags(QPainter& painter, const QRectF& box, const NameplateModel& plate, const TableTheme& theme,
               double turnTag) {
    bool turnDone = false;
    const auto paintTurn = [&] {
        if (!turnDone && turnTag > 0) {
            painter.save();
            painter.setOpacity(painter.opacity() * turnTag);
            paintTag(painter, box, NameplateModel::turnTag(theme), theme);
            painter.restore();
        }
        turnDone = true;
    };
    for (const auto& tag : plate.tags) {
        if (tag.kind == NameplateModel::TagKind::turn) {
            continue;
        }
        if (tag.kind == NameplateModel::TagKind::blind) {
            paintTurn();
        }
        paintTag(painter, box, tag, theme);
    }
    paintTurn();
}

// Where the tags being drawn lie, with what their card stock paints beyond them: the ring breaks there.
std::vector<QRectF> drawnTags(const QRectF& box, const NameplateModel& plate, const TableTheme& theme,
                              double turnTag) {
    std::vector<NameplateModel::Tag> tags;
    std::copy_if(plate.tags.begin(), plate.tags.end(), std::back_inserter(tags),
                 [](const NameplateModel::Tag& tag) { return tag.kind != NameplateModel::TagKind::turn; });
    if (turnTag > 0) {
        tags.push_back(NameplateModel::turnTag(theme));
    }
    std::vector<QRectF> areas;
    for (const auto& tag : tags) {
        areas.push_back(NameplateModel::tagArea(tag, box.topLeft(), TagView::measure(theme, tag.text))
                            .marginsAdded(TagView::overhang(theme)));
    }
    return areas;
}

} // namespace

void paintNameplate(QPainter& painter, QPointF center, const NameplateModel& plate, const SeatModel& seat,
                    const TableTheme& theme, const NameplateFades& fades) {
    const double ring = fades.ring;
    const QRectF box(center - QPointF(plate.plate.width() / 2, plate.plate.height() / 2), plate.plate);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (plate.empty) {
        paintEmpty(painter, box, theme);
        paintTags(painter, box, plate, theme, fades.turnTag);
        painter.restore();
        return;
    }
    const auto gaps = SeatClearance::ringGaps(box, theme, drawnTags(box, plate, theme, fades.turnTag));
    switch (theme.style) {
    case TableStyleID::satin:
        paintSatinPlate(painter, box, plate, theme, ring, gaps);
        break;
    case TableStyleID::paper:
        paintPaperPlate(painter, box, plate, theme, ring, gaps);
        break;
    case TableStyleID::pixel:
        paintPixelPlate(painter, box, ring > 0.5, theme, gaps);
        break;
    }
    const bool pixel = theme.style == TableStyleID::pixel;
    const double u = theme.pixelUnit;
    painter.save();
    painter.setOpacity(painter.opacity() * fades.content);
    const double shift = pixel ? u : 4;
    const QPointF avatarTopLeft(box.left() - shift, box.center().y() - plate.avatar / 2);
    AvatarDisc::paint(painter, avatarTopLeft, theme, seat.avatar, plate.avatar,
                      seat.status == SeatStatus::folded, seat.status == SeatStatus::busted);
    const Ink ink = inkOf(plate, theme);
    const double left = avatarTopLeft.x() + plate.avatar + (pixel ? 0 : 6);
    const double trailing = pixel ? 2 * u : 0.32 * plate.plate.height();
    const double width = std::max(box.right() - trailing - left, 0.0);
    const QSizeF nameSize = TextPainter::measure(theme, plate.name, TextRole::seatName);
    QString stack = plate.stack;
    if (plate.stackFallback && TextPainter::measure(theme, stack, TextRole::seatStack).width() > width) {
        stack = *plate.stackFallback;
    }
    const QSizeF stackSize = TextPainter::measure(theme, stack, TextRole::seatStack);
    const double gap = pixel ? u : 0;
    const double top = box.center().y() - (nameSize.height() + gap + stackSize.height()) / 2;
    TextPainter::paint(painter, QRectF(left, top, width, nameSize.height()), theme, plate.name,
                       TextRole::seatName, ink.name, Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF stackBox(left, top + nameSize.height() + gap, width, stackSize.height());
    if (fades.roll < 1 && plate.stackRolls) {
        const QString from = NameplateModel::stackText(SeatModel::StackLine::chips(fades.rolledFrom), theme);
        TextPainter::paintRolling(painter, stackBox, theme, from, stack, TextRole::seatStack, ink.stack,
                                  fades.roll, Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        TextPainter::paint(painter, stackBox, theme, stack, TextRole::seatStack, ink.stack,
                           Qt::AlignLeft | Qt::AlignVCenter);
    }
    painter.restore();
    paintTags(painter, box, plate, theme, fades.turnTag);
    painter.restore();
}
