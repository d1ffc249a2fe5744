#include "HandEvents.h"

#include "Sound/SoundSink.h"
#include "Table/TablePresenter.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace HandEvents;
using namespace std::chrono_literals;

namespace {

// Remembers every sound the presenter starts, with the check it was given.
class RecordingSoundSink final : public SoundSink {
  public:
    struct Played {
        SoundEvent event;
        TableStyleID style;
        double after;
        std::function<bool()> shouldPlay;
    };
    void play(SoundEvent event, TableStyleID style, double after, std::function<bool()> shouldPlay) override {
        played.push_back({event, style, after, std::move(shouldPlay)});
    }
    std::vector<Played> played;
};

class TablePresenterTest : public ::testing::Test {
  protected:
    TablePresenterTest() {
        presenter.setSoundsAllowed([this] { return soundsOn; });
    }

    // The first hand of a fresh heads-up table, dealt and with the small blind to act.
    static PokerEngine::PlayerView dealt() {
        auto v = view(2);
        v.log = {started(1), smallBlind(0), bigBlind(1), hole(0), hole(1)};
        v.seats[0].streetBet = 10;
        v.seats[1].streetBet = 20;
        v.holeCards = {*PokerEngine::Card::fromCode("As"), *PokerEngine::Card::fromCode("Kd")};
        v.actingIndex = 1;
        return v;
    }

    ManualScheduler scheduler;
    RecordingSoundSink sounds;
    TablePresenter presenter{scheduler, sounds};
    bool soundsOn = true;
};

std::vector<SoundEvent> events(const RecordingSoundSink& sink) {
    std::vector<SoundEvent> result;
    for (const auto& played : sink.played) {
        result.push_back(played.event);
    }
    return result;
}

} // namespace

TEST_F(TablePresenterTest, AFreshTableIsAnimatedFromItsFirstEventWithAShortDealHold) {
    int holdChanges = 0;
    QObject::connect(&presenter, &TablePresenter::holdsDealChanged, [&] { ++holdChanges; });
    presenter.setStyle([] { return TableStyleID::paper; });
    presenter.ingest(dealt());

    EXPECT_EQ(presenter.shown(), dealt());
    EXPECT_EQ(presenter.batch(), 1);
    EXPECT_TRUE(presenter.holdsDeal());
    EXPECT_EQ(presenter.cues().size(), 6u);
    EXPECT_FALSE(presenter.cues().count(MotionCue::clearTable()));
    EXPECT_NEAR(presenter.cues().at(MotionCue::dealHole(1, 1)).delay, 0.48, 1e-9);
    EXPECT_NEAR(presenter.latestCueEnd(), 0.70, 1e-9);
    EXPECT_EQ(events(sounds), std::vector<SoundEvent>(4, SoundEvent::cardDeal));
    EXPECT_EQ(sounds.played.front().style, TableStyleID::paper);
    EXPECT_NEAR(sounds.played.back().after, 0.48, 1e-9);

    scheduler.advance(29ms);
    EXPECT_TRUE(presenter.holdsDeal());
    scheduler.advance(1ms);
    EXPECT_FALSE(presenter.holdsDeal());
    EXPECT_EQ(holdChanges, 2);
}

