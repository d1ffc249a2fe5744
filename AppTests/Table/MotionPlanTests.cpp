#include "HandEvents.h"

#include "Table/MotionPlan.h"
#include "Table/SoundPlan.h"

#include <gtest/gtest.h>

using namespace HandEvents;

namespace {

struct Expected {
    MotionCue cue;
    double delay;
    double duration;
};

void expectCues(const std::vector<TimedCue>& actual, const std::vector<Expected>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].cue, expected[i].cue);
        EXPECT_NEAR(actual[i].delay, expected[i].delay, 1e-9);
        EXPECT_NEAR(actual[i].duration, expected[i].duration, 1e-9);
    }
}

void expectSounds(const std::vector<TimedSound>& actual, const std::vector<TimedSound>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].sound, expected[i].sound);
        EXPECT_NEAR(actual[i].delay, expected[i].delay, 1e-9);
    }
}

const std::vector<PokerEngine::HandEvent> headsUpDeal{started(2), smallBlind(0), bigBlind(1), hole(0),
                                                      hole(1)};

} // namespace

TEST(MotionPlan, NoEventsNoCues) {
    EXPECT_TRUE(MotionPlan::cues({}, true, true).empty());
}

TEST(MotionPlan, ANewHandOverOldCardsClearsThenPostsThenDeals) {
    expectCues(MotionPlan::cues(headsUpDeal, false, true), {
                                                               {MotionCue::clearTable(), 0, 0.35},
                                                               {MotionCue::betIn(0, true), 0.35, 0.30},
                                                               {MotionCue::betIn(1, true), 0.35, 0.30},
                                                               {MotionCue::dealHole(0, 0), 0.65, 0.22},
                                                               {MotionCue::dealHole(1, 0), 0.71, 0.22},
                                                               {MotionCue::dealHole(0, 1), 0.77, 0.22},
                                                               {MotionCue::dealHole(1, 1), 0.83, 0.22},
                                                           });
    // Without old cards nothing is cleared and the blinds go in at once.
    const auto fresh = MotionPlan::cues(headsUpDeal, false, false);
    ASSERT_EQ(fresh.size(), 6u);
    EXPECT_EQ(fresh[0].cue, MotionCue::betIn(0, true));
    EXPECT_EQ(fresh[0].delay, 0);
    EXPECT_NEAR(fresh[2].delay, 0.30, 1e-9);
}

TEST(MotionPlan, AntesStartTogetherThenTheBlindsTogether) {
    std::vector<PokerEngine::HandEvent> events{started(9)};
    for (int seat = 0; seat < 6; ++seat) {
        events.push_back(ante(seat));
    }
    events.push_back(smallBlind(1));
    events.push_back(bigBlind(2));
    const auto cues = MotionPlan::cues(events, false, false);
    ASSERT_EQ(cues.size(), 8u);
    for (int seat = 0; seat < 6; ++seat) {
        EXPECT_EQ(cues[seat].cue, MotionCue::anteIn(seat));
        EXPECT_EQ(cues[seat].delay, 0);
    }
    EXPECT_NEAR(cues[6].delay, 0.30, 1e-9);
    EXPECT_NEAR(cues[7].delay, 0.30, 1e-9);
}

TEST(MotionPlan, AFlopAfterACallCollectsFirst) {
    const auto cues =
        MotionPlan::cues({acted(0, ActionKind::call, 10, 20), board(Street::flop)}, true, false);
    expectCues(cues, {
                         {MotionCue::betIn(0, false), 0, 0.30},
                         {MotionCue::collect(), 0.30, 0.35},
                         {MotionCue::dealBoard(0), 0.65, 0.46},
                         {MotionCue::dealBoard(1), 0.73, 0.46},
                         {MotionCue::dealBoard(2), 0.81, 0.46},
                     });
    // Turn and river cards land at places 3 and 4, with nothing to collect after checks.
    expectCues(MotionPlan::cues({acted(1, ActionKind::check), acted(0, ActionKind::check),
                                 board(Street::turn), board(Street::river)},
                                false, false),
               {
                   {MotionCue::check(1), 0, 0.14},
                   {MotionCue::check(0), 0.14, 0.14},
                   {MotionCue::dealBoard(3), 0.28, 0.46},
                   {MotionCue::dealBoard(4), 0.74, 0.46},
               });
}

