// Pictures of the shell for a person to look at: the popover and the window, with and without a
// table, the placeholders in every style, and the tray chip. Written under gallery/shell.
#include "Game/ControllerHarness.h"
#include "Game/PracticeToItsPanel.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Support/TestPaths.h"
#include "SurfaceCoordinator.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Home/HomePieces.h"
#include "Views/Home/HomeView.h"
#include "Views/Learn/PokerBasicsCommand.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/PopoverRoot.h"
#include "Views/ShellPlaceholder.h"
#include "Views/Table/ShowdownBannerView.h"
#include "Views/Table/StageView.h"
#include "Views/Table/TableScreen.h"
#include "Views/Table/TopBarView.h"
#include "Views/TrayIconArt.h"
#include "Views/WindowRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QToolBar>

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/shell");

void save(QWidget& widget, const QString& name) {
    QDir().mkpath(folder);
    widget.ensurePolished();
    // Layouts settle in posted events, as they would before the next paint on screen.
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(folder + '/' + name + ".png")) << name.toStdString();
}

// The player's two cards and the two a seat shows lie at their laid-out places, as the stage draws them
// at its clock's time: not missing, and not on their way from the dealer.
void expectShownCardsInPlace(StageView& stage, const std::string& when) {
    int cards = 0;
    for (const auto& pose : stage.scene().poses(stage.clock().now())) {
        const StageItem& item = *pose.item;
        if (item.kind == StageItem::Kind::heroCard || (item.kind == StageItem::Kind::holeCard && item.card)) {
            ++cards;
            const QPointF away = pose.center - item.center;
            EXPECT_LT(std::hypot(away.x(), away.y()), 0.5) << item.id.toStdString() << " " << when;
        }
    }
    EXPECT_EQ(cards, 4) << when;
}

struct ShellGallery : ::testing::Test {
    AppEnvironment environment() {
        return AppEnvironment{&appState, &harness.controller, &surfaces, nullptr, nullptr, nullptr};
    }
    ControllerHarness harness;
    AppState appState{std::nullopt};
    SurfaceCoordinator surfaces{harness.controller};
};

TEST_F(ShellGallery, PopoverWithoutAndWithATable) {
    PopoverRoot root(environment());
    EXPECT_EQ(root.size(), QSize(420, 560));
    auto* lobby = qobject_cast<HomeView*>(root.content());
    ASSERT_TRUE(lobby);
    EXPECT_EQ(lobby->heroCard()->primaryButton()->title(), "Deal · 2,000");
    save(root, "popover-lobby");

    lobby->heroCard()->primaryButton()->click();
    ASSERT_TRUE(harness.controller.hasTable());
    EXPECT_TRUE(qobject_cast<TableScreen*>(root.content()));
    EXPECT_EQ(root.size(), QSize(420, 560)) << "whatever is shown";
    save(root, "popover-table");

    harness.controller.leaveTable();
    EXPECT_FALSE(harness.controller.hasTable());
    EXPECT_TRUE(qobject_cast<HomeView*>(root.content())) << "the lobby is back";
}

TEST_F(ShellGallery, AStyleThatIsNotOfferedIsDrawnAsSatin) {
    Profile profile = appState.profile();
    profile.settings.style = TableStyleID::pixel;
    appState.setProfile(profile);
    PopoverRoot root(environment());
    EXPECT_EQ(root.theme().style, TableStyleID::satin);
    EXPECT_EQ(root.theme().pixelUnit, 2);
}

