// The host as a test host sees it: one set of shared objects for every root, the settings mirrored
// into the game and the sound, and the window a forced launch surface opens.
#include "AppState.h"
#include "Game/BotSeating.h"
#include "GameController.h"
#include "MenuBarHost.h"
#include "Sound/Playback/SoundPlayer.h"
#include "SurfaceCoordinator.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Learn/PokerBasicsCommand.h"
#include "Views/PopoverWindow.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/TopBarView.h"
#include "Views/WindowRoot.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "LogCapture.h"
#include "Support/TestHost.h"

namespace {

TEST(MenuBarHost, HandsEveryRootTheSameObjects) {
    TestHostEnvironment testHost;
    MenuBarHost host;
    const AppEnvironment environment = host.environment();
    EXPECT_EQ(environment.appState, &host.appState());
    EXPECT_EQ(environment.controller, &host.controller());
    EXPECT_EQ(environment.surfaces, &host.surfaces());
    EXPECT_EQ(environment.host, &host);
    EXPECT_EQ(environment.announcer, &host.announcer());
    EXPECT_TRUE(environment.hotkey);
    EXPECT_TRUE(environment.launchAtLogin);
    EXPECT_EQ(host.surfaces().host(), &host);
    EXPECT_EQ(host.controller().session(), &host.appState());
}

QWidget* visibleSettingsWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == "Chipwhistle Settings" && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

TEST(MenuBarHost, TheTableTopBarsSettingsButtonOpensTheSettingsWindow) {
    for (const TableSurface surface : {TableSurface::popover, TableSurface::window}) {
        TestHostEnvironment testHost;
        MenuBarHost host;
        host.applicationDidFinishLaunching({"chipwhistle"});
        runPosted();
        TopBarView topBar(host.environment(), surface, [] {});
        topBar.button(TopBarText::TopBarButton::settings)->click();
        runPosted();
        QWidget* settings = visibleSettingsWindow();
        ASSERT_NE(settings, nullptr) << (surface == TableSurface::popover ? "popover" : "window");
        EXPECT_TRUE(host.surfaces().isSettingsOpen());
        settings->close();
        runPosted();
    }
}

TEST(MenuBarHost, ATestHostShowsNothingAndHasNoTrayIcon) {
    TestHostEnvironment testHost;
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    EXPECT_EQ(host.statusItem(), nullptr);
    EXPECT_FALSE(host.isPopoverShown());
    EXPECT_EQ(host.tableWindow(), nullptr);
    EXPECT_FALSE(host.showPopover(PopoverShowing::asked)) << "no icon to open under";
}

TEST(MenuBarHost, MirrorsEveryChangeOfTheSettings) {
    TestHostEnvironment testHost;
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    AppState& state = host.appState();

    state.setBotSpeed(BotSpeed::fast);
    state.setAutoDeal(true);
    state.setLaunchSurface(LaunchSurface::window);
    EXPECT_EQ(host.controller().botSpeed(), BotSpeed::fast);
    EXPECT_TRUE(host.controller().autoDeal());
    EXPECT_EQ(host.surfaces().iconOpens(), LaunchSurface::window);

    state.setSoundsOn(false);
    EXPECT_FALSE(SoundPlayer::shared().soundsEnabled());
    state.setSoundsOn(true);
    EXPECT_TRUE(SoundPlayer::shared().soundsEnabled());
}

TEST(MenuBarHost, AForcedWindowOpensAfterLaunchAndClosingItKeepsTheHost) {
    TestHostEnvironment testHost("window");
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    EXPECT_EQ(host.tableWindow(), nullptr) << "after the current event";
    runPosted();
    ASSERT_NE(host.tableWindow(), nullptr);
    EXPECT_TRUE(host.surfaces().windowOpen());
    EXPECT_TRUE(host.surfaces().showsDockIcon());
    // The test screen is 800 x 800: too narrow for 1100, so the window takes its least width there;
    // 750 high fits under a title bar.
    const QRect room = host.tableWindow()->screen()->availableGeometry();
    ASSERT_EQ(room.size(), QSize(800, 800));
    EXPECT_EQ(host.tableWindow()->size(), QSize(900, 750));
    EXPECT_GE(host.tableWindow()->geometry().top(), room.top());
    EXPECT_GE(host.tableWindow()->geometry().left(), room.left());

    EXPECT_TRUE(host.closeTableWindow());
    runPosted();
    EXPECT_FALSE(host.surfaces().windowOpen());
    EXPECT_FALSE(host.surfaces().showsDockIcon());
    EXPECT_EQ(host.tableWindow(), nullptr) << "a closed window is gone; the next open builds a new one";
}

TEST(MenuBarHost, TheWindowReopensAtThePlayersSizeCutToTheScreen) {
    TestHostEnvironment testHost;
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    ASSERT_TRUE(host.openWindow());
    runPosted();
    // Stretched past the 800 x 800 test screen by the player, it comes back as tall as the screen
    // leaves room for, and no narrower than its minimum.
    host.tableWindow()->resize(1500, 1000);
    ASSERT_TRUE(host.closeTableWindow());
    runPosted();
    ASSERT_TRUE(host.openWindow());
    runPosted();
    ASSERT_NE(host.tableWindow(), nullptr);
    EXPECT_EQ(host.tableWindow()->size(), QSize(900, 800 - 48));
    // A size the screen has room for comes back as it was.
    host.tableWindow()->resize(900, 700);
    ASSERT_TRUE(host.closeTableWindow());
    runPosted();
    ASSERT_TRUE(host.openWindow());
    runPosted();
    EXPECT_EQ(host.tableWindow()->size(), QSize(900, 700));
    host.closeTableWindow();
    runPosted();
}

TEST(MenuBarHost, EveryWindowCarriesTheOnePokerBasicsCommand) {
    TestHostEnvironment testHost("window");
    MenuBarHost host;
    // Silent: a spoken note is a window of its own, which could take the keys from the table window.
    host.announcer().setShowsNotifications(false);
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    PokerBasicsCommand* command = host.pokerBasicsCommand();
    ASSERT_TRUE(command);
    EXPECT_EQ(command->text(), "Poker Basics");
    // One sequence only: the desktop reports Ctrl+Shift+/ as Ctrl+? too, and two matching sequences
    // would make the press ambiguous.
    EXPECT_EQ(command->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Question)});
    ASSERT_TRUE(host.tableWindow());
    EXPECT_TRUE(host.tableWindow()->actions().contains(command));
    ASSERT_TRUE(host.popoverWindow());
    EXPECT_TRUE(host.popoverWindow()->actions().contains(command));
    host.showSettings();
    runPosted();
    const auto windows = QApplication::topLevelWidgets();
    const auto settings = std::find_if(windows.begin(), windows.end(), [](QWidget* window) {
        return window->windowTitle() == "Chipwhistle Settings";
    });
    ASSERT_NE(settings, windows.end());
    EXPECT_TRUE((*settings)->actions().contains(command));

    // With a table in the window, the command opens the guide in its sidebar.
    host.controller().start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 4, 1)));
    runPosted();
    WindowRoot* window = host.tableWindow();
    window->toolbar()->actions().at(7)->trigger(); // "Sidebar": hidden
    ASSERT_FALSE(window->showsSidebar());
    QApplication::setActiveWindow(window);
    window->content()->setFocus();
    runPosted();
    EXPECT_TRUE(command->isEnabled());
    command->trigger();
    EXPECT_TRUE(window->showsSidebar());
    EXPECT_EQ(window->sidebarContent(), WindowRoot::SidebarContent::guide);
    EXPECT_FALSE(host.controller().pauseReasons().contains(PauseReason::guide));
}

