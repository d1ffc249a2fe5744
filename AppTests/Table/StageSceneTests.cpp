// The retained stage in virtual time: arrivals, departures, moves, flips, knocks and the idle test.
#include "Views/Table/StageScene.h"

#include <gtest/gtest.h>

#include <map>

namespace {

StageItem card(const QString& id, QPointF center, StageTransition arrival = {}) {
    StageItem item;
    item.kind = StageItem::Kind::boardCard;
    item.id = id;
    item.center = center;
    item.card = PokerEngine::Card::fromCode("Ah");
    item.arrival = arrival;
    item.removal = arrival;
    return item;
}

StageTransition slideFrom(QPointF offset, double delay, bool gated = true) {
    StageTransition transition{AnimationCurve::easeOut(0.2), delay, {}, false, gated};
    transition.slide = SlideEffect{0, offset.x(), offset.y(), 0, 1, 0, false};
    return transition;
}

const TableTheme satin = TableTheme::standard();

const StageScene::Pose& only(const std::vector<StageScene::Pose>& poses) {
    EXPECT_EQ(poses.size(), 1u);
    return poses.front();
}

} // namespace

TEST(StageScene, ACardWaitsForItsCueThenSlidesFromTheDealer) {
    StageScene scene;
    scene.update({card("board-1-0", {100, 100}, slideFrom({-50, 0}, 0.5))}, 10, satin);
    EXPECT_EQ(only(scene.poses(10.2)).opacity, 0); // gated until its slide begins
    EXPECT_EQ(only(scene.poses(10.2)).center, QPointF(50, 100));
    const auto moving = only(scene.poses(10.6));
    EXPECT_GT(moving.center.x(), 50);
    EXPECT_LT(moving.center.x(), 100);
    EXPECT_TRUE(scene.isMoving(10.6));
    // Only a card still moving may be drawn from an image mapped through its motion.
    EXPECT_TRUE(only(scene.poses(10.2)).moving);
    EXPECT_TRUE(moving.moving);
    EXPECT_EQ(only(scene.poses(10.8)).center, QPointF(100, 100));
    EXPECT_EQ(only(scene.poses(10.8)).opacity, 1);
    EXPECT_FALSE(only(scene.poses(10.8)).moving);
    EXPECT_FALSE(scene.isMoving(10.8));
}

// A bot acting mid-deal redraws the stage from a timeline of its action alone: a card not dealt yet
// still waits for its turn, and one taken away before it came (its seat folded) lands, then leaves.
// A new sentence waits for the old one to fade.
TEST(StageScene, ALaterRedrawLetsTheDealPlayOutAndSentencesTakeTurns) {
    StageScene scene;
    auto late = card("hole-1-1-0", {100, 100}, slideFrom({-50, 0}, 0.5));
    auto folded = card("hole-1-2-0", {100, 100}, slideFrom({-50, 0}, 0.6));
    folded.removal = StageTransition{AnimationCurve::linear(0.2), 0, {}, true, false};
    StageItem said;
    said.kind = StageItem::Kind::lastAction;
    said.id = "Biscuit posts the big blind of 10";
    said.arrival = said.removal = folded.removal;
    said.takesTurns = true;
    scene.update({late, folded, said}, 0, satin);
    late.arrival.delay = 0;
    auto next = said;
    next.id = "Big Lou folds";
    scene.update({late, next}, 0.3, satin);
    std::map<QString, StageScene::Pose> at;
    const auto look = [&](double now) {
        at.clear();
        for (const auto& pose : scene.poses(now))
            at[pose.item->id] = pose;
    };
    look(0.4);
    EXPECT_EQ(at["hole-1-1-0"].opacity, 0);
    EXPECT_NEAR(at[said.id].opacity, 0.5, 1e-9);
    EXPECT_EQ(at[next.id].opacity, 0);
    look(0.7);
    EXPECT_NEAR(at["hole-1-1-0"].center.x(), 100, 1e-3);
    EXPECT_FALSE(at["hole-1-2-0"].leaving);
    EXPECT_GT(at["hole-1-2-0"].center.x(), 50);
    EXPECT_NEAR(at[next.id].opacity, 1, 1e-9);
    EXPECT_FALSE(at.contains(said.id));
    look(0.9);
    EXPECT_NEAR(at["hole-1-2-0"].opacity, 0.5, 1e-9);
}

TEST(StageScene, LeavingItemsStayUntilTheirTransitionEnds) {
    StageScene scene;
    StageTransition fade{AnimationCurve::linear(0.2), 0, {}, true, false};
    scene.update({card("hero-1-0", {10, 10}, fade)}, 0, satin);
    scene.update({card("hero-2-0", {10, 10}, fade)}, 1, satin);
    auto poses = scene.poses(1.1);
    ASSERT_EQ(poses.size(), 2u);
    const auto& leaving = poses[0].item->id == "hero-1-0" ? poses[0] : poses[1];
    EXPECT_TRUE(leaving.leaving);
    EXPECT_NEAR(leaving.opacity, 0.5, 1e-9);
    scene.prune(1.1);
    EXPECT_TRUE(scene.contains("hero-1-0"));
    scene.prune(1.2);
    EXPECT_FALSE(scene.contains("hero-1-0"));
    EXPECT_TRUE(scene.contains("hero-2-0"));
}

