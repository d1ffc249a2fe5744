// Each mode from its setup to its end, checking the ledger, the counters and the saved game.
#include "ControllerHarness.h"

#include "Game/BotSeating.h"
#include "Game/GameModeRules.h"

#include <gtest/gtest.h>

using PokerEngine::Street;

namespace {

std::int64_t tableFinishedNet(const SessionEvent& event) {
    return std::get<SessionEvent::TableFinished>(event.value()).net;
}

int countHandEntries(const RecordingSession& session) {
    return static_cast<int>(
        std::count_if(session.events.begin(), session.events.end(), [](const auto& event) {
            return std::holds_alternative<SessionEvent::HandFinished>(event.value());
        }));
}

} // namespace

TEST(QuickHandSeries, PlaysItsHandsBookingEachAndEndsDeletingTheSave) {
    ControllerHarness harness;
    auto& controller = harness.controller;
    auto& session = harness.session;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 21, 3)));

    ASSERT_TRUE(controller.hasTable());
    EXPECT_EQ(controller.state()->handNumber(), 1);
    EXPECT_EQ(controller.seatKinds().size(), 2u);
    ASSERT_TRUE(session.savedGame);
    EXPECT_EQ(session.savedGame->state, *controller.state());
    EXPECT_EQ(session.savedGame->hero, controller.hero());

    // Stage by stage: after every hand the bankroll has moved by exactly that hand's net.
    std::int64_t lastBankroll = session.profile.bankroll;
    int settled = 0;
    int hands = 0;
    while (!controller.tableOver()) {
        ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
        if (controller.isShowingResult() && countHandEntries(session) > settled) {
            ++settled;
            const auto& entry = std::get<SessionEvent::HandFinished>(
                session
                    .events[static_cast<std::size_t>(session.events.size() - 1 -
                                                     (controller.tableOver() ? 1 : 0))]
                    .value());
            EXPECT_EQ(entry.mode, GameMode::quickHand);
            EXPECT_EQ(session.profile.bankroll, lastBankroll + entry.net);
            lastBankroll = session.profile.bankroll;
            if (!controller.tableOver()) {
                ASSERT_TRUE(session.savedGame);
                EXPECT_EQ(session.savedGame->state.street(), Street::handComplete);
            }
        }
    }
    const auto over = std::get<TableOver::HandPlayed>(controller.tableOver()->value);
    const std::int64_t chips = controller.state()->seats()[0].stack;
    EXPECT_EQ(over.net, chips - 2000);
    EXPECT_EQ(over.hands, controller.state()->handNumber());
    EXPECT_TRUE(over.hands == 3 || chips == 0 || controller.state()->seats()[1].stack == 0);
    EXPECT_EQ(session.profile.bankroll, 10000 + over.net);
    EXPECT_EQ(session.profile.counters.handsPlayed, over.hands);
    EXPECT_EQ(session.profile.counters.quickHandsPlayed, over.hands);
    EXPECT_EQ(tableFinishedNet(session.events.back()), 0);
    EXPECT_FALSE(session.savedGame);
    EXPECT_FALSE(controller.snapshot());

    // Over is over: no hand follows, and leaving books nothing more.
    const auto entries = session.events.size();
    controller.dealNextHand();
    EXPECT_EQ(controller.state()->handNumber(), over.hands);
    EXPECT_FALSE(controller.isShowingResult());
    controller.leaveTable();
    EXPECT_EQ(session.events.size(), entries);
    EXPECT_FALSE(controller.hasTable());
}

TEST(QuickHandSeries, AStoredHandCountOfZeroStillEnds) {
    ControllerHarness harness;
    QuickHandSetup setup = makeQuickHandSetup(TableDifficulty::medium, 5, 1);
    setup.hands = 0;
    harness.controller.start(GameSetup::quickHand(setup));
    harness.playToEnd(checkOrCall, 5);
    ASSERT_TRUE(harness.controller.tableOver());
    EXPECT_EQ(std::get<TableOver::HandPlayed>(harness.controller.tableOver()->value).hands, 1);
}