TEST(MotionPlan, ActionsFollowOneAnother) {
    expectCues(MotionPlan::cues({acted(0, ActionKind::check), acted(1, ActionKind::fold)}, false, false),
               {{MotionCue::check(0), 0, 0.14}, {MotionCue::fold(1), 0.14, 0.25}});
    expectCues(MotionPlan::cues({acted(0, ActionKind::bet, 50, 50), acted(1, ActionKind::fold),
                                 returned(0, 50), awarded(0, {{0, 40}}), eliminated(1)},
                                false, false),
               {
                   {MotionCue::betIn(0, false), 0, 0.30},
                   {MotionCue::fold(1), 0.30, 0.25},
                   {MotionCue::returnBet(0), 0.55, 0.30},
                   {MotionCue::collect(), 0.85, 0.35},
                   {MotionCue::award(0, 0, 40), 1.20, 0.45},
                   {MotionCue::eliminate(1), 1.65, 0.40},
               });
}

TEST(MotionPlan, AShowdownWithSidePotsRevealsThenAwards) {
    const auto cues = MotionPlan::cues(
        {acted(0, ActionKind::bet, 100, 100), acted(1, ActionKind::call, 100, 100), revealed(0), revealed(1),
         awarded(0, {{0, 300}}), awarded(1, {{1, 200}}), eliminated(2), eliminated(3)},
        false, false);
    expectCues(cues, {
                         {MotionCue::betIn(0, false), 0, 0.30},
                         {MotionCue::betIn(1, false), 0.30, 0.30},
                         {MotionCue::collect(), 0.60, 0.35},
                         {MotionCue::reveal(0), 0.95, 0.26},
                         {MotionCue::reveal(1), 1.00, 0.26},
                         {MotionCue::award(0, 0, 300), 1.26, 0.45},
                         {MotionCue::award(1, 1, 200), 1.41, 0.45},
                         {MotionCue::eliminate(2), 1.86, 0.40},
                         {MotionCue::eliminate(3), 1.86, 0.40},
                     });
    // A split pot staggers its two shares the same way.
    expectCues(MotionPlan::cues({awarded(0, {{0, 50}, {1, 50}})}, false, false),
               {{MotionCue::award(0, 0, 50), 0, 0.45}, {MotionCue::award(0, 1, 50), 0.15, 0.45}});
}

TEST(MotionPlan, AnAllInRunOutDealsTheRestOfTheBoardThenShows) {
    const auto cues =
        MotionPlan::cues({acted(0, ActionKind::raise, 980, 1000), acted(1, ActionKind::call, 980, 1000),
                          revealed(0), revealed(1), board(Street::flop), board(Street::turn),
                          board(Street::river), awarded(0, {{1, 2000}})},
                         true, false);
    expectCues(cues, {
                         {MotionCue::betIn(0, false), 0, 0.30},
                         {MotionCue::betIn(1, false), 0.30, 0.30},
                         {MotionCue::collect(), 0.60, 0.35},
                         {MotionCue::reveal(0), 0.95, 0.26},
                         {MotionCue::reveal(1), 1.00, 0.26},
                         {MotionCue::dealBoard(0), 1.26, 0.46},
                         {MotionCue::dealBoard(1), 1.34, 0.46},
                         {MotionCue::dealBoard(2), 1.42, 0.46},
                         {MotionCue::dealBoard(3), 1.88, 0.46},
                         {MotionCue::dealBoard(4), 2.34, 0.46},
                         {MotionCue::award(0, 1, 2000), 2.80, 0.45},
                     });
}

