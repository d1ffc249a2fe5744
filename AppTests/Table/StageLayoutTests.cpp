// The stage's items: identities, places and transitions for two to six seats on both surfaces.
#include "HandEvents.h"

#include "Table/Screen/SeatClearance.h"
#include "Table/Screen/StageLayout.h"
#include "Table/SeatLayout.h"

#include <gtest/gtest.h>

#include <set>

using Kind = StageItem::Kind;
using PokerEngine::Card;
using PokerEngine::SeatStatus;
using PokerEngine::Street;

namespace {

Card card(const char* code) {
    return *Card::fromCode(code);
}

struct Stage {
    PokerEngine::PlayerView view;
    std::vector<SeatModel> seats;
    StageInputs inputs;

    Stage(int seatCount, TableSurface surface, TableStyleID style = TableStyleID::satin,
          bool reduceMotion = false) {
        view = HandEvents::view(seatCount, 0);
        view.handNumber = 7;
        view.holeCards = {card("As"), card("Kd")};
        view.board = {card("2c"), card("7h"), card("Td")};
        view.street = Street::flop;
        view.buttonIndex = 1;
        view.pots = {PokerEngine::Pot{300, {}}};
        const auto slotList = SeatLayout::slotsForSeatCount(seatCount);
        for (int i = 0; i < seatCount; ++i) {
            SeatModel seat;
            seat.seat = i;
            seat.slot = slotList[std::size_t(i)];
            seat.name = i == 0 ? QStringLiteral("You") : QStringLiteral("Bot %1").arg(i);
            seat.status = SeatStatus::active;
            seat.isHero = i == 0;
            seat.hasCards = true;
            seat.isDealer = i == 1;
            seat.streetBet = i == 2 ? 40 : 0;
            seats.push_back(seat);
        }
        AppearanceFlags appearance;
        appearance.reduceMotion = reduceMotion;
        inputs.theme =
            TableTheme::drawnIn(style, surface, surface == TableSurface::popover ? 2 : 3, appearance);
        inputs.geometry = surface == TableSurface::popover
                              ? TableGeometry::popover(style)
                              : SeatClearance::windowGeometry(QSizeF(1100, 614), style);
        inputs.view = &view;
        inputs.seats = &seats;
    }
    std::vector<StageItem> items() { return StageLayout::items(inputs); }
    std::optional<StageItem> item(const QString& id) {
        for (auto& found : items()) {
            if (found.id == id) {
                return found;
            }
        }
        return std::nullopt;
    }
};

int count(const std::vector<StageItem>& items, Kind kind) {
    return int(
        std::count_if(items.begin(), items.end(), [&](const StageItem& item) { return item.kind == kind; }));
}

} // namespace

TEST(StageLayout, IdentitiesAndCountsForEveryTableSize) {
    for (const auto surface : allTableSurfaces) {
        for (int seats = 2; seats <= 6; ++seats) {
            SCOPED_TRACE(seats);
            Stage stage(seats, surface);
            const auto items = stage.items();
            std::set<QString> ids;
            for (const auto& item : items) {
                EXPECT_TRUE(ids.insert(item.id).second) << item.id.toStdString();
                EXPECT_TRUE(QRectF(QPointF(), stage.inputs.geometry.stage).contains(item.center))
                    << item.id.toStdString();
            }
            EXPECT_EQ(count(items, Kind::boardCard), 3);
            EXPECT_EQ(count(items, Kind::heroCard), 2);
            EXPECT_EQ(count(items, Kind::holeCard), 2 * (seats - 1));
            EXPECT_EQ(count(items, Kind::nameplate), seats);
            EXPECT_EQ(count(items, Kind::dealer), 1);
            EXPECT_EQ(count(items, Kind::bet), seats > 2 ? 1 : 0);
            EXPECT_TRUE(ids.contains("board-7-2"));
            EXPECT_TRUE(ids.contains("hero-7-1"));
            EXPECT_TRUE(ids.contains("hole-7-1-0"));
            EXPECT_TRUE(ids.contains(QStringLiteral("hole-7-%1-1").arg(seats - 1)));
            if (seats > 2) {
                EXPECT_TRUE(ids.contains("bet-7-2"));
            }
            // Each plate sits on its slot's anchor.
            for (const auto& seat : stage.seats) {
                EXPECT_EQ(stage.item(QStringLiteral("plate-%1").arg(seat.seat))->center,
                          stage.inputs.geometry.plateCenter(seat.slot));
            }
        }
    }
}