TEST(MenuBarHost, AnUnknownForcedSurfaceIsIgnored) {
    TestHostEnvironment testHost("popover");
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    EXPECT_EQ(host.tableWindow(), nullptr);
    EXPECT_FALSE(host.isPopoverShown());
}

TEST(MenuBarHost, CtrlCommaOpensSettingsAndCtrlQQuitsFromEveryWindow) {
    TestHostEnvironment testHost("window");
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    int quits = 0;
    QObject::connect(host.quitCommand(), &QAction::triggered, [&] { ++quits; });
    const auto settingsWindow = []() -> QWidget* {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->windowTitle() == "Chipwhistle Settings" && window->isVisible())
                return window;
        return nullptr;
    };
    const auto typeInto = [](QWidget* window, Qt::Key key) {
        window->show();
        QApplication::setActiveWindow(window);
        window->activateWindow();
        QWidget* focused = window->focusWidget();
        QTest::keyClick(focused ? focused : window, key, Qt::ControlModifier);
        runPosted();
    };
    ASSERT_TRUE(host.tableWindow());
    host.popoverWindow()->show();
    int expectedQuits = 0;
    for (QWidget* window :
         {static_cast<QWidget*>(host.tableWindow()), static_cast<QWidget*>(host.popoverWindow())}) {
        SCOPED_TRACE(window->metaObject()->className());
        if (QWidget* open = settingsWindow())
            open->close();
        runPosted();
        typeInto(window, Qt::Key_Comma);
        EXPECT_TRUE(settingsWindow());
        if (window == host.tableWindow()) {
            // Closed, Settings gives the keys back to the window it was opened from, though no window
            // manager is there to: the table's next key reaches it.
            QWidget* settings = settingsWindow();
            ASSERT_TRUE(settings && QApplication::activeWindow() == settings);
            QTest::keyClick(settings, Qt::Key_W, Qt::ControlModifier);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            runPosted();
            EXPECT_FALSE(settingsWindow());
            EXPECT_EQ(QApplication::activeWindow(), window);
            typeInto(window, Qt::Key_Comma);
        }
        typeInto(window, Qt::Key_Q);
        EXPECT_EQ(quits, ++expectedQuits);
    }
    // The settings window itself answers both, and Ctrl+W closes it.
    QWidget* settings = settingsWindow();
    ASSERT_TRUE(settings);
    typeInto(settings, Qt::Key_Q);
    EXPECT_EQ(quits, expectedQuits + 1);
    typeInto(settings, Qt::Key_W);
    EXPECT_FALSE(settingsWindow());

    // Carried out, Ctrl+Q with the popover open closes it as a quit, with no error logged. In a
    // process of its own: a quit ends the application's event loop for good.
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            LogCapture log;
            QWidget* popover = host.popoverWindow();
            popover->show();
            QTimer::singleShot(0, [popover] {
                QApplication::setActiveWindow(popover);
                QTest::keyClick(popover->focusWidget() ? popover->focusWidget() : popover, Qt::Key_Q,
                                Qt::ControlModifier);
            });
            QCoreApplication::exec();
            std::fputs(qPrintable(LogCapture::lines().join('\n') + '\n'), stderr);
            std::_Exit(host.isPopoverShown() || !LogCapture::starting("ERROR").isEmpty() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "popover closed \\(quit\\)");
    GTEST_FLAG_SET(death_test_style, style);
}

// Escape closes the popover, as a popup on this desktop, once nothing in it takes the press first.
TEST(MenuBarHost, EscapeClosesThePopoverWhenNothingInItTakesItFirst) {
    TestHostEnvironment testHost;
    MenuBarHost host;
    host.applicationDidFinishLaunching({"chipwhistle"});
    runPosted();
    PopoverWindow* popover = host.popoverWindow();
    const auto shownAfter = [&](Qt::Key key) {
        popover->show();
        QApplication::setActiveWindow(popover);
        QTest::keyClick(popover->focusWidget() ? popover->focusWidget() : popover, key);
        return popover->isVisible();
    };
    EXPECT_FALSE(shownAfter(Qt::Key_Escape)) << "the lobby";
    host.controller().start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 3, 1)));
    ASSERT_TRUE(shownAfter(Qt::Key_Question));
    EXPECT_TRUE(shownAfter(Qt::Key_Escape)) << "the guide over the table takes the first";
    EXPECT_FALSE(shownAfter(Qt::Key_Escape)) << "the table";
}

} // namespace