TEST(SitAndGo, TheHeroBustsAndIsBookedByPlace) {
    ControllerHarness harness;
    auto& session = harness.session;
    const auto opponents = BotSeating::opponents(5, TableDifficulty::mixed, 77);
    harness.controller.start(GameSetup::sitAndGo(SitAndGoSetup{opponents, 77}));
    EXPECT_EQ(harness.controller.state()->seats().size(), 6u);
    EXPECT_EQ(harness.controller.leaveForfeit(), 500);

    harness.playToEnd(shove);
    ASSERT_TRUE(harness.controller.tableOver());
    const auto over = std::get<TableOver::Finished>(harness.controller.tableOver()->value);
    EXPECT_EQ(over.prize, GameModeRules::sitAndGoPrize(over.place));
    // Tournament hands only count; the buy-in and the prize are booked together at the end.
    EXPECT_EQ(session.profile.counters.handsPlayed, countHandEntries(session));
    EXPECT_EQ(session.profile.counters.quickHandsPlayed, 0);
    EXPECT_EQ(session.profile.counters.sitAndGosPlayed, 1);
    EXPECT_EQ(session.profile.bankroll, 10000 + over.prize - 500);
    EXPECT_EQ(tableFinishedNet(session.events.back()), over.prize - 500);
    EXPECT_EQ(std::get<SessionEvent::TableFinished>(session.events.back().value()).place, over.place);
    EXPECT_FALSE(session.savedGame);
}

TEST(SitAndGo, ATightHeroReachesTheLastTwoAndBustsSecond) {
    // With a tight hero the bots knock each other out; at this seed the hero is the fifth to bust.
    ControllerHarness harness;
    auto& session = harness.session;
    harness.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 11), 11}));
    harness.playToEnd(checkOrFold);
    ASSERT_TRUE(harness.controller.tableOver());
    EXPECT_EQ(harness.controller.tableOver(), TableOver::finished(2, 1050));
    const auto& out = harness.controller.state()->eliminated();
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out.back(), harness.controller.hero());
    EXPECT_EQ(harness.controller.state()->seats()[0].stack, 0);
    EXPECT_EQ(session.profile.counters.sitAndGoSeconds, 1);
    EXPECT_EQ(session.profile.counters.sitAndGoFirsts, 0);
    EXPECT_EQ(session.profile.counters.sitAndGosPlayed, 1);
    EXPECT_EQ(session.profile.bankroll, 10000 + 550);
    EXPECT_EQ(std::get<SessionEvent::TableFinished>(session.events.back().value()).place, 2);
    EXPECT_FALSE(session.savedGame);
}

