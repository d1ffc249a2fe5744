// The table screen played by keys alone in virtual time: a Quick Hand series and a Sit & Go to their
// ends, the rows under the table on the way, and what a screen reader heard.
#include "TableScreenHarness.h"

#include "Game/BotSeating.h"
#include "Table/ActionBarModel.h"
#include "Table/TablePresenter.h"
#include "Views/Table/ShowdownBannerView.h"
#include "Views/Table/StageView.h"

#include <gtest/gtest.h>

TEST(TableScreen, PlaysAQuickHandSeriesByKeys) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 2024, 3)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    ASSERT_TRUE(table.screen->presenter().shown());
    const int keys = table.playByKeys([&] { table.press(Qt::Key_C, QStringLiteral("c")); });
    EXPECT_GT(keys, 3);
    ASSERT_TRUE(controller.tableOver());
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::tableOver);
    const QString title = table.screen->bottomText();
    EXPECT_TRUE(title.startsWith("You won ") || title.startsWith("You lost ") || title == "Even")
        << title.toStdString();
    // Every hand the keys played was booked, and the last one ended the series.
    int hands = 0;
    for (const auto& event : table.game.session.events) {
        hands += std::holds_alternative<SessionEvent::HandFinished>(event.value()) ? 1 : 0;
    }
    EXPECT_EQ(hands, controller.state()->handNumber());
    EXPECT_LE(controller.state()->handNumber(), 3);
    // The player's turns were announced with their prompt.
    EXPECT_TRUE(table.announcer.spoken().join(' ').contains("Your turn. "));
}

TEST(TableScreen, PlaysASitAndGoToItsEndByKeys) {
    TableScreenHarness table(TableSurface::window);
    auto& controller = table.game.controller;
    controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 99), 99}));
    // All in every hand: "4" picks the all-in preset, Return sends it (a call when no raise is left).
    table.playByKeys([&] {
        const bool canRaise = controller.view()->legalActions->minRaiseTo.has_value();
        if (canRaise) {
            table.press(Qt::Key_4, QStringLiteral("4"));
            table.press(Qt::Key_Return, QStringLiteral("\r"));
        } else {
            table.press(Qt::Key_C, QStringLiteral("c"));
        }
    });
    ASSERT_TRUE(controller.tableOver());
    const auto* finished = std::get_if<TableOver::Finished>(&controller.tableOver()->value);
    ASSERT_TRUE(finished);
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::tableOver);
    const QString title = table.screen->bottomText();
    if (finished->place == 1) {
        EXPECT_EQ(title, "You won the Sit & Go!");
    } else {
        EXPECT_EQ(title, QStringLiteral("You finished %1").arg(ordinal(finished->place)));
    }
    // The engine saw the all-ins: at least one all-in by the player in the log of the last hand
    // or an elimination of the player.
    EXPECT_GE(controller.state()->handNumber(), 1);
}

TEST(TableScreen, KeysWithWindowModifiersPassOn) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 5, 1)));
    for (int i = 0; i < 200 && !controller.isHeroTurn(); ++i) {
        table.game.scheduler.advance(std::chrono::milliseconds(200));
    }
    ASSERT_TRUE(controller.isHeroTurn());
    const auto before = controller.state();
    EXPECT_FALSE(table.press(Qt::Key_F, QStringLiteral("f"), Qt::AltModifier));
    EXPECT_FALSE(table.press(Qt::Key_C, QStringLiteral("c"), Qt::ControlModifier));
    EXPECT_EQ(controller.state(), before);
    EXPECT_TRUE(table.press(Qt::Key_F, QStringLiteral("f")));
    EXPECT_NE(controller.state(), before);
}

TEST(TableScreen, PausingAndTheGuide) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 8, 2)));
    table.game.scheduler.advance(std::chrono::seconds(2));
    EXPECT_TRUE(table.press(Qt::Key_P, QStringLiteral("p")));
    EXPECT_TRUE(controller.pauseReasons().contains(PauseReason::user));
    EXPECT_EQ(table.screen->bottomRow(), BottomRow::paused);
    EXPECT_EQ(table.screen->bottomText(), "Paused");
    EXPECT_TRUE(table.screen->stage().inputs()->paused);
    EXPECT_TRUE(table.press(Qt::Key_P, QStringLiteral("P"), Qt::ShiftModifier));
    EXPECT_TRUE(controller.pauseReasons().empty());

    EXPECT_TRUE(table.press(Qt::Key_Question, QStringLiteral("?"), Qt::ShiftModifier));
    EXPECT_TRUE(table.screen->guideOpen());
    EXPECT_TRUE(controller.pauseReasons().contains(PauseReason::guide));
    const auto spoken = table.announcer.spoken().size();
    // While the guide is open the table's keys do nothing, and new events are not announced.
    EXPECT_FALSE(table.press(Qt::Key_P, QStringLiteral("p")));
    EXPECT_TRUE(table.press(Qt::Key_Escape));
    EXPECT_FALSE(table.screen->guideOpen());
    EXPECT_TRUE(controller.pauseReasons().empty());
    EXPECT_EQ(table.screen->focus(), TableFocus::table);
    EXPECT_EQ(table.announcer.spoken().size(), spoken);
}

TEST(TableScreen, ShowdownBannerCountsDownAndHolds) {
    TableScreenHarness table;
    auto& controller = table.game.controller;
    controller.setAutoDeal(true);
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 31, 5)));
    for (int i = 0; i < 500 && !controller.isShowingResult(); ++i) {
        if (controller.isHeroTurn()) {
            table.press(Qt::Key_F, QStringLiteral("f"));
        } else {
            table.game.scheduler.advance(std::chrono::milliseconds(100));
        }
    }
    ASSERT_TRUE(controller.isShowingResult());
    table.game.scheduler.advance(std::chrono::seconds(1)); // the presenter shows the result
    ASSERT_EQ(table.screen->bottomRow(), BottomRow::showdownBanner);
    EXPECT_TRUE(table.screen->banner()->nextHandTitle().startsWith("Next hand in "));
    ASSERT_EQ(table.screen->banner()->rows().size(), 1u);
    EXPECT_TRUE(table.screen->banner()->rows()[0].award.contains(" win"));
    controller.holdResult();
    EXPECT_EQ(table.screen->banner()->nextHandTitle(), "Next Hand");
    EXPECT_TRUE(table.press(Qt::Key_Space, QStringLiteral(" ")));
    EXPECT_FALSE(controller.isShowingResult());
}
