// The table window as a player meets it: the title that follows the game, the toolbar's pause, and the
// guide in the sidebar that follows the player's hand without losing their place and starts afresh once
// put away. Every control is clicked where it is drawn.
#include "Game/ControllerHarness.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "SurfaceCoordinator.h"
#include "Table/Screen/BottomRow.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/RankingsTab.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/WindowRoot.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QScrollBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include "Support/WidgetEvents.h"

using WidgetEvents::click;

namespace {

struct TableWindow : ::testing::Test {
    TableWindow() {
        window.resize(1100, 750);
        window.clock().setTimeSource([this] { return seconds; });
    }
    ~TableWindow() override { window.close(); }

    void startSitAndGo() {
        const std::uint64_t seed = 11;
        harness.controller.start(GameSetup::sitAndGo(
            SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed}));
        window.show();
        QCoreApplication::processEvents();
    }
    // Plays on, the player checking or calling, until the next hand is dealt.
    void playToNextHand() {
        const std::int64_t hand = harness.controller.view()->handNumber;
        int hands = 0;
        for (int steps = 0; steps < 2000 && harness.controller.view()->handNumber == hand; ++steps) {
            ASSERT_TRUE(harness.stepOnce(checkOrCall, hands));
        }
        QCoreApplication::processEvents();
    }
    QWidget* toolbarButton(const QString& title) {
        for (QAction* action : window.toolbar()->actions()) {
            if (action->text() == title) {
                return window.toolbar()->widgetForAction(action);
            }
        }
        ADD_FAILURE() << "no toolbar button " << title.toStdString();
        return nullptr;
    }
    // Lets the sidebar's slide and fades run out.
    void settle() {
        seconds += 1;
        window.clock().ticked();
        QCoreApplication::processEvents();
    }

    ControllerHarness harness;
    AppState appState{std::nullopt};
    SurfaceCoordinator surfaces{harness.controller};
    WindowRoot window{AppEnvironment{&appState, &harness.controller, &surfaces, nullptr, nullptr, nullptr}};
    double seconds = 0;
};

TEST_F(TableWindow, TheTitleTellsTheSitAndGosLevelBlindsAndHandAsItGoes) {
    startSitAndGo();
    const QString dash = QString::fromUtf8(" \u2014 ");
    const QString dot = QString::fromUtf8(" \u00b7 ");
    EXPECT_EQ(window.windowTitle(), "Sit & Go" + dash + "Level 1" + dot + "Blinds 10/20" + dot + "Hand 1");
    playToNextHand();
    EXPECT_TRUE(window.windowTitle().endsWith("Hand 2")) << window.windowTitle().toStdString();
    harness.controller.leaveTable();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "Chipwhistle");
}

TEST_F(TableWindow, ThePauseButtonResumesOnlyThePlayersOwnPause) {
    startSitAndGo();
    QWidget* pause = toolbarButton("Pause");
    ASSERT_TRUE(pause);
    click(pause);
    EXPECT_EQ(harness.controller.pauseReasons(), PauseReasons{PauseReason::user});
    click(pause);
    EXPECT_TRUE(harness.controller.pauseReasons().empty());

    // Stopped for another reason, the button adds the player's pause: the table stays stopped.
    harness.controller.pause(PauseReason::hidden);
    click(pause);
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::user));
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::hidden));
}

TEST_F(TableWindow, TheMuteButtonWritesTheProfile) {
    startSitAndGo();
    QWidget* mute = toolbarButton("Mute Sounds");
    ASSERT_TRUE(mute);
    click(mute);
    EXPECT_FALSE(appState.profile().settings.soundsOn);
    EXPECT_TRUE(toolbarButton("Unmute Sounds"));
}

TEST_F(TableWindow, ANewHandKeepsTheChartSelectionAndTheRankingsScroll) {
    startSitAndGo();
    click(toolbarButton("Poker Basics"));
    settle();
    PokerBasicsView* guide = window.guide();
    ASSERT_TRUE(guide);

    click(guide->tabButton(GuideTab::starters));
    QCoreApplication::processEvents();
    auto* starters = qobject_cast<StartersTab*>(guide->tabContent());
    ASSERT_TRUE(starters);
    StartersChartView* chart = starters->chart();
    // The player picks seven-deuce offsuit, bottom right.
    click(chart, chart->cellRect(12, 7).center().toPoint());
    const auto picked = chart->selected();
    ASSERT_TRUE(picked);
    ASSERT_NE(picked, chart->current());
    playToNextHand();
    EXPECT_EQ(guide->tabContent(), starters) << "the tab is not rebuilt";
    EXPECT_EQ(chart->selected(), picked);
    EXPECT_EQ(chart->current(), TableScreenRules::heroHand(harness.controller.view()));

    click(guide->tabButton(GuideTab::rankings));
    QCoreApplication::processEvents();
    auto* rankings = qobject_cast<RankingsTab*>(guide->tabContent());
    ASSERT_TRUE(rankings);
    QScrollBar* scroll = rankings->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    scroll->setValue(scroll->maximum());
    playToNextHand();
    EXPECT_EQ(guide->tabContent(), rankings);
    EXPECT_EQ(scroll->value(), scroll->maximum());
}

TEST_F(TableWindow, TheGuidePutAwayStartsAfreshWhenItComesBack) {
    startSitAndGo();
    click(toolbarButton("Poker Basics"));
    settle();
    ASSERT_TRUE(window.guide());
    click(window.guide()->tabButton(GuideTab::glossary));
    EXPECT_EQ(window.guide()->tab(), GuideTab::glossary);

    // Hidden with the sidebar, the guide is gone; shown again it opens on the first Basics page.
    click(toolbarButton("Sidebar"));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.guide(), nullptr);
    click(toolbarButton("Sidebar"));
    settle();
    ASSERT_TRUE(window.guide());
    EXPECT_EQ(window.guide()->tab(), GuideTab::basics);
    EXPECT_EQ(window.guide()->page(), 0);

    // So too after the log: "Poker Basics" toggles to the log and back.
    click(window.guide()->tabButton(GuideTab::starters));
    click(toolbarButton("Poker Basics"));
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::log);
    EXPECT_EQ(window.guide(), nullptr);
    click(toolbarButton("Poker Basics"));
    settle();
    ASSERT_TRUE(window.guide());
    EXPECT_EQ(window.guide()->tab(), GuideTab::basics);
}

} // namespace
