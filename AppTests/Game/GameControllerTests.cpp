// The controller's lifecycle and turn loop: pausing, timing, stale tasks, refusals and restoring.
#include "ControllerHarness.h"

#include "Game/BotSeating.h"
#include "Game/GameModeRules.h"

#include "PokerEngine/Engine.h"
#include "PokerEngine/EngineError.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using PokerEngine::Action;
using PokerEngine::Street;

namespace {

GameSetup headsUpCash(std::uint64_t seed = 4) {
    return GameSetup::cashTable(CashTableSetup{CashStakes::low, 100, TableDifficulty::easy,
                                               BotSeating::opponents(1, TableDifficulty::easy, seed), seed});
}

GameSetup sixHanded(std::uint64_t seed = 9) {
    return GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed});
}

// Plays until a bot is to act (its turn pending), the hero checking or calling.
void untilBotThinks(ControllerHarness& harness) {
    int hands = 0;
    for (int i = 0; i < 1000 && !harness.controller.thinkingSeat(); ++i) {
        ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
    }
    ASSERT_TRUE(harness.controller.thinkingSeat());
}

// Plays until the current hand is complete.
void untilHandComplete(ControllerHarness& harness, const ControllerHarness::Strategy& hero = checkOrCall) {
    int hands = 0;
    for (int i = 0; i < 1000 && harness.controller.state()->street() != Street::handComplete; ++i) {
        ASSERT_TRUE(harness.stepOnce(hero, hands));
    }
}

} // namespace

TEST(GameController, StartsWithoutATable) {
    ControllerHarness harness;
    const auto& controller = harness.controller;
    EXPECT_FALSE(controller.hasTable());
    EXPECT_FALSE(controller.view());
    EXPECT_FALSE(controller.heroChips());
    EXPECT_FALSE(controller.isHeroTurn());
    EXPECT_EQ(controller.leaveForfeit(), 0);
    EXPECT_FALSE(controller.snapshot());
    EXPECT_FALSE(controller.unshownCards());
    EXPECT_EQ(controller.nameOfSeat(0), "Empty");
    EXPECT_THROW(harness.controller.act(Action::fold()), GameControllerError);
    try {
        harness.controller.act(Action::fold());
    } catch (const GameControllerError& error) {
        EXPECT_EQ(error.kind(), GameControllerError::Kind::noTable);
    }
}

TEST(GameController, NamesTheSeats) {
    ControllerHarness harness;
    harness.controller.start(sixHanded());
    EXPECT_EQ(harness.controller.nameOfSeat(0), "You");
    EXPECT_EQ(harness.controller.nameOfSeat(3),
              QString::fromStdString(harness.controller.profileOfSeat(3)->name));
    EXPECT_EQ(harness.controller.nameOfSeat(-1), "Empty");
    EXPECT_EQ(harness.controller.nameOfSeat(6), "Empty");
    EXPECT_FALSE(harness.controller.profileOfSeat(0));
    EXPECT_FALSE(harness.controller.profileOfSeat(9));
}

TEST(GameController, RefusalsLeaveTheTableAsItWas) {
    ControllerHarness harness;
    harness.controller.start(headsUpCash());
    untilBotThinks(harness);
    const auto before = harness.controller.state();
    // Out of turn: the engine's refusal comes through unchanged.
    try {
        harness.controller.act(Action::check());
        FAIL() << "acting out of turn was accepted";
    } catch (const PokerEngine::EngineError& error) {
        EXPECT_EQ(error.kind(), PokerEngine::EngineError::Kind::notYourTurn);
    }
    EXPECT_EQ(harness.controller.state(), before);

    harness.scheduler.advance(10s);
    ASSERT_TRUE(harness.controller.isHeroTurn() || harness.controller.isShowingResult());
    if (harness.controller.isHeroTurn()) {
        const auto atTurn = harness.controller.state();
        EXPECT_THROW(harness.controller.act(Action::raise(1)), PokerEngine::EngineError);
        EXPECT_EQ(harness.controller.state(), atTurn);
        harness.controller.pause(PauseReason::user);
        try {
            harness.controller.act(Action::fold());
            FAIL() << "a paused table took an action";
        } catch (const GameControllerError& error) {
            EXPECT_EQ(error.kind(), GameControllerError::Kind::paused);
        }
        EXPECT_EQ(harness.controller.state(), atTurn);
    }
}

