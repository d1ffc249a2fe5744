// What hangs off a nameplate, and the bets, shown cards and player's cards that must stay clear of it
// and of the board on every surface a player meets.
#include "CrowdedTable.h"

#include "Style/Drawing/TagView.h"
#include "Table/Screen/NameplateModel.h"
#include "Table/Screen/SeatClearance.h"
#include "Table/Screen/StageLayout.h"
#include "Table/SeatLayout.h"
#include "Views/Table/CardView.h"
#include "Views/Table/FeltLabels.h"
#include "Views/Table/NameplatePainter.h"
#include "Views/Table/StageScene.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <gtest/gtest.h>

#include <numbers>

using Kind = StageItem::Kind;

namespace {

constexpr std::array styles{TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel};

QRectF around(QPointF centre, QSizeF size) {
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

// The popover, and window table screens from the smallest window's to a large one.
std::vector<TableGeometry> everySurface(TableStyleID style) {
    std::vector<TableGeometry> geometries{SeatClearance::popoverGeometry(style)};
    for (const double width : {540.0, 600.0, 700.0, 820.0, 1100.0, 1500.0}) {
        for (double height = 560; height <= 900; height += 20) {
            geometries.push_back(CrowdedTable::geometry(TableSurface::window, style, QSizeF(width, height)));
        }
    }
    return geometries;
}

// A few window sizes from the smallest to a large one, and the popover: every seating is tried on them.
std::vector<TableGeometry> someSurfaces(TableStyleID style) {
    std::vector<TableGeometry> geometries{SeatClearance::popoverGeometry(style)};
    for (const double width : {540.0, 700.0, 1100.0, 1500.0}) {
        for (const double height : {560.0, 700.0, 900.0}) {
            geometries.push_back(CrowdedTable::geometry(TableSurface::window, style, QSizeF(width, height)));
        }
    }
    return geometries;
}

// Two to six seats, the button at each of them in turn, so the blinds' tags hang off every slot.
std::vector<CrowdedTable::Seating> everySeating() {
    std::vector<CrowdedTable::Seating> seatings;
    for (int seats = 2; seats <= 6; ++seats) {
        for (int button = 0; button < seats; ++button) {
            seatings.push_back({seats, button});
        }
    }
    return seatings;
}

std::string where(const TableGeometry& geometry, TableStyleID style, CrowdedTable::Seating seating = {}) {
    return std::string(toString(style)) + " on a " + std::to_string(int(geometry.stage.width())) + "x" +
           std::to_string(int(geometry.stage.height())) + " stage, " + std::to_string(seating.seats) +
           " seats, button at " + std::to_string(seating.button);
}

struct Laid {
    StageView::Inputs inputs;
    std::vector<StageItem> items;
};

Laid lay(CrowdedTable::Moment moment, const TableGeometry& geometry, TableStyleID style,
         CrowdedTable::Seating seating = {}) {
    Laid laid{CrowdedTable::inputs(moment, geometry, style, false, seating), {}};
    StageInputs stage;
    stage.view = &laid.inputs.view;
    stage.seats = &laid.inputs.seats;
    stage.geometry = geometry;
    stage.theme = laid.inputs.theme;
    stage.litCards = laid.inputs.litCards;
    stage.betSize = [theme = laid.inputs.theme](std::int64_t amount) {
        return FeltLabels::betSize(theme, amount);
    };
    stage.tagSize = [theme = laid.inputs.theme](const QString& text) {
        return TagView::measure(theme, text);
    };
    stage.lastAction = laid.inputs.lastAction;
    stage.sentenceSize = [theme = laid.inputs.theme](const QStringList& lines) {
        return FeltLabels::labelSize(theme, lines, TextRole::lastAction);
    };
    laid.items = StageLayout::items(stage);
    return laid;
}

// What each plate paints beyond its box that stands out from it: its tags where they hang.
std::vector<QRectF> tagAreas(const Laid& laid) {
    std::vector<QRectF> areas;
    const TableTheme& theme = laid.inputs.theme;
    for (const auto& seat : laid.inputs.seats) {
        const auto plate = NameplateModel::make(seat, true, false, theme);
        const QPointF corner = laid.inputs.geometry.plateCenter(seat.slot) -
                               QPointF(plate.plate.width() / 2, plate.plate.height() / 2);
        for (const auto& tag : plate.tags) {
            areas.push_back(NameplateModel::tagArea(tag, corner, TagView::measure(theme, tag.text)));
        }
    }
    return areas;
}

} // namespace

TEST(SeatClearance, ABetStandsClearOfEveryPlateItsTagsAndTheCardsPeekingOverIt) {
    struct Case {
        CrowdedTable::Moment moment;
        TableGeometry geometry;
        CrowdedTable::Seating seating;
    };
    for (const auto style : styles) {
        // Six seats betting thousands on every surface; every seating, betting thousands or only the
        // blinds and a call, on some.
        std::vector<Case> cases;
        for (const auto& geometry : everySurface(style)) {
            cases.push_back({CrowdedTable::Moment::betting, geometry, {}});
        }
        for (const auto& geometry : someSurfaces(style)) {
            for (const auto seating : everySeating()) {
                for (const auto moment : {CrowdedTable::Moment::betting, CrowdedTable::Moment::blinds}) {
                    cases.push_back({moment, geometry, seating});
                }
            }
        }
        for (const auto& [moment, geometry, seating] : cases) {
            const Laid laid = lay(moment, geometry, style, seating);
            const QRectF board = geometry.boardArea();
            // Paper tags and bet labels are card stock, their edge showing under them; what a player sees
            // of each keeps a point's gap from the others.
            const double edge = style == TableStyleID::paper ? 2 : 0;
            const auto drawn = [edge](const QRectF& box) { return box.adjusted(0, 0, 0, edge); };
            std::vector<QRectF> bets;
            std::vector<std::pair<QRectF, std::string>> covers;
            for (const QRectF& tag : tagAreas(laid)) {
                covers.emplace_back(drawn(tag), "a tag");
            }
            for (const auto& item : laid.items) {
                if (item.kind == Kind::holeCard || item.kind == Kind::nameplate ||
                    item.kind == Kind::dealer) {
                    covers.emplace_back(
                        around(item.center, item.kind == Kind::holeCard ? item.size * item.scale : item.size),
                        item.kind == Kind::holeCard    ? "a card"
                        : item.kind == Kind::nameplate ? "seat " + std::to_string(item.seat) + "'s plate"
                                                       : "the button");
                }
            }
            for (const auto& item : laid.items) {
                if (item.kind != Kind::bet) {
                    continue;
                }
                const QRectF bet = around(item.center, FeltLabels::betSize(laid.inputs.theme, item.amount));
                // The pixel style's small table (no player sees it: pixel is not offered) has no room for
                // its tall words between an upper plate and the board; its bets keep their places.
                const bool noRoom = style == TableStyleID::pixel && geometry.pixelUnit < 3;
                for (const auto& [cover, what] : covers) {
                    EXPECT_TRUE(noRoom || !drawn(bet).adjusted(-1, -1, 1, 1).intersects(cover))
                        << "seat " << item.seat << "'s bet under or against " << what << ", "
                        << where(geometry, style, seating);
                }
                // A bet moved out of its plate's way never lands on the board.
                const int slot = laid.inputs.seats[std::size_t(item.seat)].slot;
                const QPointF unit = SeatLayout::anchor(slot).bet;
                const QPointF anchor(geometry.table.left() + unit.x() * geometry.table.width(),
                                     geometry.table.top() + unit.y() * geometry.table.height());
                EXPECT_TRUE(item.center == anchor || !bet.intersects(board))
                    << "seat " << item.seat << "'s bet moved onto the board, "
                    << where(geometry, style, seating);
                for (const QRectF& other : bets) {
                    EXPECT_FALSE(bet.intersects(other))
                        << "seat " << item.seat << "'s bet on another, " << where(geometry, style, seating);
                }
                bets.push_back(bet);
            }
            EXPECT_EQ(bets.size(), std::size_t(seating.seats));
            // A bot's face-down cards peek over its plate clear of its tags.
            for (const auto& item : laid.items) {
                for (const QRectF& tag : tagAreas(laid)) {
                    EXPECT_TRUE(item.kind != Kind::holeCard ||
                                !around(item.center, item.size).intersects(drawn(tag)))
                        << "a tag on seat " << item.seat << "'s cards, " << where(geometry, style, seating);
                }
            }
            // The last action's sentence keeps a gap a player sees from every bet, wrapped or shrunk where
            // it must be; the pixel style's bitmap words cannot shrink, and no player sees that style.
            const auto sentence =
                std::find_if(laid.items.begin(), laid.items.end(),
                             [](const StageItem& item) { return item.kind == Kind::lastAction; });
            ASSERT_NE(sentence, laid.items.end());
            const QRectF words = around(sentence->center, sentence->size * sentence->scale);
            for (const QRectF& bet : bets) {
                EXPECT_TRUE(style == TableStyleID::pixel || !words.adjusted(-5, -5, 5, 5).intersects(bet))
                    << "the sentence on a bet, " << where(geometry, style, seating)
                    << (moment == CrowdedTable::Moment::blinds ? ", blinds" : ", betting");
            }
        }
    }
}

TEST(SeatClearance, ShownCardsNeverCoverTheBoardAndNoPlateCoversThem) {
    for (const auto style : styles) {
        // Six seats on every surface, and every seating, heads-up included, on some.
        std::vector<std::pair<TableGeometry, CrowdedTable::Seating>> cases;
        for (const auto& geometry : everySurface(style)) {
            cases.emplace_back(geometry, CrowdedTable::Seating{});
        }
        for (const auto& geometry : someSurfaces(style)) {
            for (const auto seating : everySeating()) {
                cases.emplace_back(geometry, seating);
            }
        }
        for (const auto& [geometry, seating] : cases) {
            const Laid laid = lay(CrowdedTable::Moment::showdown, geometry, style, seating);
            const QRectF board = geometry.boardArea();
            // A shown pair also keeps a visible gap from every plate, its ring and its tags, its own
            // included; the top plate rises for it, but only as far as the stage's top (in the paper
            // popover, which no player sees, that is a few points short).
            const auto reach = SeatClearance::plateReach(laid.inputs.theme);
            const bool atStageTop = geometry.plateCenter(SeatLayout::topSlot).y() -
                                        geometry.metrics.plate.height() / 2 -
                                        std::max(reach.above, geometry.metrics.botCardPeek) <
                                    0.01;
            std::vector<QRectF> plates = tagAreas(laid);
            for (const auto& seat : laid.inputs.seats) {
                plates.push_back(around(geometry.plateCenter(seat.slot), geometry.metrics.plate)
                                     .adjusted(-reach.left, -reach.above, reach.right, reach.below));
            }
            // And from the dealer button, wherever it stands.
            std::vector<QRectF> buttons;
            for (const auto& item : laid.items) {
                if (item.kind == Kind::dealer) {
                    buttons.push_back(around(item.center, item.size));
                }
            }
            ASSERT_EQ(buttons.size(), 1u);
            const double rail = geometry.metrics.railWidth;
            const QRectF felt = geometry.table.adjusted(rail, rail, -rail, -rail);
            int shown = 0;
            for (const auto& item : laid.items) {
                if (item.kind != Kind::holeCard) {
                    continue;
                }
                ++shown;
                const QRectF card = around(item.center, item.size * item.scale);
                const double gap = geometry.metrics.boardGap - 0.01;
                EXPECT_FALSE(card.intersects(board.adjusted(-gap, -gap, gap, gap)))
                    << "seat " << item.seat << "'s shown card within the board's card gap of it, "
                    << where(geometry, style, seating);
                // Level with the board, beside it, a pair reads as more board cards.
                EXPECT_TRUE((atStageTop && style == TableStyleID::paper) ||
                            card.bottom() <= board.top() + 0.01 || card.top() >= board.bottom() - 0.01)
                    << "seat " << item.seat << "'s shown card in the board's row, "
                    << where(geometry, style, seating);
                for (const QRectF& plate : plates) {
                    EXPECT_TRUE((atStageTop && style == TableStyleID::paper) ||
                                !card.adjusted(-1, -1, 1, 1).intersects(plate))
                        << "seat " << item.seat << "'s shown card on a plate, "
                        << where(geometry, style, seating);
                }
                EXPECT_FALSE(card.adjusted(-1, -1, 1, 1).intersects(buttons.front()))
                    << "seat " << item.seat << "'s shown card under the button, "
                    << where(geometry, style, seating);
                // The felt's rounded ends hold the cards: none hangs over the rail.
                const double radius = felt.height() / 2;
                for (const QPointF corner :
                     {card.topLeft(), card.topRight(), card.bottomLeft(), card.bottomRight()}) {
                    const double x = std::clamp(corner.x(), felt.left() + radius, felt.right() - radius);
                    EXPECT_LE(std::hypot(corner.x() - x, corner.y() - felt.center().y()), radius + 0.01)
                        << "seat " << item.seat << "'s shown card over the rail, "
                        << where(geometry, style, seating);
                }
            }
            EXPECT_EQ(shown, 2 * (seating.seats - 1));
            for (std::size_t a = 0; a < laid.items.size(); ++a) {
                for (std::size_t b = a + 1; b < laid.items.size(); ++b) {
                    const StageItem& one = laid.items[a];
                    const StageItem& other = laid.items[b];
                    if (one.kind == Kind::holeCard && other.kind == Kind::holeCard &&
                        one.seat != other.seat) {
                        EXPECT_FALSE(around(one.center, one.size * one.scale)
                                         .intersects(around(other.center, other.size * other.scale)))
                            << "seats " << one.seat << " and " << other.seat << " show on each other, "
                            << where(geometry, style, seating);
                    }
                }
            }
            // However low the table, what overlaps a shown card lies under it.
            StageScene scene;
            scene.update(laid.items, 0, laid.inputs.theme, false);
            bool platesDrawn = false;
            for (const auto& pose : scene.poses(10)) {
                platesDrawn = platesDrawn || pose.item->kind == Kind::nameplate;
                if (pose.item->kind == Kind::holeCard) {
                    EXPECT_TRUE(platesDrawn) << "a shown card drawn under the plates";
                }
            }
        }
    }
}

TEST(SeatClearance, PlatesAndDealerButtonsNeverMeet) {
    for (const auto style : styles) {
        for (const auto& geometry : everySurface(style)) {
            const TableTheme theme =
                TableTheme::drawnIn(style, geometry.metrics.surface, geometry.pixelUnit, {});
            const auto reach = SeatClearance::plateReach(theme);
            for (int slot = 0; slot < SeatLayout::slotCount; ++slot) {
                const QRectF plate = around(geometry.plateCenter(slot), geometry.metrics.plate);
                for (int other = slot + 1; other < SeatLayout::slotCount; ++other) {
                    EXPECT_FALSE(
                        plate.intersects(around(geometry.plateCenter(other), geometry.metrics.plate)))
                        << "slots " << slot << " and " << other << ", " << where(geometry, style);
                }
                // The button stays clear of every plate's turn ring at its widest, and of its tags.
                const double diameter = geometry.metrics.dealerButton;
                const QRectF button =
                    around(SeatClearance::dealerCenter(geometry, theme, slot), QSizeF(diameter, diameter));
                for (int other = 0; other < SeatLayout::slotCount; ++other) {
                    const QRectF reached = around(geometry.plateCenter(other), geometry.metrics.plate)
                                               .adjusted(-reach.left, -reach.above, reach.right, reach.below);
                    EXPECT_FALSE(button.intersects(reached))
                        << "slot " << slot << "'s button on slot " << other << "'s ring, "
                        << where(geometry, style);
                }
            }
        }
    }
}

TEST(SeatClearance, ThePlayersCardsAsDrawnStayClearOfTheRowUnderTheStage) {
    // The row under the stage (the showdown banner, the action bar) begins at the stage's bottom. The
    // popover, and the window's table screen at every height from the smallest window's up: a laptop's
    // window beside its sidebar (1366 wide, 716 high under a panel: a 659-high screen) point by point.
    for (const auto style : styles) {
        std::vector<TableGeometry> surfaces{SeatClearance::popoverGeometry(style)};
        for (double height = 563; height <= 1300; height += 1) {
            for (const double width : {599.0, 1038.0, 1700.0}) {
                if (width == 1038 || int(height) % 20 == 3) {
                    surfaces.push_back(
                        CrowdedTable::geometry(TableSurface::window, style, QSizeF(width, height)));
                }
            }
        }
        for (const auto& geometry : surfaces) {
            const Laid laid = lay(CrowdedTable::Moment::showdown, geometry, style);
            int cards = 0;
            for (const auto& item : laid.items) {
                if (item.kind != Kind::heroCard) {
                    continue;
                }
                ++cards;
                // The card with its edge and shadow, and a winner's ring 2 out from its edge.
                const QMarginsF shadow = CardView::shadowMargins(laid.inputs.theme, item.size, false);
                const QRectF drawn =
                    around(QPointF(), item.size)
                        .adjusted(-std::max(shadow.left(), 2.0), -std::max(shadow.top(), 2.0),
                                  std::max(shadow.right(), 2.0), std::max(shadow.bottom(), 2.0));
                const QRectF tilted =
                    QTransform().rotate(item.rotationDegrees).mapRect(drawn).translated(item.center);
                EXPECT_LE(tilted.bottom(), geometry.stage.height()) << where(geometry, style);
                EXPECT_GE(tilted.top(), geometry.table.bottom()) << where(geometry, style);
            }
            EXPECT_EQ(cards, 2) << where(geometry, style);
        }
    }
}

TEST(SeatClearance, APlatesReachHoldsEverythingItPaintsAndItsRingBreaksRoundItsTags) {
    // A winner's plate, all in, with its blind, and the player's own to act on the small blind: ring,
    // tags and card-stock edges all drawn.
    SeatModel winner;
    winner.name = QStringLiteral("Pancake");
    winner.status = PokerEngine::SeatStatus::allIn;
    winner.isWinner = true;
    winner.blind = QStringLiteral("BB");
    winner.stackLine = SeatModel::StackLine::chips(0);
    SeatModel hero = winner;
    hero.name = QStringLiteral("You");
    hero.status = PokerEngine::SeatStatus::active;
    hero.isWinner = false;
    hero.isHero = true;
    hero.isActing = true;
    hero.blind = QStringLiteral("SB");
    hero.stackLine = SeatModel::StackLine::chips(4820);
    for (const auto style : styles) {
        for (const auto surface : {TableSurface::popover, TableSurface::window}) {
            for (const SeatModel& seat : {winner, hero}) {
                const TableTheme theme =
                    TableTheme::drawnIn(style, surface, surface == TableSurface::popover ? 2 : 3, {});
                const auto plate = NameplateModel::make(seat, true, false, theme);
                const QPointF centre(200, 100);
                const auto paint = [&](double ring, double turnTag) {
                    QImage image(400, 200, QImage::Format_ARGB32_Premultiplied);
                    image.fill(Qt::transparent);
                    QPainter painter(&image);
                    paintNameplate(painter, centre, plate, seat, theme,
                                   NameplateFades{ring, turnTag, 1, 0, 1});
                    return image;
                };
                // The reach holds every seat's tags; the player's own turn tag, which hangs higher in the
                // pixel style, is left out of it.
                const QImage image = paint(1, 0);
                const double turnTag = plate.hasTurnTag() ? 1 : 0;
                const QImage lit = paint(1, turnTag);
                const QImage unlit = paint(0, turnTag);
                // No tag sits on the ring's line or touches it: round each, the ring's width clear of
                // it, the lit ring changes nothing.
                const QPointF corner = centre - QPointF(plate.plate.width() / 2, plate.plate.height() / 2);
                std::vector<QRectF> clear;
                for (const auto& tag : plate.tags) {
                    clear.push_back(NameplateModel::tagArea(tag, corner, TagView::measure(theme, tag.text))
                                        .marginsAdded(TagView::overhang(theme))
                                        .adjusted(-2, -2, 2, 2));
                }
                int top = image.height();
                int bottom = -1;
                int left = image.width();
                int right = -1;
                int ringOnTags = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        // Faint shadow is allowed past the reach; anything a player reads is not.
                        if (qAlpha(image.pixel(x, y)) > 96) {
                            top = std::min(top, y);
                            bottom = std::max(bottom, y);
                            left = std::min(left, x);
                            right = std::max(right, x);
                        }
                        const QRectF pixel(x, y, 1, 1);
                        const bool nearTag =
                            std::any_of(clear.begin(), clear.end(),
                                        [&pixel](const QRectF& r) { return r.contains(pixel); });
                        ringOnTags += nearTag && lit.pixel(x, y) != unlit.pixel(x, y);
                    }
                }
                const std::string what =
                    std::string(toString(style)) + ", " + seat.name.toStdString() +
                    (surface == TableSurface::popover ? " in the popover" : " in the window");
                EXPECT_EQ(ringOnTags, 0) << what;
                const auto reach = SeatClearance::plateReach(theme);
                const double half = plate.plate.height() / 2;
                EXPECT_GE(top, std::floor(centre.y() - half - reach.above)) << what;
                EXPECT_LE(bottom + 1, std::ceil(centre.y() + half + reach.below)) << what;
                const double halfWidth = plate.plate.width() / 2;
                EXPECT_GE(left, std::floor(centre.x() - halfWidth - reach.left)) << what;
                EXPECT_LE(right + 1, std::ceil(centre.x() + halfWidth + reach.right)) << what;
            }
        }
    }
}