TEST(StageLayout, ANewHandIsANewSetOfItems) {
    Stage stage(4, TableSurface::popover);
    const auto before = stage.items();
    stage.view.handNumber = 8;
    const auto after = stage.items();
    for (const auto& old : before) {
        if (old.kind == Kind::boardCard || old.kind == Kind::heroCard || old.kind == Kind::holeCard ||
            old.kind == Kind::bet) {
            EXPECT_TRUE(std::none_of(after.begin(), after.end(),
                                     [&](const StageItem& item) { return item.id == old.id; }));
        }
    }
}

TEST(StageLayout, BoardCardsFlipWhenDealtAndSlideFromTheDealer) {
    Stage stage(3, TableSurface::popover);
    stage.inputs.timeline.cues.emplace(MotionCue::dealBoard(2), TimedCue{MotionCue::dealBoard(2), 0.4, 0.3});
    const auto dealt = *stage.item("board-7-2");
    EXPECT_EQ(dealt.startAngle, 180);
    EXPECT_EQ(dealt.flipDelay, 0.4 + 0.2);
    EXPECT_EQ(dealt.arrival.delay, 0.4);
    EXPECT_TRUE(dealt.arrival.gated);
    const QPointF dealer =
        SeatClearance::dealerCenter(stage.inputs.geometry, stage.inputs.theme, stage.seats[1].slot);
    EXPECT_EQ(QPointF(dealt.arrival.slide.offsetX, dealt.arrival.slide.offsetY), dealer - dealt.center);
    // Without a cue (redrawn later, or a restored table) the card is face up at once, no delay.
    const auto settled = *stage.item("board-7-0");
    EXPECT_EQ(settled.startAngle, 0);
    EXPECT_FALSE(settled.flipDelay);
    EXPECT_EQ(settled.arrival.delay, 0);
    EXPECT_FALSE(settled.arrival.gated);
    EXPECT_FALSE(settled.arrival.fadeOnly);
    EXPECT_EQ(settled.center, stage.inputs.geometry.boardCardCenter(0));
    EXPECT_EQ(StageLayout::boardLabel(stage.view.board),
              "Board: Two of clubs, Seven of hearts, Ten of diamonds");
    EXPECT_FALSE(StageLayout::boardLabel({}));
}

TEST(StageLayout, HeroCardsTiltExceptInPixel) {
    Stage satin(2, TableSurface::window);
    const auto left = *satin.item("hero-7-0");
    const auto right = *satin.item("hero-7-1");
    EXPECT_EQ(left.rotationDegrees, -3);
    EXPECT_EQ(right.rotationDegrees, 3);
    EXPECT_EQ(left.arrival.slide.rotationDegrees, 3); // leaves the dealer upright
    const auto geometry = satin.inputs.geometry;
    EXPECT_DOUBLE_EQ(right.center.x() - left.center.x(), 0.9 * geometry.metrics.heroCard.width());
    Stage pixel(2, TableSurface::window, TableStyleID::pixel);
    EXPECT_EQ(pixel.item("hero-7-0")->rotationDegrees, 0);
    EXPECT_EQ(pixel.item("hero-7-0")->arrival.slide.grid, 3);
    EXPECT_EQ(satin.item("hero-7-0")->arrival.slide.grid, 0);
    // A folded player's cards dim.
    satin.seats[0].status = SeatStatus::folded;
    EXPECT_EQ(satin.item("hero-7-0")->opacity, 0.4);
}