TEST(GameController, BotsActAfterTheirPace) {
    for (const auto& [speed, pace] : {std::pair{BotSpeed::fast, 400ms}, std::pair{BotSpeed::normal, 900ms},
                                      std::pair{BotSpeed::slow, 1500ms}}) {
        ControllerHarness harness;
        harness.controller.setBotSpeed(speed);
        harness.controller.start(sixHanded());
        untilBotThinks(harness);
        const auto seat = *harness.controller.thinkingSeat();
        const auto log = harness.controller.state()->log().size();
        harness.scheduler.advance(pace - 1ms);
        EXPECT_EQ(harness.controller.thinkingSeat(), seat);
        EXPECT_EQ(harness.controller.state()->log().size(), log);
        harness.scheduler.advance(1ms);
        EXPECT_GT(harness.controller.state()->log().size(), log);
    }
}

TEST(GameController, PausingForEveryReasonStopsTheLoop) {
    for (const PauseReason reason : {PauseReason::user, PauseReason::hidden, PauseReason::guide}) {
        ControllerHarness harness;
        harness.controller.pause(reason);
        harness.controller.start(sixHanded());
        // A table that starts paused keeps its first bot waiting.
        if (!harness.controller.isHeroTurn()) {
            EXPECT_FALSE(harness.controller.thinkingSeat());
            EXPECT_EQ(harness.scheduler.pendingCount(), 0u);
        }
        harness.controller.resume(reason);
        untilBotThinks(harness);

        // Pausing while a bot thinks lets that bot finish, and nobody starts after it.
        const auto log = harness.controller.state()->log().size();
        harness.controller.pause(reason);
        harness.scheduler.advance(10s);
        EXPECT_GT(harness.controller.state()->log().size(), log);
        EXPECT_FALSE(harness.controller.thinkingSeat());
        EXPECT_EQ(harness.scheduler.pendingCount(), 0u);
        harness.controller.pause(reason); // twice is once
        harness.controller.resume(reason);
        EXPECT_TRUE(harness.controller.pauseReasons().empty());
        EXPECT_TRUE(harness.controller.isHeroTurn() || harness.controller.thinkingSeat() ||
                    harness.controller.isShowingResult());
    }
}

TEST(GameController, TheResultCountdownPausesAndStartsAgain) {
    ControllerHarness harness;
    harness.controller.setAutoDeal(true);
    harness.controller.start(headsUpCash());
    untilHandComplete(harness, [](const auto&) { return Action::fold(); });
    ASSERT_TRUE(harness.controller.isShowingResult());
    const auto duration = GameModeRules::resultDuration(harness.controller.state()->log());
    EXPECT_EQ(harness.controller.autoDealAt(), harness.base + harness.scheduler.now() + duration);

    harness.scheduler.advance(duration / 2);
    harness.controller.pause(PauseReason::hidden);
    EXPECT_FALSE(harness.controller.autoDealAt());
    harness.scheduler.advance(1h);
    EXPECT_TRUE(harness.controller.isShowingResult());

    harness.controller.resume(PauseReason::hidden);
    ASSERT_TRUE(harness.controller.autoDealAt());
    const auto hand = harness.controller.state()->handNumber();
    harness.scheduler.advance(duration - 1ms);
    EXPECT_EQ(harness.controller.state()->handNumber(), hand);
    harness.scheduler.advance(1ms);
    EXPECT_EQ(harness.controller.state()->handNumber(), hand + 1);
    EXPECT_FALSE(harness.controller.isShowingResult());
    EXPECT_FALSE(harness.controller.autoDealAt());
}

TEST(GameController, AHeldResultWaitsForTheDeal) {
    ControllerHarness harness;
    harness.controller.setAutoDeal(true);
    harness.controller.start(headsUpCash());
    untilHandComplete(harness, [](const auto&) { return Action::fold(); });
    const int before = harness.session.checkpoints;
    harness.controller.holdResult();
    harness.controller.holdResult();
    EXPECT_TRUE(harness.controller.isResultHeld());
    EXPECT_EQ(harness.session.checkpoints, before + 1);
    ASSERT_TRUE(harness.session.savedGame);
    EXPECT_TRUE(harness.session.savedGame->resultHeld);
    harness.scheduler.advance(1h);
    const auto hand = harness.controller.state()->handNumber();
    EXPECT_TRUE(harness.controller.isShowingResult());
    harness.controller.dealNextHand();
    EXPECT_EQ(harness.controller.state()->handNumber(), hand + 1);
    EXPECT_FALSE(harness.controller.isResultHeld());
}