TEST_F(ShellGallery, WindowWithTheLobbyAndWithATable) {
    WindowRoot window(environment());
    window.resize(1100, 750);
    EXPECT_EQ(window.minimumSize(), QSize(900, 620));
    EXPECT_EQ(window.windowTitle(), "Chipwhistle");
    EXPECT_TRUE(window.toolbar()->isHidden()) << "the lobby has no toolbar";
    save(window, "window-lobby");

    const std::uint64_t seed = 11;
    harness.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed}));
    window.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.windowTitle().startsWith("Sit & Go")) << window.windowTitle().toStdString();
    QStringList titles;
    for (QAction* action : window.toolbar()->actions()) {
        if (!action->isSeparator()) {
            titles << action->text();
        }
    }
    EXPECT_EQ(titles, (QStringList{"Pause", "Back to System Tray", "Settings", "Forfeit", "Mute Sounds",
                                   "Poker Basics", "Sidebar"}));
    EXPECT_TRUE(window.showsSidebar());
    save(window, "window-table");

    window.toolbar()->actions().at(0)->trigger();
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::user));
    EXPECT_EQ(window.toolbar()->actions().at(0)->text(), "Resume");
    window.toolbar()->actions().at(5)->trigger();
    EXPECT_EQ(window.toolbar()->actions().at(5)->text(), "Unmute Sounds");
    EXPECT_FALSE(appState.soundsOn());
    double seconds = 0;
    window.clock().setTimeSource([&seconds] { return seconds; });
    window.openGuide();
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide);
    EXPECT_FALSE(harness.controller.pauseReasons().contains(PauseReason::guide))
        << "the table runs beside it";
    seconds = 0.1; // the guide fades in over the log
    save(window, "window-table-guide-fading-in");
    seconds = 1;
    save(window, "window-table-guide");
    window.close();
}

// Once the game is over the pause holds nothing and shows it cannot be pressed, in the window's
// toolbar and the popover's top bar.
TEST_F(ShellGallery, TheWindowAndThePopoverAfterThePracticeHand) {
    WindowRoot window(environment());
    window.resize(1100, 750);
    window.show();
    PopoverRoot popover(environment());
    playPracticeToItsPanel(harness);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.toolbar()->actions().at(0)->isEnabled());
    auto* popoverTable = qobject_cast<TableScreen*>(popover.content());
    ASSERT_TRUE(popoverTable && popoverTable->topBar());
    EXPECT_FALSE(popoverTable->topBar()->button(TopBarText::TopBarButton::pause)->isEnabled());
    // The panel as it stands once it has faded in.
    for (auto* table :
         {qobject_cast<TableScreen*>(window.content()), qobject_cast<TableScreen*>(popover.content())}) {
        ASSERT_TRUE(table);
        // The stage too, where the hand's last cards and chips would otherwise still be on their way.
        for (AnimationClock* clock : {&table->clock(), &table->stage().clock()}) {
            clock->setTimeSource([] { return 100.0; });
            emit clock->ticked();
        }
    }
    save(window, "window-practice-over");
    save(popover, "popover-practice-over");
    window.close();
}

// A laptop's screen, 768 high under a panel, leaves the window 716 or 736: at the showdown the banner
// begins where the stage ends, below the player's cards, which stay clear of the stage's bottom.
TEST_F(ShellGallery, TheShowdownBannerUnderThePlayersCardsInALaptopsWindow) {
    // On the game's virtual time the first deal's hold lifts before the picture stops the clocks, not
    // when the wall clock says, which turns on how much earlier windows in this process warmed up.
    AppEnvironment env = environment();
    env.scheduler = &harness.scheduler;
    WindowRoot window(env);
    window.resize(1366, 716);
    GameController& game = harness.controller;
    game.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 3, 2)));
    window.show();
    for (int steps = 0;
         steps < 500 && game.view() && game.view()->street != PokerEngine::Street::handComplete; ++steps) {
        if (game.isHeroTurn()) {
            game.act(checkOrCall(*game.view()));
        } else if (harness.scheduler.nextDue()) {
            harness.scheduler.advance(*harness.scheduler.nextDue() - harness.scheduler.now());
        }
    }
    ASSERT_EQ(game.view()->street, PokerEngine::Street::handComplete);
    harness.scheduler.advance(std::chrono::seconds(2));
    auto* table = qobject_cast<TableScreen*>(window.content());
    ASSERT_TRUE(table);
    for (const int height : {716, 736}) {
        window.resize(1366, height);
        QCoreApplication::processEvents();
        for (AnimationClock* clock : {&table->clock(), &table->stage().clock()}) {
            clock->setTimeSource([] { return 100.0; });
            clock->ticked();
        }
        ASSERT_TRUE(table->banner()->isVisible()) << height;
        EXPECT_EQ(table->banner()->mapTo(table, QPoint()).y(), table->stage().geometry().bottom() + 1)
            << height;
        // The shortest window a laptop gives is no lower than the stages the table's rules are tried on.
        EXPECT_GE(table->height(), 563) << height;
        save(window, QStringLiteral("window-1366x%1-showdown").arg(height));
        expectShownCardsInPlace(table->stage(), "at " + std::to_string(height));
    }
    window.close();
    // Closed and opened again, the window shows the hands as they lie; it does not deal them again.
    WindowRoot reopened(env);
    reopened.resize(1366, 736);
    reopened.show();
    QCoreApplication::processEvents();
    auto* again = qobject_cast<TableScreen*>(reopened.content());
    ASSERT_TRUE(again);
    expectShownCardsInPlace(again->stage(), "in the reopened window");
}

