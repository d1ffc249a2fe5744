// The narrated practice hand, driven by the controller through its seven steps.
#include "ControllerHarness.h"

#include "Game/BotSeating.h"
#include "Learn/PracticeCaption.h"

#include "PokerEngine/Engine.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// Whatever the table waits for: a caption to acknowledge, the player's action or a bot.
std::vector<PracticeStep> playNarrated(ControllerHarness& harness) {
    std::vector<PracticeStep> acknowledged;
    for (int i = 0; i < 500 && !harness.controller.tableOver(); ++i) {
        auto& controller = harness.controller;
        if (controller.pauseReasons().contains(PauseReason::practice)) {
            const auto step = controller.practice()->pendingStep(*controller.view());
            EXPECT_TRUE(step);
            acknowledged.push_back(*step);
            controller.acknowledgePracticeStep();
        } else if (controller.isHeroTurn()) {
            controller.act(checkOrCall(*controller.view()));
        } else if (harness.scheduler.nextDue()) {
            harness.scheduler.advance(*harness.scheduler.nextDue() - harness.scheduler.now());
        }
    }
    return acknowledged;
}

} // namespace

TEST(PracticeTable, WalksThroughItsSevenStepsAndBooksNothing) {
    ControllerHarness harness;
    harness.controller.setAutoDeal(true);
    // An earlier table's save must survive the whole practice hand.
    harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2, 1)));
    harness.playToEnd(checkOrCall);
    harness.controller.leaveTable();
    const SavedGame earlier{
        1,
        Instant{},
        GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2, 5)),
        harness.controller.hero(),
        {},
        {},
        0,
        PokerEngine::newTable(PokerEngine::TableConfig{2, PokerEngine::BlindSchedule::fixed(10, 20, 0), 2000},
                              {harness.controller.hero(), PokerEngine::PlayerID::random()}, 5),
        false};
    harness.session.savedGame = earlier;
    harness.session.events.clear();
    harness.session.checkpoints = 0;
    const auto profile = harness.session.profile;

    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    ASSERT_TRUE(harness.controller.practice());
    EXPECT_EQ(harness.controller.practice()->opponent, "Biscuit");
    EXPECT_EQ(harness.controller.state()->seats()[0].stack +
                  harness.controller.state()->seats()[0].totalCommitted,
              1000);
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::practice));
    EXPECT_FALSE(harness.controller.snapshot());
    EXPECT_THROW(harness.controller.act(PokerEngine::Action::call()), GameControllerError);

    const auto steps = playNarrated(harness);
    ASSERT_TRUE(harness.controller.tableOver());
    EXPECT_EQ(harness.controller.tableOver(), TableOver::practiced());
    ASSERT_TRUE(harness.controller.pauseReasons().contains(PauseReason::practice));
    ASSERT_TRUE(harness.controller.isShowingResult());
    const auto caption = harness.controller.practice()->caption(*harness.controller.view());
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->title, "Showdown");
    EXPECT_EQ(caption->stepLabel(), "Step 7 of 7");

    // The last "Got It" ends the hand's display; no automatic deal is left behind to fire later.
    harness.controller.acknowledgePracticeStep();
    EXPECT_FALSE(harness.controller.isShowingResult());
    EXPECT_TRUE(harness.controller.pauseReasons().empty());
    EXPECT_EQ(harness.scheduler.pendingCount(), 0u);
    const auto state = harness.controller.state();
    harness.scheduler.advance(1h);
    EXPECT_EQ(harness.controller.state(), state);

    std::vector<PracticeStep> all(allPracticeSteps.begin(), allPracticeSteps.end() - 1);
    EXPECT_EQ(steps, all);
    EXPECT_TRUE(harness.session.events.empty());
    EXPECT_EQ(harness.session.checkpoints, 0);
    EXPECT_EQ(harness.session.savedGame, earlier);
    EXPECT_EQ(harness.session.profile, profile);

    harness.controller.leaveTable();
    EXPECT_EQ(harness.session.checkpoints, 0);
    EXPECT_EQ(harness.session.savedGame, earlier);
}

TEST(PracticeTable, StartingAgainKeepsTheAcknowledgedSteps) {
    ControllerHarness harness;
    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    harness.controller.acknowledgePracticeStep();
    harness.controller.acknowledgePracticeStep();
    const auto acknowledged = harness.controller.practice()->acknowledged;
    EXPECT_EQ(acknowledged.size(), 2u);
    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    EXPECT_EQ(harness.controller.practice()->acknowledged, acknowledged);
    harness.controller.leaveTable();
    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    EXPECT_TRUE(harness.controller.practice()->acknowledged.empty());
}

TEST(PracticeTable, FoldingEndsTheNarration) {
    ControllerHarness harness;
    harness.controller.start(GameSetup::practice(PracticeSetup{}));
    while (!harness.controller.isHeroTurn() ||
           harness.controller.pauseReasons().contains(PauseReason::practice)) {
        if (harness.controller.pauseReasons().contains(PauseReason::practice)) {
            harness.controller.acknowledgePracticeStep();
        } else {
            harness.scheduler.advance(*harness.scheduler.nextDue() - harness.scheduler.now());
        }
    }
    harness.controller.act(PokerEngine::Action::fold());
    EXPECT_EQ(harness.controller.tableOver(), TableOver::practiced());
    EXPECT_FALSE(harness.controller.pauseReasons().contains(PauseReason::practice));
    const auto caption = harness.controller.practice()->caption(*harness.controller.view());
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->title, "You folded");
    EXPECT_FALSE(caption->stepLabel());
}