TEST(GameController, WithoutAutoDealTheResultStays) {
    ControllerHarness harness;
    harness.controller.start(headsUpCash());
    untilHandComplete(harness, [](const auto&) { return Action::fold(); });
    harness.scheduler.advance(1h);
    EXPECT_TRUE(harness.controller.isShowingResult());
    EXPECT_FALSE(harness.controller.autoDealAt());
}

TEST(GameController, DealingAtOnceWaitsForAThinkingBot) {
    ControllerHarness harness;
    harness.controller.start(sixHanded());
    untilBotThinks(harness);
    const auto state = harness.controller.state();
    harness.controller.dealNextHand();
    EXPECT_EQ(harness.controller.state(), state);
}

TEST(GameController, ResultDurationGrowsWithShownHandsAndSidePots) {
    using PokerEngine::HandEvent;
    const auto award = [](std::int64_t pot, bool shown) {
        return HandEvent(
            HandEvent::PotAwarded{pot,
                                  100,
                                  {PokerEngine::SeatAmount{0, 100}},
                                  shown ? std::optional(PokerEngine::HandValue{}) : std::nullopt});
    };
    EXPECT_EQ(GameModeRules::resultDuration({award(0, false)}), 2500ms);
    EXPECT_EQ(GameModeRules::resultDuration({award(0, true)}), 5000ms);
    EXPECT_EQ(GameModeRules::resultDuration({award(0, true), award(1, true), award(2, true)}), 9000ms);
    EXPECT_EQ(GameModeRules::resultDuration({award(0, false), award(1, false)}), 4500ms);
    EXPECT_EQ(GameModeRules::resultDuration({}), 2500ms);
}

// A bot whose every wish is refused by the engine.
class StubbornBot final : public BotKit::BotPolicy {
  public:
    PokerEngine::Action decide(const PokerEngine::PlayerView&, const BotKit::BotProfile&,
                               PokerEngine::SeededRNG& rng) const override {
        rng.next();
        return Action::raise(1);
    }
};

TEST(GameController, ARefusedBotActionBecomesACheckOrAFold) {
    ControllerHarness harness(std::make_unique<ImmediateDecisionRunner>(), std::make_shared<StubbornBot>());
    harness.controller.start(sixHanded());
    for (int i = 0; i < 40; ++i) {
        untilBotThinks(harness);
        const int seat = *harness.controller.thinkingSeat();
        const auto rngBefore = harness.controller.botRNGs().at(seat);
        const bool couldCheck = PokerEngine::legalActions(*harness.controller.state()).canCheck;
        harness.scheduler.advance(*harness.scheduler.nextDue() - harness.scheduler.now());
        const auto& log = harness.controller.state()->log();
        const auto acted = std::find_if(log.rbegin(), log.rend(), [&](const auto& event) {
            const auto* act = event.template as<PokerEngine::HandEvent::Acted>();
            return act && act->seat == seat;
        });
        ASSERT_NE(acted, log.rend());
        EXPECT_EQ(acted->template as<PokerEngine::HandEvent::Acted>()->kind,
                  couldCheck ? PokerEngine::ActionKind::check : PokerEngine::ActionKind::fold);
        auto advanced = rngBefore;
        advanced.next();
        EXPECT_EQ(harness.controller.botRNGs().at(seat), advanced);
        if (harness.controller.tableOver()) {
            break;
        }
    }
}

TEST(GameController, ABotTurnThatOutlivesItsTableDoesNothing) {
    auto runner = std::make_unique<HeldDecisionRunner>();
    auto* held = runner.get();
    ControllerHarness harness(std::move(runner));
    harness.controller.start(sixHanded());
    for (int i = 0; i < 20 && !harness.controller.thinkingSeat(); ++i) {
        harness.controller.act(checkOrCall(*harness.controller.view()));
    }
    ASSERT_TRUE(harness.controller.thinkingSeat());
    ASSERT_EQ(held->held.size(), 1u);

    // The bot's pace is over but it is still thinking when the player leaves and starts another table.
    harness.scheduler.advance(10s);
    EXPECT_TRUE(harness.controller.thinkingSeat());
    harness.controller.leaveTable();
    EXPECT_FALSE(harness.controller.thinkingSeat());
    harness.controller.start(headsUpCash());
    harness.scheduler.advance(10s);
    // The old bot's answer arrives now, together with the new table's own first decision (if any).
    held->releaseAll();
    harness.scheduler.advance(10s);

    // The new table went exactly as it goes without the stale answer.
    ControllerHarness reference;
    reference.controller.start(headsUpCash());
    reference.scheduler.advance(20s);
    EXPECT_EQ(harness.controller.state()->log(), reference.controller.state()->log());
    EXPECT_EQ(harness.controller.botRNGs(), reference.controller.botRNGs());
}