TEST(MotionPlan, RevealsCountAcrossRunsAndLaterHoleCardsChangeNothing) {
    const auto cues = MotionPlan::cues({revealed(0), acted(1, ActionKind::check), revealed(1)}, false, false);
    expectCues(cues, {
                         {MotionCue::reveal(0), 0, 0.26},
                         {MotionCue::check(1), 0.26, 0.14},
                         {MotionCue::reveal(1), 0.40 + 0.05, 0.26},
                     });
    // Hole cards are dealt by the first such event; the second neither deals nor ends the hole run.
    const auto dealt = MotionPlan::cues({hole(0), hole(1), eliminated(2), hole(2)}, false, false);
    ASSERT_EQ(dealt.size(), 7u);
    EXPECT_EQ(dealt[5].cue, MotionCue::dealHole(2, 1));
    EXPECT_NEAR(dealt[5].delay, 0.30, 1e-9);
    EXPECT_NEAR(dealt[6].delay, 0.52, 1e-9);
}

TEST(SoundPlan, QuietBatchesAndTheTurnChime) {
    EXPECT_TRUE(SoundPlan::sounds({}, 0, false).empty());
    expectSounds(SoundPlan::sounds({}, 0, true), {{SoundEvent::turnChime, 0}});
}

TEST(SoundPlan, DealsAreHeardAndBlindsAreSilent) {
    const auto cues = MotionPlan::cues(headsUpDeal, false, true);
    expectSounds(SoundPlan::sounds(cues, 0, false), {
                                                        {SoundEvent::cardDeal, 0.65},
                                                        {SoundEvent::cardDeal, 0.71},
                                                        {SoundEvent::cardDeal, 0.77},
                                                        {SoundEvent::cardDeal, 0.83},
                                                    });
}

TEST(SoundPlan, AFlopIsDealtAndFlippedCardByCard) {
    const auto cues =
        MotionPlan::cues({acted(0, ActionKind::call, 10, 20), board(Street::flop)}, true, false);
    expectSounds(SoundPlan::sounds(cues, 0, true), {
                                                       {SoundEvent::chipBet, 0},
                                                       {SoundEvent::chipCollect, 0.30},
                                                       {SoundEvent::cardDeal, 0.65},
                                                       {SoundEvent::cardFlip, 0.85},
                                                       {SoundEvent::cardDeal, 0.73},
                                                       {SoundEvent::cardFlip, 0.93},
                                                       {SoundEvent::cardDeal, 0.81},
                                                       {SoundEvent::cardFlip, 1.01},
                                                       {SoundEvent::turnChime, 1.27},
                                                   });
}

TEST(SoundPlan, OnlyThePlayersFirstAwardIsCelebrated) {
    const auto cues =
        MotionPlan::cues({acted(0, ActionKind::check), revealed(0), revealed(1), awarded(0, {{1, 300}}),
                          awarded(1, {{0, 200}}), awarded(2, {{0, 100}})},
                         false, false);
    expectSounds(SoundPlan::sounds(cues, 0, false), {
                                                        {SoundEvent::checkKnock, 0},
                                                        {SoundEvent::cardFlip, 0.14},
                                                        {SoundEvent::cardFlip, 0.19},
                                                        {SoundEvent::chipWin, 0.60},
                                                        {SoundEvent::winChime, 1.05},
                                                    });
    // A spectator hears no win at all.
    EXPECT_EQ(SoundPlan::sounds(cues, std::nullopt, false).size(), 3u);
}

TEST(SoundPlan, TheTurnChimeWaitsForTheLastCueToEndWhereverItIsListed) {
    const std::vector<TimedCue> cues{{MotionCue::dealBoard(0), 0, 0.46}, {MotionCue::fold(1), 0.1, 0.25}};
    const auto sounds = SoundPlan::sounds(cues, 0, true);
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back().sound, SoundEvent::turnChime);
    EXPECT_NEAR(sounds.back().delay, 0.46, 1e-9);
}