TEST(StageLayout, TheDealHoldWithdrawsCardsAndBets) {
    Stage stage(4, TableSurface::popover);
    stage.inputs.handTag = true;
    EXPECT_EQ(count(stage.items(), Kind::handTag), 1);
    stage.inputs.timeline.holdsDeal = true;
    const auto items = stage.items();
    EXPECT_EQ(count(items, Kind::heroCard), 0);
    EXPECT_EQ(count(items, Kind::holeCard), 0);
    EXPECT_EQ(count(items, Kind::bet), 0);
    EXPECT_EQ(count(items, Kind::handTag), 0);
    EXPECT_EQ(count(items, Kind::boardCard), 3);
    EXPECT_EQ(count(items, Kind::nameplate), 4);
}

TEST(StageLayout, BetsExitToThePotOrBackToThePlate) {
    Stage stage(4, TableSurface::window);
    const auto& geometry = stage.inputs.geometry;
    const auto plain = *stage.item("bet-7-2");
    EXPECT_EQ(QPointF(plain.removal.slide.offsetX, plain.removal.slide.offsetY),
              geometry.potCenter() - plain.center);
    EXPECT_EQ(plain.removal.delay, 0);
    EXPECT_TRUE(plain.removal.slide.fades);
    EXPECT_EQ(QPointF(plain.arrival.slide.offsetX, plain.arrival.slide.offsetY),
              geometry.plateCenter(stage.seats[2].slot) - plain.center);

    stage.inputs.timeline.betExits[2] = BetExit::toPlate(0.3);
    stage.inputs.timeline.cues.emplace(MotionCue::betIn(2, true),
                                       TimedCue{MotionCue::betIn(2, true), 0.25, 0.3});
    const auto returned = *stage.item("bet-7-2");
    EXPECT_EQ(QPointF(returned.removal.slide.offsetX, returned.removal.slide.offsetY),
              geometry.plateCenter(stage.seats[2].slot) - returned.center);
    EXPECT_EQ(returned.removal.delay, 0.3);
    EXPECT_EQ(returned.removal.curve, (MotionStyle{TableStyleID::satin, false}.returnBet()));
    EXPECT_EQ(returned.arrival.delay, 0.25); // the blind's cue, found after the plain one
}

TEST(StageLayout, RevealedCardsGrowAndWaitForThePot) {
    Stage stage(3, TableSurface::popover);
    stage.seats[1].shownCards = std::vector<Card>{card("Qh")};
    stage.inputs.timeline.cues.emplace(MotionCue::collect(), TimedCue{MotionCue::collect(), 1.0, 2.0});
    const auto first = *stage.item("hole-7-1-0");
    const auto second = *stage.item("hole-7-1-1");
    EXPECT_EQ(first.card, card("Qh"));
    EXPECT_FALSE(second.card); // outside the shown cards: face down
    EXPECT_EQ(first.scale, 1.15);
    const int slot = stage.seats[1].slot;
    EXPECT_EQ(first.center, stage.inputs.geometry.holeCardCenter(
                                slot, 0, true, SeatClearance::shownCardsClearance(stage.inputs.theme, slot)));
    EXPECT_EQ(first.revealDelay, 1.5); // no reveal cue: after the pot lands, capped
    stage.inputs.timeline.cues.emplace(MotionCue::reveal(1), TimedCue{MotionCue::reveal(1), 0.6, 0.3});
    EXPECT_EQ(stage.item("hole-7-1-0")->revealDelay, 0.6);
    EXPECT_EQ(stage.item("hole-7-1-0")->change->delay, 0.6);
    // Knocked out by the hand it shows (so holding no cards): they stay face up over its "Out".
    stage.seats[2].hasCards = false;
    EXPECT_FALSE(stage.item("hole-7-2-0"));
    stage.seats[2].shownCards = std::vector<Card>{card("Ad"), card("3d")};
    EXPECT_EQ(stage.item("hole-7-2-1")->card, card("3d"));
}