TEST_F(TablePresenterTest, ATableOpenedMidPlayShowsAtOnceWithoutReplaying) {
    auto v = dealt();
    v.handNumber = 7;
    presenter.ingest(v);
    EXPECT_EQ(presenter.shown(), v);
    EXPECT_EQ(presenter.batch(), 0);
    EXPECT_TRUE(presenter.cues().empty());
    EXPECT_FALSE(presenter.holdsDeal());
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(TablePresenterTest, SoundsFollowTheCheckAtIngestAndAtPlayTime) {
    soundsOn = false;
    presenter.ingest(dealt());
    EXPECT_TRUE(sounds.played.empty());

    // Sounds allowed when the batch starts are checked again when each plays.
    soundsOn = true;
    auto called = dealt();
    called.log.push_back(acted(0, ActionKind::call, 10, 20));
    called.seats[0].streetBet = 20;
    presenter.ingest(called);
    ASSERT_EQ(events(sounds), std::vector<SoundEvent>{SoundEvent::chipBet});
    EXPECT_TRUE(sounds.played.front().shouldPlay());
    soundsOn = false;
    EXPECT_FALSE(sounds.played.front().shouldPlay());
}

TEST_F(TablePresenterTest, WithoutAnInstalledCheckNothingIsHeard) {
    ManualScheduler otherScheduler;
    RecordingSoundSink otherSounds;
    TablePresenter fresh(otherScheduler, otherSounds);
    fresh.ingest(dealt());
    EXPECT_TRUE(otherSounds.played.empty());
}

TEST_F(TablePresenterTest, AntesFlyToThePotWithIdsThatNeverRepeat) {
    auto v = view(6);
    v.log = {started(1)};
    for (int seat = 0; seat < 6; ++seat) {
        v.log.push_back(ante(seat, 25));
    }
    presenter.ingest(v);
    ASSERT_EQ(presenter.flights().size(), 6u);
    for (int seat = 0; seat < 6; ++seat) {
        const auto& flight = presenter.flights()[static_cast<std::size_t>(seat)];
        EXPECT_EQ(flight.id, seat + 1);
        EXPECT_EQ(flight.amount, 25);
        EXPECT_EQ(flight.from, ChipFlight::Point::plate(seat));
        EXPECT_EQ(flight.to, ChipFlight::Point::pot());
        EXPECT_EQ(flight.delay, 0);
        EXPECT_NEAR(flight.duration, 0.30, 1e-9);
    }
    auto next = v;
    next.handNumber = 2;
    next.log = {started(2), ante(0, 25), ante(1, 25)};
    presenter.ingest(next);
    ASSERT_EQ(presenter.flights().size(), 8u);
    EXPECT_EQ(presenter.flights()[6].id, 7);
    EXPECT_EQ(presenter.flights()[7].id, 8);
}

TEST_F(TablePresenterTest, ASplitPotFliesToBothWinnersAndIsClearedAfterLanding) {
    auto before = dealt();
    before.street = Street::river;
    presenter.ingest(before);
    auto after = before;
    after.street = Street::handComplete;
    after.log.push_back(awarded(0, {{0, 20}, {1, 20}}));
    for (auto& seat : after.seats) {
        seat.streetBet = 0;
    }
    presenter.ingest(after);
    // The street's bets are collected first (0.35 s), then the shares go out 0.15 s apart.
    ASSERT_EQ(presenter.flights().size(), 2u);
    EXPECT_EQ(presenter.flights()[0].from, ChipFlight::Point::pot());
    EXPECT_EQ(presenter.flights()[0].to, ChipFlight::Point::plate(0));
    EXPECT_NEAR(presenter.flights()[0].delay, 0.35, 1e-9);
    EXPECT_NEAR(presenter.flights()[1].delay, 0.50, 1e-9);
    // The last lands at 0.95; the flights go 0.25 s later.
    scheduler.advance(1199ms);
    EXPECT_EQ(presenter.flights().size(), 2u);
    scheduler.advance(1ms);
    EXPECT_TRUE(presenter.flights().empty());
    EXPECT_EQ(events(sounds),
              (std::vector<SoundEvent>{SoundEvent::cardDeal, SoundEvent::cardDeal, SoundEvent::cardDeal,
                                       SoundEvent::cardDeal, SoundEvent::chipCollect, SoundEvent::chipWin,
                                       SoundEvent::winChime}));
}

TEST_F(TablePresenterTest, BetsSlideIntoThePotBeforeTheFlopIsShown) {
    presenter.ingest(dealt());
    auto flop = dealt();
    flop.log.push_back(acted(0, ActionKind::call, 10, 20));
    flop.log.push_back(acted(1, ActionKind::check));
    flop.log.push_back(board(Street::flop));
    flop.street = Street::flop;
    flop.seats[0].streetBet = 0;
    flop.seats[1].streetBet = 0;
    presenter.ingest(flop);

    // The previous view had 10 and 20 in front of the seats: both go to the pot with the collect.
    const double collectAt = presenter.cues().at(MotionCue::collect()).delay;
    EXPECT_NEAR(collectAt, 0.44, 1e-9);
    EXPECT_EQ(presenter.betExits(), (std::map<std::int64_t, BetExit>{{0, BetExit::toPot(collectAt)},
                                                                     {1, BetExit::toPot(collectAt)}}));
    EXPECT_EQ(presenter.shown(), dealt());
    EXPECT_EQ(presenter.knocks(), (std::map<std::int64_t, int>{{1, 1}}));
    scheduler.runDue();
    EXPECT_EQ(presenter.shown(), flop);
}

TEST_F(TablePresenterTest, AReturnedBetGoesBackToItsPlateAndTheRestToThePot) {
    auto bets = dealt();
    bets.log.push_back(acted(0, ActionKind::raise, 90, 100));
    bets.seats[0].streetBet = 100;
    bets.seats[1].streetBet = 20;
    presenter.ingest(bets);
    auto folded = bets;
    folded.log.push_back(acted(1, ActionKind::fold));
    folded.log.push_back(returned(0, 80));
    folded.log.push_back(awarded(0, {{0, 40}}));
    folded.street = Street::handComplete;
    presenter.ingest(folded);
    const double returnAt = presenter.cues().at(MotionCue::returnBet(0)).delay;
    const double collectAt = presenter.cues().at(MotionCue::collect()).delay;
    EXPECT_NEAR(returnAt, 0.25, 1e-9);
    EXPECT_NEAR(collectAt, 0.55, 1e-9);
    EXPECT_EQ(presenter.betExits(), (std::map<std::int64_t, BetExit>{{0, BetExit::toPlate(returnAt)},
                                                                     {1, BetExit::toPot(collectAt)}}));
}

TEST_F(TablePresenterTest, ALaterIngestOvertakesADeferredShow) {
    presenter.ingest(dealt());
    auto flop = dealt();
    flop.log.push_back(acted(0, ActionKind::call, 10, 20));
    flop.log.push_back(board(Street::flop));
    presenter.ingest(flop);
    ASSERT_FALSE(presenter.betExits().empty());
    auto next = flop;
    next.actingIndex = 0;
    next.legalActions = PokerEngine::LegalActions{};
    presenter.ingest(next);
    EXPECT_EQ(presenter.shown(), next);
    scheduler.runDue();
    EXPECT_EQ(presenter.shown(), next);
}

TEST_F(TablePresenterTest, ThePlayersTurnBeginningChimesWithAnEmptyBatch) {
    presenter.ingest(dealt());
    sounds.played.clear();
    auto turn = dealt();
    turn.legalActions = PokerEngine::LegalActions{};
    presenter.ingest(turn);
    EXPECT_EQ(presenter.batch(), 2);
    EXPECT_TRUE(presenter.cues().empty());
    ASSERT_EQ(events(sounds), std::vector<SoundEvent>{SoundEvent::turnChime});
    EXPECT_EQ(sounds.played.front().after, 0);
    EXPECT_EQ(presenter.shown(), turn);

    // Nothing new and no new turn: shown at once, the batch stays.
    auto same = turn;
    same.seats[0].stack = 990;
    presenter.ingest(same);
    EXPECT_EQ(presenter.batch(), 2);
    EXPECT_EQ(presenter.shown(), same);
}

TEST_F(TablePresenterTest, TheSameCueTwiceKeepsItsFirstTimingButKnocksCountBoth) {
    auto start = dealt();
    start.log.push_back(acted(0, ActionKind::call, 10, 20));
    start.log.push_back(acted(1, ActionKind::check));
    start.seats[0].streetBet = 0;
    start.seats[1].streetBet = 0;
    presenter.ingest(start);
    auto later = start;
    later.log.push_back(board(Street::flop));
    later.log.push_back(acted(1, ActionKind::check));
    later.log.push_back(board(Street::turn));
    later.log.push_back(acted(1, ActionKind::check));
    presenter.ingest(later);
    EXPECT_NEAR(presenter.cues().at(MotionCue::check(1)).delay, 0.46 + 0.16, 1e-9);
    EXPECT_EQ(presenter.knocks().at(1), 2);
}

TEST_F(TablePresenterTest, NoViewClearsTheTableAndTheNextViewStartsAgain) {
    auto v = view(6);
    v.log = {started(1), ante(0), ante(1)};
    presenter.ingest(v);
    ASSERT_EQ(presenter.flights().size(), 2u);
    presenter.ingest(std::nullopt);
    EXPECT_FALSE(presenter.shown());
    EXPECT_TRUE(presenter.flights().empty());
    EXPECT_TRUE(presenter.cues().empty());
    EXPECT_EQ(presenter.batch(), 1);
    scheduler.runUntilIdle();
    EXPECT_TRUE(presenter.flights().empty());
    presenter.ingest(v);
    EXPECT_EQ(presenter.batch(), 2);
    EXPECT_TRUE(presenter.holdsDeal());
}

TEST_F(TablePresenterTest, ANewHandClearsTheOldCardsAndShowsAtOnce) {
    auto last = dealt();
    last.log.push_back(acted(0, ActionKind::fold));
    last.log.push_back(returned(1, 10));
    last.log.push_back(awarded(0, {{1, 20}}));
    last.street = Street::handComplete;
    presenter.ingest(last);
    auto next = dealt();
    next.handNumber = 2;
    next.log = {started(2), smallBlind(1), bigBlind(0), hole(1), hole(0)};
    presenter.ingest(next);
    EXPECT_EQ(presenter.cues().at(MotionCue::clearTable()).delay, 0);
    EXPECT_NEAR(presenter.cues().at(MotionCue::betIn(1, true)).delay, 0.35, 1e-9);
    EXPECT_TRUE(presenter.betExits().empty());
    EXPECT_EQ(presenter.shown(), next);
}

// Playing a practice hand again starts a new table whose first hand is also hand 1.
TEST_F(TablePresenterTest, ANewTableIsAnimatedEvenWhenItsHandNumberRepeats) {
    auto finished = dealt();
    finished.log.push_back(acted(1, ActionKind::fold));
    finished.log.push_back(awarded(0, {{0, 30}}));
    finished.street = Street::handComplete;
    presenter.ingest(dealt(), 1);
    presenter.ingest(finished, 1);
    const int batches = presenter.batch();

    // The same table going back to a fresh deal would animate nothing.
    presenter.ingest(dealt(), 1);
    EXPECT_EQ(presenter.batch(), batches);

    presenter.ingest(finished, 1);
    const int before = presenter.batch();
    sounds.played.clear();
    presenter.ingest(dealt(), 2);
    EXPECT_EQ(presenter.batch(), before + 1);
    EXPECT_TRUE(presenter.holdsDeal());
    EXPECT_EQ(presenter.shown(), dealt());
    EXPECT_EQ(events(sounds), std::vector<SoundEvent>(4, SoundEvent::cardDeal));
}

TEST_F(TablePresenterTest, ThePlayersTurnWaitsUntilEveryCardTheyMustSeeHasCome) {
    presenter.setCardSettle([] { return TablePresenter::CardSettle{0.43, 0.6}; });
    // The wait lasts `span` more and ends then.
    const auto endsAfter = [&](std::chrono::milliseconds span) {
        scheduler.advance(span - 1ms);
        EXPECT_TRUE(presenter.cardsComing());
        scheduler.advance(1ms);
        EXPECT_FALSE(presenter.cardsComing());
    };
    presenter.ingest(dealt());
    // The player's second card sets off at 0.42 s, after the 0.03 s hold, and rests 0.43 s later. A bot
    // acting meanwhile neither ends the wait nor starts it again.
    EXPECT_TRUE(presenter.cardsComing());
    scheduler.advance(400ms);
    auto checked = dealt();
    checked.log.push_back(acted(1, ActionKind::check));
    presenter.ingest(checked);
    endsAfter(480ms);

    // The next hand, over the last one's cards, with no hold; the table going away ends the wait, and
    // a deal the viewer has no seat in never starts one.
    auto next = dealt();
    next.handNumber = 2;
    next.log = {started(2), smallBlind(1), bigBlind(0), hole(1), hole(0)};
    presenter.ingest(next);
    scheduler.advance(std::chrono::milliseconds(830 + 430 - 1));
    EXPECT_TRUE(presenter.cardsComing());
    presenter.ingest(std::nullopt);
    EXPECT_FALSE(presenter.cardsComing());
    presenter.ingest(checked);
    next.seatIndex.reset();
    presenter.ingest(next);
    EXPECT_FALSE(presenter.cardsComing());

    // The flop after the call: its last card sets off at 0.81 s, once the call has gone in, the bets
    // have slid to the pot and the two cards before it have set off, and is face up 0.6 s later. The bot
    // acting first on it leaves the wait as it is.
    auto flop = checked;
    flop.log.push_back(acted(0, ActionKind::call, 10, 20));
    flop.log.push_back(board(Street::flop));
    for (auto& seat : flop.seats)
        seat.streetBet = 0;
    flop.board = {*PokerEngine::Card::fromCode("2c"), *PokerEngine::Card::fromCode("7d"),
                  *PokerEngine::Card::fromCode("Jh")};
    presenter.ingest(checked);
    scheduler.advance(5s);
    presenter.ingest(flop);
    EXPECT_TRUE(presenter.cardsComing()) << "the flop is not waited for";
    scheduler.advance(100ms);
    auto botFirst = flop;
    botFirst.log.push_back(acted(1, ActionKind::check));
    presenter.ingest(botFirst);
    endsAfter(1310ms);
}