TEST(StageScene, KeptItemsMoveFromWhereTheyWere) {
    StageScene scene;
    StageItem button;
    button.kind = StageItem::Kind::dealer;
    button.id = "dealer";
    button.center = {0, 0};
    button.change = StageTransition{AnimationCurve::linear(1), 0, {}, false, false};
    scene.update({button}, 0, satin);
    button.center = {100, 0};
    scene.update({button}, 1, satin);
    EXPECT_EQ(only(scene.poses(1.5)).center, QPointF(50, 0));
    // Redirected half way, it goes on from where it is.
    button.center = {0, 0};
    scene.update({button}, 1.5, satin);
    EXPECT_EQ(only(scene.poses(1.5)).center, QPointF(50, 0));
    EXPECT_EQ(only(scene.poses(2.5)).center, QPointF(0, 0));
    // Without a change animation the button jumps.
    button.change.reset();
    button.center = {30, 0};
    scene.update({button}, 3, satin);
    EXPECT_EQ(only(scene.poses(3)).center, QPointF(30, 0));
}

TEST(StageScene, CardsTurnUpOnCue) {
    StageScene scene;
    auto dealt = card("board-1-3", {0, 0});
    dealt.startAngle = 180;
    dealt.flipDelay = 0.4;
    scene.update({dealt}, 0, satin);
    EXPECT_EQ(only(scene.poses(0.3)).flipDegrees, 180);
    EXPECT_EQ(only(scene.poses(0.4 + 0.26)).flipDegrees, 0);
    // A bot's card whose face arrives later turns after its reveal delay.
    StageScene bots;
    auto hole = card("hole-1-2-0", {0, 0});
    hole.card.reset();
    bots.update({hole}, 0, satin);
    EXPECT_EQ(only(bots.poses(0)).flipDegrees, 0);
    hole.card = PokerEngine::Card::fromCode("Kc");
    hole.revealDelay = 0.5;
    bots.update({hole}, 1, satin);
    EXPECT_EQ(only(bots.poses(1.2)).flipDegrees, 180);
    EXPECT_GT(only(bots.poses(1.6)).flipDegrees, 0);
    EXPECT_EQ(only(bots.poses(1.8)).flipDegrees, 0);
    // Under Reduce Motion the face simply shows.
    StageScene calm;
    hole.card.reset();
    auto reduced = satin;
    reduced.reduceMotion = true;
    calm.update({hole}, 0, reduced);
    hole.card = PokerEngine::Card::fromCode("Kc");
    calm.update({hole}, 1, reduced);
    EXPECT_EQ(only(calm.poses(1)).flipDegrees, 0);
}

TEST(StageScene, ShowdownLightComesOnLateAndGoesAtOnce) {
    StageScene scene;
    auto lost = card("board-1-0", {0, 0});
    scene.update({lost}, 0, satin);
    lost.light = StageItem::Light::dimmed;
    scene.update({lost}, 1, satin);
    EXPECT_EQ(only(scene.poses(1.5)).opacity, 1);
    EXPECT_EQ(only(scene.poses(1.95)).opacity, 0.5);
    lost.light = StageItem::Light::none;
    scene.update({lost}, 2, satin);
    EXPECT_EQ(only(scene.poses(2.35)).opacity, 1);
    auto won = card("board-1-1", {0, 0});
    won.light = StageItem::Light::lit;
    StageScene winning;
    winning.update({won}, 0, satin);
    EXPECT_EQ(only(winning.poses(0.5)).ring, 0);
    EXPECT_EQ(only(winning.poses(0.9)).ring, 1);
}

TEST(StageScene, ChipFlightsTravelThenFade) {
    StageScene scene;
    StageItem chips;
    chips.kind = StageItem::Kind::flight;
    chips.id = "flight-1";
    chips.from = {0, 0};
    chips.center = {100, 0};
    chips.flightDelay = 0.3;
    chips.flightDuration = 0.45;
    chips.change = StageTransition{AnimationCurve::linear(0.45), 0.3, {}, false, false};
    scene.update({chips}, 0, satin);
    EXPECT_EQ(only(scene.poses(0.3)).center, QPointF(0, 0));
    EXPECT_TRUE(only(scene.poses(0.3)).lifted);
    EXPECT_EQ(only(scene.poses(0.75)).center, QPointF(100, 0));
    EXPECT_EQ(only(scene.poses(0.75)).opacity, 1); // starts fading at 0.75 s
    EXPECT_LT(only(scene.poses(0.85)).opacity, 1);
    EXPECT_EQ(only(scene.poses(0.93)).opacity, 0);
    EXPECT_TRUE(scene.isMoving(0.9));
    EXPECT_FALSE(scene.isMoving(0.94));
}