TEST(StageLayout, ReduceMotionFadesEverythingAndDropsFlights) {
    Stage stage(4, TableSurface::popover, TableStyleID::satin, true);
    stage.inputs.timeline.flights = {
        ChipFlight{1, 50, ChipFlight::Point::plate(2), ChipFlight::Point::pot(), 0.3, 0.45}};
    const auto items = stage.items();
    EXPECT_EQ(count(items, Kind::flight), 0);
    for (const auto& item : items) {
        if (item.kind == Kind::dealer) {
            EXPECT_FALSE(item.change); // the button jumps
        }
        if (item.kind == Kind::nameplate || item.kind == Kind::dealer) {
            continue;
        }
        EXPECT_TRUE(item.arrival.fadeOnly) << item.id.toStdString();
    }
    Stage moving(4, TableSurface::popover);
    moving.inputs.timeline.flights = stage.inputs.timeline.flights;
    const auto flight = *moving.item("flight-1");
    EXPECT_EQ(flight.from, moving.inputs.geometry.plateCenter(moving.seats[2].slot));
    EXPECT_EQ(flight.center, moving.inputs.geometry.potCenter());
    EXPECT_EQ(flight.flightDelay, 0.3);
    EXPECT_EQ(flight.change->curve, AnimationCurve::spring(0.45, 0.85));
}

TEST(StageLayout, PotAndLastAction) {
    Stage stage(2, TableSurface::popover);
    stage.inputs.lastAction = QStringLiteral("Bot 1 bets 40");
    const auto label = *stage.item("Bot 1 bets 40");
    const auto& geometry = stage.inputs.geometry;
    EXPECT_DOUBLE_EQ(label.center.y(), geometry.table.top() + 0.39 * geometry.table.height() - 28 - 11);
    const auto pot = *stage.item("pot");
    EXPECT_EQ(pot.amount, 300);
    EXPECT_DOUBLE_EQ(pot.center.y(), geometry.potCenter().y()); // one pot: half-height 11, as the geometry's
    stage.view.street = Street::handComplete;
    EXPECT_FALSE(stage.item("pot"));
    stage.view.street = Street::flop;
    stage.view.pots.clear();
    EXPECT_FALSE(stage.item("pot"));
}

TEST(StageLayout, HandTagStaysInsideThePopover) {
    const auto popover = TableGeometry::popover(TableStyleID::satin);
    const double left = StageLayout::handTagOrigin(popover).x();
    EXPECT_DOUBLE_EQ(left, 210 + 0.95 * 52 + 12);
    EXPECT_LE(StageLayout::handTagWidth(popover), 144);
    EXPECT_LE(left + StageLayout::handTagWidth(popover), 420 - 16);
    EXPECT_EQ(
        StageLayout::handTagWidth(SeatClearance::windowGeometry(QSizeF(1100, 614), TableStyleID::satin)),
        190);
}

TEST(StageLayout, PotLandedIsCapped) {
    std::unordered_map<MotionCue, TimedCue> cues;
    EXPECT_EQ(StageLayout::potLanded(cues), 0);
    cues.emplace(MotionCue::collect(), TimedCue{MotionCue::collect(), 0.2, 0.5});
    EXPECT_DOUBLE_EQ(StageLayout::potLanded(cues), 0.7);
    cues.emplace(MotionCue::award(0, 1, 10), TimedCue{MotionCue::award(0, 1, 10), 3, 1});
    EXPECT_EQ(StageLayout::potLanded(cues), 1.5);
    std::vector<SeatModel> seats(1);
    seats[0].seat = 4;
    seats[0].slot = 3;
    EXPECT_EQ(StageLayout::slotOf(4, seats), 3);
    EXPECT_EQ(StageLayout::slotOf(9, seats), 0);
}