TEST(CashTable, BustedBotsAreReplacedFromTheSeededStreams) {
    ControllerHarness harness;
    auto& controller = harness.controller;
    const std::uint64_t seed = 7;
    const CashTableSetup setup{CashStakes::low, 40, TableDifficulty::hard,
                               BotSeating::opponents(5, TableDifficulty::hard, seed), seed};
    controller.start(GameSetup::cashTable(setup));

    std::int64_t expectedReplacements = 0;
    int hands = 0;
    for (int steps = 0; steps < 200000 && controller.replacementsSeated() < 2 && !controller.tableOver();
         ++steps) {
        const auto kindsBefore = controller.seatKinds();
        const auto stateBefore = controller.state();
        const bool dealing =
            controller.isShowingResult() && !harness.scheduler.nextDue() && !controller.isHeroTurn();
        ASSERT_TRUE(harness.stepOnce(checkOrFold, hands));
        if (!dealing) {
            continue;
        }
        // Every seat refilled at this deal got the character the choice stream picks.
        for (const int seat : controller.newcomers()) {
            std::vector<BotKit::BotProfile> seated;
            auto kinds = kindsBefore;
            for (const int earlier : controller.newcomers()) {
                if (earlier == seat) {
                    break;
                }
                kinds[static_cast<std::size_t>(earlier)] =
                    controller.seatKinds()[static_cast<std::size_t>(earlier)];
            }
            for (const auto& kind : kinds) {
                if (kind && kind->botProfile()) {
                    seated.push_back(*kind->botProfile());
                }
            }
            PokerEngine::SeededRNG choice(seed,
                                          0x5EA70000u + static_cast<std::uint64_t>(expectedReplacements));
            const auto expected = BotSeating::replacement(BotKit::BotTier::hard, seated, choice);
            EXPECT_EQ(*controller.profileOfSeat(seat), expected);
            EXPECT_EQ(
                controller.botRNGs().at(seat),
                PokerEngine::SeededRNG(seed, 0x0B070000u + static_cast<std::uint64_t>(expectedReplacements)));
            EXPECT_EQ(controller.state()->seats()[static_cast<std::size_t>(seat)].stack +
                          controller.state()->seats()[static_cast<std::size_t>(seat)].totalCommitted,
                      400);
            ++expectedReplacements;
        }
        EXPECT_EQ(controller.replacementsSeated(), expectedReplacements);
    }
    ASSERT_EQ(controller.replacementsSeated(), 2) << "at this seed two bots bust";
    ASSERT_TRUE(harness.session.savedGame);
    EXPECT_EQ(harness.session.savedGame->replacementsSeated, controller.replacementsSeated());
    EXPECT_EQ(harness.session.savedGame->seatKinds, controller.seatKinds());

    // Every hand's net went to the bankroll; leaving between hands books a forfeit of 0.
    const std::int64_t chips = *controller.heroChips();
    while (controller.state()->street() != Street::handComplete) {
        ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
    }
    const std::int64_t atLeave = controller.state()->seats()[0].stack;
    controller.leaveTable();
    (void)chips;
    EXPECT_EQ(harness.session.profile.bankroll, 10000 + atLeave - 400);
    EXPECT_EQ(tableFinishedNet(harness.session.events.back()), 0);
    EXPECT_FALSE(harness.session.savedGame);
}

TEST(CashTable, TheHeroBustingEndsTheTable) {
    ControllerHarness harness;
    harness.controller.start(
        GameSetup::cashTable(CashTableSetup{CashStakes::medium, 40, TableDifficulty::mixed,
                                            BotSeating::opponents(3, TableDifficulty::mixed, 8), 8}));
    harness.playToEnd(shove);
    ASSERT_TRUE(harness.controller.tableOver());
    EXPECT_EQ(harness.controller.tableOver(), TableOver::heroBusted());
    EXPECT_EQ(harness.session.profile.bankroll, 10000 - 2000);
    EXPECT_EQ(tableFinishedNet(harness.session.events.back()), 0);
    EXPECT_FALSE(harness.session.savedGame);
}

TEST(CashTable, StakesAndBuyInMakeTheTable) {
    ControllerHarness harness;
    harness.controller.start(
        GameSetup::cashTable(CashTableSetup{CashStakes::medium, 100, TableDifficulty::easy,
                                            BotSeating::opponents(3, TableDifficulty::easy, 1), 1}));
    const auto& state = *harness.controller.state();
    EXPECT_EQ(state.seats().size(), 4u);
    for (const auto& seat : state.seats()) {
        EXPECT_EQ(seat.stack + seat.totalCommitted, 5000);
    }
    EXPECT_EQ(state.config().blinds.level(1), (PokerEngine::BlindLevel{25, 50, 0}));

    harness.controller.start(GameSetup::cashTable(CashTableSetup{
        CashStakes::high, 40, TableDifficulty::easy, BotSeating::opponents(1, TableDifficulty::easy, 1), 1}));
    EXPECT_EQ(harness.controller.state()->config().startingStack, 8000);
    EXPECT_EQ(harness.controller.state()->config().blinds.level(1), (PokerEngine::BlindLevel{100, 200, 0}));
}