TEST(StageScene, PlatesKnockOnACheck) {
    StageScene scene;
    StageItem plate;
    plate.kind = StageItem::Kind::nameplate;
    plate.id = "plate-1";
    scene.update({plate}, 0, satin);
    EXPECT_FALSE(scene.isMoving(0));
    plate.knocks = 1;
    scene.update({plate}, 1, satin);
    EXPECT_NEAR(only(scene.poses(1.07)).knock, 1, 1e-9);
    EXPECT_NEAR(only(scene.poses(1.105)).knock, 0.5, 1e-9);
    EXPECT_EQ(only(scene.poses(1.2)).knock, 0);
    EXPECT_FALSE(scene.isMoving(1.2));
    auto reduced = satin;
    reduced.reduceMotion = true;
    plate.knocks = 2;
    scene.update({plate}, 2, reduced);
    EXPECT_EQ(only(scene.poses(2.07)).knock, 0);
}

TEST(StageScene, APlatesRingAndTurnTagFadeAndItsWordsDim) {
    StageItem plate;
    plate.kind = StageItem::Kind::nameplate;
    plate.id = "plate-0";
    plate.change = StageTransition{AnimationCurve::linear(0.4), 0, {}, false, false};
    for (const bool pixel : {false, true}) {
        TableTheme theme = satin;
        theme.style = pixel ? TableStyleID::pixel : TableStyleID::satin;
        StageScene scene;
        scene.update({plate}, 0, theme);
        EXPECT_EQ(only(scene.poses(0)).plateRing, 0);
        EXPECT_EQ(only(scene.poses(0)).turnTag, 0);
        StageItem turn = plate;
        turn.plateRing = 1;
        turn.turnTag = 1;
        scene.update({turn}, 1, theme);
        const auto half = only(scene.poses(1.1));
        if (pixel) {
            EXPECT_EQ(half.plateRing, 1) << "the pixel ring is redrawn on at once";
            // The tag steps in whole frames of a twelfth of a second.
            EXPECT_EQ(half.turnTag, AnimationCurve::stepped({0.2, 12}).progress(0.1));
        } else {
            EXPECT_GT(half.plateRing, 0.5); // ease-out: more than half way at half time
            EXPECT_LT(half.plateRing, 1);
            EXPECT_EQ(half.turnTag, half.plateRing);
        }
        EXPECT_TRUE(scene.isMoving(1.1));
        EXPECT_EQ(only(scene.poses(1.25)).plateRing, 1);
        EXPECT_EQ(only(scene.poses(1.25)).turnTag, 1);
        EXPECT_FALSE(scene.isMoving(1.25));
        // The turn passes: both fade out again.
        scene.update({plate}, 2, theme);
        EXPECT_EQ(only(scene.poses(2.25)).turnTag, 0);
    }
    // A fold dims the avatar and words along the plate's change.
    StageScene scene;
    scene.update({plate}, 0, satin);
    StageItem folded = plate;
    folded.content = 0.5;
    scene.update({folded}, 1, satin);
    EXPECT_NEAR(only(scene.poses(1.2)).content, 0.75, 1e-9);
    EXPECT_EQ(only(scene.poses(1.5)).content, 0.5);
}

TEST(StageScene, AmountsRollFromTheFigureShown) {
    StageItem bet;
    bet.kind = StageItem::Kind::bet;
    bet.id = "bet-1-2";
    bet.amount = 20;
    bet.rolls = true;
    StageScene scene;
    scene.update({bet}, 0, satin);
    EXPECT_EQ(only(scene.poses(0)).roll, 1) << "a new bet arrives without rolling";
    bet.amount = 60;
    scene.update({bet}, 1, satin);
    const auto rolling = only(scene.poses(1.1));
    EXPECT_EQ(rolling.rolledFrom, 20);
    EXPECT_GT(rolling.roll, 0);
    EXPECT_LT(rolling.roll, 1);
    EXPECT_TRUE(scene.isMoving(1.1));
    EXPECT_EQ(only(scene.poses(1 + MotionStyle::numberRoll().duration())).roll, 1);
    // Raised again mid-roll: it rolls on from the last amount.
    bet.amount = 150;
    scene.update({bet}, 2, satin);
    bet.amount = 300;
    scene.update({bet}, 2.1, satin);
    EXPECT_EQ(only(scene.poses(2.1)).rolledFrom, 150);
    EXPECT_EQ(only(scene.poses(2.1)).roll, 0);
    // An item that does not roll (pixel, Reduce Motion) changes its figure at once.
    bet.rolls = false;
    bet.amount = 500;
    scene.update({bet}, 5, satin);
    EXPECT_EQ(only(scene.poses(5)).roll, 1);
}

TEST(StageScene, ANewStageSizePutsKeptItemsInPlaceAtOnce) {
    StageItem button;
    button.kind = StageItem::Kind::dealer;
    button.id = "dealer";
    button.center = {0, 0};
    button.change = StageTransition{AnimationCurve::linear(1), 0, {}, false, false};
    StageScene scene;
    scene.update({button}, 0, satin);
    button.center = {100, 40};
    scene.update({button}, 1, satin, true);
    EXPECT_EQ(only(scene.poses(1)).center, QPointF(100, 40));
    EXPECT_FALSE(scene.isMoving(1));
}