TEST(StageLayout, PlatesCarryTheirRingTurnTagDimmingAndRollingStack) {
    Stage stage(3, TableSurface::popover);
    stage.seats[0].isActing = true;
    stage.seats[0].stack = 980;
    stage.seats[0].stackLine = SeatModel::StackLine::chips(980);
    stage.seats[1].status = SeatStatus::folded;
    stage.seats[1].stackLine = SeatModel::StackLine::folded(1000);
    stage.seats[2].isActing = true; // as if two could act: a bot's ring
    auto hero = *stage.item("plate-0");
    EXPECT_EQ(hero.plateRing, 1);
    EXPECT_EQ(hero.turnTag, 1);
    EXPECT_EQ(hero.content, 1);
    EXPECT_EQ(hero.amount, 980);
    EXPECT_TRUE(hero.rolls);
    const auto folded = *stage.item("plate-1");
    EXPECT_EQ(folded.content, 0.5);
    EXPECT_FALSE(folded.rolls) << "a folded stack line does not roll";
    const auto bot = *stage.item("plate-2");
    EXPECT_EQ(bot.plateRing, 1);
    EXPECT_EQ(bot.turnTag, 0) << "only the player's own plate says it is their turn";
    // Paused: a bot's ring goes out, the player's stays.
    stage.inputs.paused = true;
    EXPECT_EQ(stage.item("plate-2")->plateRing, 0);
    EXPECT_EQ(stage.item("plate-0")->plateRing, 1);
    stage.inputs.paused = false; // the player's turn shows once their cards have come
    stage.inputs.timeline.turnHeld = true;
    EXPECT_EQ(stage.item("plate-0")->turnTag + stage.item("plate-0")->plateRing, 0);
    EXPECT_EQ(stage.item("plate-2")->plateRing, 1);

    // Pixel greys the name instead of dimming; nothing rolls there or under Reduce Motion.
    Stage pixel(3, TableSurface::popover, TableStyleID::pixel);
    pixel.seats[1].status = SeatStatus::folded;
    EXPECT_EQ(pixel.item("plate-1")->content, 1);
    EXPECT_FALSE(pixel.item("bet-7-2")->rolls);
    EXPECT_TRUE(stage.item("bet-7-2")->rolls);
    EXPECT_TRUE(stage.item("pot")->rolls);
    Stage still(3, TableSurface::popover, TableStyleID::satin, true);
    EXPECT_FALSE(still.item("pot")->rolls);
}

TEST(StageLayout, TheHandTagHasOneIdentityPerHand) {
    Stage stage(2, TableSurface::window);
    stage.inputs.handTag = true;
    const auto tag = *stage.item(StageLayout::handTagId(7));
    EXPECT_EQ(tag.kind, Kind::handTag);
    EXPECT_EQ(tag.size, QSizeF(190, stage.inputs.geometry.metrics.heroCard.height()));
    EXPECT_EQ(tag.center - QPointF(95, tag.size.height() / 2),
              StageLayout::handTagOrigin(stage.inputs.geometry));
    EXPECT_EQ(StageLayout::handTagId(12), "tag-12");
}

TEST(StageLayout, ANewHandsTagWaitsForItsCardsWhileTheOldCardsFadeWhereTheyLie) {
    for (const bool reduceMotion : {false, true}) {
        Stage stage(3, TableSurface::window, TableStyleID::satin, reduceMotion);
        stage.inputs.handTag = true;
        stage.inputs.timeline.cues.emplace(MotionCue::dealHole(0, 0),
                                           TimedCue{MotionCue::dealHole(0, 0), 0.5, 0.3});
        stage.inputs.timeline.cues.emplace(MotionCue::dealHole(0, 1),
                                           TimedCue{MotionCue::dealHole(0, 1), 0.9, 0.3});
        stage.inputs.timeline.cues.emplace(MotionCue::dealBoard(2),
                                           TimedCue{MotionCue::dealBoard(2), 0.4, 0.46});
        const auto tag = *stage.item(StageLayout::handTagId(7));
        EXPECT_DOUBLE_EQ(tag.arrival.delay, 1.2) << "not before the second card has landed";
        EXPECT_TRUE(tag.arrival.fadeOnly);
        // Leaving, the tag and the cards, the board's too, fade at once where they are: no slide back
        // toward the dealer's seat, faces up.
        for (const QString& id : {QStringLiteral("hero-7-0"), QStringLiteral("hero-7-1"), tag.id,
                                  QStringLiteral("board-7-0"), QStringLiteral("board-7-2")}) {
            const auto leaving = *stage.item(id);
            EXPECT_TRUE(leaving.removal.fadeOnly) << id.toStdString();
            EXPECT_EQ(leaving.removal.delay, 0) << id.toStdString();
            EXPECT_LE(leaving.removal.curve.duration(), 0.25) << id.toStdString();
        }
    }
    // A restored table has no deal to wait for.
    Stage restored(3, TableSurface::window);
    restored.inputs.handTag = true;
    EXPECT_EQ(restored.item(StageLayout::handTagId(7))->arrival.delay, 0);
}