TEST(GameController, StartingOverARunningTableSettlesItFirst) {
    ControllerHarness harness;
    auto& session = harness.session;
    harness.controller.start(headsUpCash(12));
    // Put chips in mid-hand: a raise the bot has to answer.
    int hands = 0;
    while (!harness.controller.isHeroTurn()) {
        ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
    }
    harness.controller.act(Action::raise(*harness.controller.view()->legalActions->minRaiseTo));
    ASSERT_NE(harness.controller.state()->street(), Street::handComplete);
    const std::int64_t committed = harness.controller.state()->seats()[0].totalCommitted;
    ASSERT_GT(committed, 0);
    EXPECT_EQ(harness.controller.leaveForfeit(), committed);
    const auto bankroll = session.profile.bankroll;

    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    EXPECT_EQ(session.profile.bankroll, bankroll - committed);
    ASSERT_TRUE(std::holds_alternative<SessionEvent::TableFinished>(session.events.back().value()));
    EXPECT_EQ(std::get<SessionEvent::TableFinished>(session.events.back().value()).net, -committed);
    EXPECT_FALSE(session.savedGame);
}

TEST(GameController, LeavingBooksTheForfeit) {
    {
        ControllerHarness harness;
        harness.controller.start(sixHanded());
        harness.controller.leaveTable();
        EXPECT_EQ(harness.session.profile.bankroll, 9500);
        EXPECT_EQ(harness.session.profile.counters.sitAndGosPlayed, 1);
        EXPECT_FALSE(harness.session.savedGame);
    }
    {
        ControllerHarness harness;
        harness.controller.start(headsUpCash());
        untilHandComplete(harness, [](const auto&) { return Action::fold(); });
        const auto bankroll = harness.session.profile.bankroll;
        const auto entries = harness.session.events.size();
        harness.controller.leaveTable();
        EXPECT_EQ(harness.session.events.size(), entries + 1);
        EXPECT_EQ(harness.session.profile.bankroll, bankroll);
        EXPECT_FALSE(harness.session.savedGame);
    }
}

TEST(GameController, EndingATableKeepsTheUsersPausesButNotPractice) {
    ControllerHarness harness;
    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    ASSERT_TRUE(harness.controller.pauseReasons().contains(PauseReason::practice));
    harness.controller.pause(PauseReason::user);
    harness.controller.pause(PauseReason::hidden);
    harness.controller.leaveTable();
    EXPECT_EQ(harness.controller.pauseReasons(), (PauseReasons{PauseReason::user, PauseReason::hidden}));
}

TEST(GameController, SignalsOnlyOnRealChanges) {
    ControllerHarness harness;
    int speed = 0;
    int autoDeal = 0;
    int pauses = 0;
    QObject::connect(&harness.controller, &GameController::botSpeedChanged, [&] { ++speed; });
    QObject::connect(&harness.controller, &GameController::autoDealChanged, [&] { ++autoDeal; });
    QObject::connect(&harness.controller, &GameController::pauseReasonsChanged, [&] { ++pauses; });
    harness.controller.setBotSpeed(BotSpeed::normal);
    harness.controller.setBotSpeed(BotSpeed::fast);
    harness.controller.setAutoDeal(false);
    harness.controller.setAutoDeal(true);
    harness.controller.resume(PauseReason::user);
    harness.controller.pause(PauseReason::user);
    harness.controller.pause(PauseReason::user);
    EXPECT_EQ(speed, 1);
    EXPECT_EQ(autoDeal, 1);
    EXPECT_EQ(pauses, 1);
}