TEST_F(ShellGallery, PlaceholdersInEveryStyle) {
    for (const TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        for (const bool dark : {false, true}) {
            ShellPlaceholder placeholder(
                TableTheme::drawnIn(style, TableSurface::popover, 2, {dark, false, false}));
            placeholder.setText("Chipwhistle", "The lobby is not built yet.");
            placeholder.setButton("Play a Quick Hand", [] {});
            placeholder.resize(420, 560);
            save(placeholder, QStringLiteral("placeholder-%1-%2")
                                  .arg(QString::fromUtf8(toString(style)), dark ? "dark" : "light"));
        }
    }
}

TEST(ShellTrayArt, TheChipAtTraySizesWithAndWithoutTheBadge) {
    QDir().mkpath(folder);
    for (const bool badge : {false, true}) {
        for (const int size : {22, 64}) {
            const QImage image = TrayIconArt::image(size, badge);
            EXPECT_EQ(image.size(), QSize(size, size));
            image.save(folder + QStringLiteral("/tray-%1-%2.png").arg(badge ? "badge" : "plain").arg(size));
        }
    }
    EXPECT_NE(TrayIconArt::image(64, true), TrayIconArt::image(64, false));
}

} // namespace

TEST_F(ShellGallery, TheWindowsGuideSlidesOutBesideTheRunningTable) {
    WindowRoot window(environment());
    window.resize(1100, 750);
    double seconds = 0;
    window.clock().setTimeSource([&seconds] { return seconds; });
    harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 3, 2)));
    window.show();
    QCoreApplication::processEvents();
    QAction* guideItem = window.toolbar()->actions().at(6);
    QAction* sidebarItem = window.toolbar()->actions().at(7);
    ASSERT_EQ(guideItem->text(), "Poker Basics");
    ASSERT_EQ(sidebarItem->text(), "Sidebar");

    // Hidden sidebar: "Poker Basics" slides it out on the guide.
    sidebarItem->trigger();
    EXPECT_FALSE(window.showsSidebar());
    guideItem->trigger();
    EXPECT_TRUE(window.showsSidebar());
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide);
    seconds = 0.05;
    window.clock().ticked();
    const int sliding = window.sidebar()->width();
    save(window, "window-guide-sliding-out");
    seconds = 1;
    window.clock().ticked();
    QCoreApplication::processEvents();
    EXPECT_LT(sliding, window.sidebar()->width());
    EXPECT_EQ(window.sidebar()->width(), 300) << "it comes to rest at its ideal width";
    ASSERT_TRUE(window.guide());
    EXPECT_TRUE(window.guide()->isVisible());
    EXPECT_TRUE(harness.controller.pauseReasons().empty()) << "the table keeps running";

    // With the guide showing, "Poker Basics" goes back to the log and the sidebar stays.
    guideItem->trigger();
    EXPECT_TRUE(window.showsSidebar());
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::log);
    guideItem->trigger();
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide);

    // Ctrl+? in this window opens the guide: the table publishes the action the command calls.
    sidebarItem->trigger();
    EXPECT_FALSE(window.showsSidebar());
    auto* screen = qobject_cast<TableScreen*>(window.content());
    ASSERT_TRUE(screen);
    auto* published = screen->findChild<PokerBasicsAction*>();
    ASSERT_TRUE(published);
    published->open();
    EXPECT_TRUE(window.showsSidebar());
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide);
    // The table's own "?" key asks the window too, instead of covering the table.
    window.toolbar()->actions().at(6)->trigger(); // back to the log
    screen->showGuide(true);
    EXPECT_FALSE(screen->guideOpen());
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide);
    window.close();
}
