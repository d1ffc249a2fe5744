#include "Views/Controls/LobbyArt.h"

#include "Style/Ornaments.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "BotKit/BotCast.h"
#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/LitStack.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/PixelPalette.h"
#include "Views/Table/CardView.h"
#include "Views/Table/ChipStackView.h"
#include "Views/Table/FeltView.h"

namespace LobbyArt {

namespace {

using PokerEngine::Card;

Card card(const char* code) {
    return *Card::fromCode(code);
}

// A face-up card centred on `centre`, turned `degrees` about `pivot` (its centre unless given).
void paintCard(QPainter& painter, QPointF centre, QSizeF size, const TableTheme& theme, const Card& face,
               double degrees = 0, std::optional<QPointF> pivot = std::nullopt) {
    painter.save();
    const QPointF turn = pivot.value_or(centre);
    painter.translate(turn);
    painter.rotate(degrees);
    painter.translate(centre - turn);
    CardView::paint(painter, QPointF(-size.width() / 2, -size.height() / 2), theme, face, size, false);
    painter.restore();
}

void paintChips(QPainter& painter, QPointF centre, const TableTheme& theme, std::int64_t amount) {
    const QSizeF size = ChipStackView::size(amount, theme);
    ChipStackView::paint(painter, centre - QPointF(size.width() / 2, size.height() / 2), theme, amount,
                         false);
}

// The chips of an icon tile, made smaller where the pile would reach the tile's rounded edge.
void paintChipsInTile(QPainter& painter, QPointF centre, const QRectF& tile, const TableTheme& theme,
                      std::int64_t amount) {
    const double scale = tileChipScale(ChipStackView::size(amount, theme), tile.size());
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    paintChips(painter, QPointF(), theme, amount);
    painter.restore();
}

RGB windowWhite(bool dark) {
    return dark ? RGB::bytes(110, 113, 118) : RGB::white;
}

void paintHairlined(QPainter& painter, const QRectF& rect, double radius, const TableTheme& theme,
                    double shadowBlur, double shadowY) {
    QPainterPath shape;
    shape.addRoundedRect(rect, radius, radius);
    SoftShadow::paint(painter, shape, shadowBlur, QColor::fromRgbF(0, 0, 0, 0.25f), QPointF(0, shadowY));
    painter.fillPath(shape, toQColor(windowWhite(theme.dark)));
    QPainterPath edge;
    edge.addRoundedRect(rect.adjusted(0.25, 0.25, -0.25, -0.25), radius, radius);
    painter.strokePath(
        edge, QPen(theme.dark ? QColor::fromRgbF(1, 1, 1, 0.25f) : QColor::fromRgbF(0, 0, 0, 0.08f), 0.5));
}

// The tiny table top inside the surface pictograms.
void paintMiniFelt(QPainter& painter, const QRectF& rect, const TableTheme& theme) {
    RGB felt = theme.dark ? RGB::bytes(47, 99, 87) : RGB::bytes(55, 112, 95);
    if (theme.style == TableStyleID::paper)
        felt = theme.dark ? RGB::bytes(31, 92, 90) : RGB::bytes(38, 117, 112);
    else if (theme.style == TableStyleID::pixel)
        felt = PixelPalette{theme.dark, false}.felt()[1];
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, toQColor(felt.mixed(RGB::white, 0.18)));
    fill.setColorAt(1, toQColor(felt));
    QPainterPath shape;
    shape.addRoundedRect(rect, 4, 4);
    SoftShadow::paint(painter, shape, 2, QColor::fromRgbF(0, 0, 0, 0.25f), QPointF(0, 1));
    painter.fillPath(shape, fill);
}

void paintPictogram(QPainter& painter, const QRectF& tile, const TableTheme& theme, ArtIcon icon) {
    const double s = tile.width();
    const QPointF c = tile.center();
    const bool pixel = theme.style == TableStyleID::pixel;
    switch (icon) {
    case ArtIcon::quickHand: {
        if (pixel) {
            const QSizeF size(12, 18);
            paintCard(painter, c - QPointF(7, 0), size, theme, card("As"));
            paintCard(painter, c + QPointF(7, 0), size, theme, card("Kh"));
        } else {
            const QSizeF size(0.36 * s, 0.5 * s);
            paintCard(painter, c - QPointF(0.16 * s, 0), size, theme, card("As"), -12);
            paintCard(painter, c + QPointF(0.16 * s, 0), size, theme, card("Kh"), 10);
        }
        break;
    }
    case ArtIcon::sitAndGo:
        paintChipsInTile(painter, c + QPointF(0, 0.08 * s), tile, theme, 3500);
        break;
    case ArtIcon::cashTable:
        paintChipsInTile(painter, c + QPointF(0, 0.08 * s), tile, theme, 700);
        break;
    case ArtIcon::menuBar: {
        const double top = c.y() - 0.27 * s;
        const QRectF strip(c.x() - 0.4 * s, top, 0.8 * s, 0.16 * s);
        paintHairlined(painter, strip, 3, theme, 1, 1);
        const double ring = 0.1 * s;
        painter.setPen(QPen(theme.dark ? QColor::fromRgbF(1, 1, 1, 0.92f) : QColor(29, 29, 31), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(strip.right() - 3 - ring, strip.center().y() - ring / 2, ring, ring));
        paintMiniFelt(
            painter, QRectF(c.x() - 0.22 * s + 0.1 * s, strip.bottom() + 0.08 * s, 0.44 * s, 0.3 * s), theme);
        break;
    }
    case ArtIcon::window: {
        const QRectF frame(c.x() - 0.38 * s, c.y() - 0.3 * s, 0.76 * s, 0.6 * s);
        paintHairlined(painter, frame, 5, theme, 3, 2);
        const QColor lights[] = {QColor(0xFF, 0x5F, 0x57), QColor(0xFE, 0xBC, 0x2E),
                                 QColor(0x28, 0xC8, 0x40)};
        painter.setPen(Qt::NoPen);
        for (int index = 0; index < 3; ++index) {
            painter.setBrush(lights[index]);
            painter.drawEllipse(QRectF(frame.left() + 3 + index * 6, frame.top() + 3, 4, 4));
        }
        paintMiniFelt(painter, QRectF(c.x() - 0.3 * s, c.y() - 0.15 * s + 4, 0.6 * s, 0.3 * s), theme);
        break;
    }
    case ArtIcon::knowsRules: {
        const QSizeF size(0.3 * s, 0.42 * s);
        const QPointF centre = c - QPointF(0, 0.02 * s);
        const char* codes[] = {"Qs", "Ks", "As"};
        for (int index = 0; index < 3; ++index)
            paintCard(painter, centre, size, theme, card(codes[index]), (index - 1) * 14.0,
                      centre + QPointF(0, size.height() / 2));
        break;
    }
    case ArtIcon::newToPoker:
        paintCharacter(painter, c, theme, "biscuit", 0.62 * s);
        break;
    }
}

} // namespace

void paintCharacter(QPainter& painter, QPointF centre, const TableTheme& theme, const std::string& slug,
                    double diameter) {
    const auto character = BotKit::BotCast::character(slug);
    if (!character)
        return;
    BotKit::BotProfile profile;
    profile.name = character->name;
    profile.avatar = character->slug;
    AvatarDisc::paint(painter, centre - QPointF(diameter / 2, diameter / 2), theme,
                      SeatedTableLayout::avatar(profile), diameter, false, false);
}

void paintIconTile(QPainter& painter, const QRectF& tile, const TableTheme& theme, ArtIcon icon) {
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(tile, 0.23 * tile.width(), 0.23 * tile.width());
    painter.setClipPath(clip, Qt::IntersectClip);
    ArtStage::paint(painter, tile, theme, 0.82);
    paintPictogram(painter, tile, theme, icon);
    painter.restore();
}

void paintModeHero(QPainter& painter, const QRectF& rect, const TableTheme& theme, GameMode mode) {
    const double w = rect.width();
    const double h = rect.height();
    const auto at = [&](double x, double y) { return QPointF(rect.left() + x * w, rect.top() + y * h); };
    const bool pixel = theme.style == TableStyleID::pixel;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    ArtStage::paint(painter, rect, theme, 0.86);
    FloorShadow::paint(painter, at(0.5, 0.9), theme, 150, 0.8);

    using D = ChipDenomination;
    double chipsX = 0.2;
    std::int64_t amount = 1400;
    std::vector<ChipColumn> lit{{D::d1000, 2}, {D::d100, 4}};
    switch (mode) {
    case GameMode::quickHand:
    case GameMode::practice:
        FloorShadow::paint(painter, at(0.82, 0.86), theme, 40, 0.6);
        paintCharacter(painter, at(0.82, 0.46), theme, "goldie", pixel ? 36 : 40);
        break;
    case GameMode::cashTable:
        amount = 6400;
        lit = {{D::d5000, 2}, {D::d1000, 3}, {D::d100, 4}};
        break;
    case GameMode::sitAndGo: {
        chipsX = 0.24;
        amount = 1500;
        lit = {{D::d500, 2}, {D::d1000, 3}};
        const char* slugs[] = {"biscuit", "rascal", "finn"};
        const double xs[] = {0.14, 0.84, 0.72};
        const double ys[] = {0.42, 0.34, 0.66};
        for (int index = 0; index < 3; ++index) {
            if (!BotKit::BotCast::character(slugs[index]))
                continue;
            FloorShadow::paint(painter, at(xs[index], ys[index]) + QPointF(0, 30), theme, 30, 0.5);
            paintCharacter(painter, at(xs[index], ys[index]), theme, slugs[index], pixel ? 28 : 30);
        }
        break;
    }
    }
    // Satin piles lit chips whose bottom rests at the same line whatever their height; the other
    // styles stand the table's own stack there.
    const double base = rect.top() + 0.92 * h - 6;
    const double chipsLeft = rect.left() + chipsX * w;
    if (theme.style == TableStyleID::satin) {
        const QSizeF pile = LitStack::size(lit, 14);
        LitStack::paint(painter, QPointF(chipsLeft - pile.width() / 2, base + 7.32 - pile.height()), lit, 14,
                        theme.dark);
    } else {
        paintChips(painter, QPointF(chipsLeft, base - 8), theme, amount);
    }

    const QPointF cards = at(0.5, 0.46);
    if (pixel) {
        paintCard(painter, cards - QPointF(22, 0), QSizeF(40, 56), theme, card("Qs"));
        paintCard(painter, cards + QPointF(22, 0), QSizeF(40, 56), theme, card("Qd"));
    } else {
        paintCard(painter, cards - QPointF(25, 0), QSizeF(54, 76), theme, card("Qs"), -10);
        paintCard(painter, cards + QPointF(25, 0), QSizeF(54, 76), theme, card("Qd"), 8);
    }
    painter.restore();
}

void paintSeatedTable(QPainter& painter, const QRectF& rect, const TableTheme& theme,
                      const SeatedTableScene& scene, const std::vector<double>& presence) {
    using namespace SeatedTableLayout;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.translate(rect.topLeft());
    // The stage runs on past the right edge by the room, so its light stays centred on the table.
    ArtStage::paint(painter, QRectF(0, 0, rect.width() + scene.leadingRoom, rect.height()), theme, 0.86);
    painter.translate(scene.leadingRoom, 0);
    const QSizeF size(rect.width() - scene.leadingRoom, rect.height());
    const QRectF table = tableRect(size, scene.shape, theme.style, theme.pixelUnit);
    const double d = scene.diameter;
    const RGB ink = theme.color(PaletteToken::ink);

    // Far seats go behind the felt where they clear it, the others in front of it.
    const auto paintSeat = [&](int index) {
        const QPointF centre = seatCentre(index, table);
        if (scene.showsEmptySeats) {
            painter.setBrush(Qt::NoBrush);
            QPen ring(toQColor(ink.withAlpha(ink.alpha * 0.3)), 1.5);
            ring.setDashPattern({2, 2});
            painter.setPen(ring);
            painter.drawEllipse(centre, d / 2 - 0.75, d / 2 - 0.75);
        }
        if (index >= static_cast<int>(scene.players.size()))
            return;
        const double shown =
            static_cast<std::size_t>(index) < presence.size() ? presence[static_cast<std::size_t>(index)] : 1;
        if (shown <= 0)
            return;
        const auto& player = scene.players[static_cast<std::size_t>(index)];
        painter.save();
        painter.setOpacity(painter.opacity() * std::min(shown, 1.0));
        painter.translate(centre);
        if (!theme.reduceMotion) {
            const double scale = 0.6 + 0.4 * shown;
            painter.scale(scale, scale);
        }
        AvatarDisc::paint(painter, QPointF(-d / 2, -d / 2), theme, avatar(player), d, false, false);
        painter.restore();
        if (!scene.showsNames)
            return;
        painter.save();
        painter.setOpacity(painter.opacity() * std::min(shown, 1.0));
        painter.setFont(ThemeFonts::system(10, FontWeight::medium));
        painter.setPen(toQColor(ink.withAlpha(ink.alpha * 0.85)));
        const QString name = QString::fromStdString(player.name);
        if (isAboveFelt(index)) {
            painter.drawText(QRectF(centre.x() - 55, centre.y() - d / 2 - 9 - 7, 110, 14), Qt::AlignCenter,
                             name);
        } else {
            const bool left = centre.x() < table.center().x();
            const double frameCentre = centre.x() + (left ? -1 : 1) * (d / 2 + 61);
            painter.drawText(QRectF(frameCentre - 55, centre.y() - 7, 110, 14),
                             (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, name);
        }
        painter.restore();
    };
    for (int index = 0; index < seats; ++index)
        if (isBehindFelt(index, table, d))
            paintSeat(index);
    FeltView::paint(painter, table, theme);
    if (!scene.board.empty()) {
        const QSizeF cardSize(12, 17);
        const double width = static_cast<double>(scene.board.size()) * 15 - 3;
        double x = table.center().x() - width / 2;
        for (const Card& face : scene.board) {
            CardView::paint(painter, QPointF(x, table.center().y() - cardSize.height() / 2), theme, face,
                            cardSize, false);
            x += 15;
        }
    }
    for (int index = 0; index < seats; ++index)
        if (!isBehindFelt(index, table, d))
            paintSeat(index);
    const double heroDiameter = d + 4;
    AvatarDisc::paint(painter, heroCentre(size, table, d) - QPointF(heroDiameter / 2, heroDiameter / 2),
                      theme, AvatarModel::hero(), heroDiameter, false, false);
    painter.restore();
}

} // namespace LobbyArt