TEST(GameController, ARestoredSnapshotPlaysOnIdentically) {
    // Play a table to the middle of a hand, keep its snapshot, and play on; a second controller
    // restored from that snapshot must deal the same cards and its bots make the same choices.
    const auto play = [](ControllerHarness& harness, int moves) {
        int hands = 0;
        for (int i = 0; i < moves && !harness.controller.tableOver(); ++i) {
            if (!harness.stepOnce(checkOrFold, hands)) {
                break;
            }
        }
    };
    ControllerHarness first;
    first.controller.start(sixHanded(31));
    play(first, 57);
    int hands = 0;
    while (!PokerEngine::isBetting(first.controller.state()->street())) {
        ASSERT_TRUE(first.stepOnce(checkOrFold, hands));
    }
    ASSERT_GT(first.controller.state()->handNumber(), 3);
    const SavedGame saved = *first.controller.snapshot();
    play(first, 400);

    ControllerHarness second;
    second.controller.restore(saved);
    EXPECT_EQ(second.controller.hero(), saved.hero);
    EXPECT_EQ(second.controller.state(), saved.state);
    play(second, 400);
    EXPECT_EQ(second.controller.state(), first.controller.state());
    EXPECT_EQ(second.controller.botRNGs(), first.controller.botRNGs());
}

TEST(GameController, RestoringACompletedHandShowsItAndDealsOn) {
    ControllerHarness first;
    first.controller.start(headsUpCash());
    untilHandComplete(first, [](const auto&) { return Action::fold(); });
    const SavedGame saved = *first.controller.snapshot();

    ControllerHarness second;
    second.controller.setAutoDeal(true);
    second.controller.restore(saved);
    EXPECT_TRUE(second.controller.isShowingResult());
    EXPECT_FALSE(second.controller.tableOver());
    second.scheduler.advance(GameModeRules::resultDuration(saved.state.log()));
    EXPECT_EQ(second.controller.state()->handNumber(), saved.state.handNumber() + 1);
}

TEST(GameController, ARefusedDealKeepsTheResultOnScreen) {
    // A table whose hand ended with only one player holding chips, as a hand-edited save might be.
    ControllerHarness first;
    QuickHandSetup setup = makeQuickHandSetup(TableDifficulty::easy, 1, 50);
    for (std::uint64_t seed = 1; seed < 40; ++seed) {
        setup = makeQuickHandSetup(TableDifficulty::easy, seed, 50);
        first.controller.start(GameSetup::quickHand(setup));
        first.playToEnd(shove);
        if (first.controller.state()->handNumber() < 50) {
            break; // someone busted
        }
    }
    const auto state = *first.controller.state();
    ASSERT_TRUE(state.seats()[0].stack == 0 || state.seats()[1].stack == 0);

    ControllerHarness second;
    second.controller.restore(SavedGame{1, Instant{}, GameSetup::quickHand(setup), first.controller.hero(),
                                        first.controller.seatKinds(), first.controller.botRNGs(), 0, state,
                                        false});
    ASSERT_TRUE(second.controller.isShowingResult());
    second.controller.dealNextHand();
    EXPECT_TRUE(second.controller.isShowingResult());
    EXPECT_EQ(second.controller.state(), state);
}

TEST(GameController, WithoutItsSessionNothingIsBookedButTheTableEnds) {
    ControllerHarness harness;
    auto gone = std::make_unique<RecordingSession>();
    harness.controller.setSession(gone.get());
    harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 4, 1)));
    gone.reset();
    EXPECT_EQ(harness.controller.session(), nullptr);
    harness.playToEnd(checkOrCall);
    EXPECT_TRUE(harness.controller.tableOver());
    harness.controller.leaveTable();
    EXPECT_TRUE(harness.session.events.empty());
}

TEST(GameController, BotsDecidingOnWorkerThreadsPlayAsTheyWouldAtOnce) {
    // The application's runner: the same seed gives the same table whichever thread decides.
    ControllerHarness threaded(std::make_unique<ThreadPoolDecisionRunner>());
    ControllerHarness immediate;
    threaded.controller.start(sixHanded(44));
    immediate.controller.start(sixHanded(44));
    const auto playHands = [](ControllerHarness& harness, std::int64_t hands) {
        QElapsedTimer waited;
        waited.start();
        int dealt = 0;
        while (harness.controller.state()->handNumber() <= hands && waited.elapsed() < 60000) {
            if (harness.controller.thinkingSeat() && !harness.scheduler.nextDue()) {
                // The pace is over; the answer is on its way back to this thread.
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                continue;
            }
            ASSERT_TRUE(harness.stepOnce(checkOrFold, dealt));
        }
    };
    playHands(threaded, 3);
    playHands(immediate, 3);
    EXPECT_EQ(threaded.controller.state()->log(), immediate.controller.state()->log());
    EXPECT_EQ(threaded.controller.botRNGs(), immediate.controller.botRNGs());
}
