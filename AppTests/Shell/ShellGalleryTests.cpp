// Pictures of the shell for a person to look at: the popover and the window, with and without a
// table, the placeholders in every style, and the tray chip. Written under gallery/shell.
#include "Game/ControllerHarness.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "SurfaceCoordinator.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Home/HomePieces.h"
#include "Views/Home/HomeView.h"
#include "Views/PopoverRoot.h"
#include "Views/ShellPlaceholder.h"
#include "Views/Table/TableScreen.h"
#include "Views/TrayIconArt.h"
#include "Views/WindowRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

const QString folder = QStringLiteral(CHIPWHISTLE_TEST_OUTPUT_DIR "/gallery/shell");

void save(QWidget& widget, const QString& name) {
    QDir().mkpath(folder);
    widget.ensurePolished();
    // Layouts settle in posted events, as they would before the next paint on screen.
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(folder + '/' + name + ".png")) << name.toStdString();
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
    EXPECT_EQ(window.windowTitle(), "Sit & Go");
    QStringList titles;
    for (QAction* action : window.toolbar()->actions()) {
        if (!action->isSeparator()) {
            titles << action->text();
        }
    }
    EXPECT_EQ(titles, (QStringList{"Pause", "Back to Menu Bar", "Settings", "Forfeit", "Mute Sounds",
                                   "Poker Basics", "Sidebar"}));
    EXPECT_TRUE(window.showsSidebar());
    save(window, "window-table");

    window.toolbar()->actions().at(0)->trigger();
    EXPECT_TRUE(harness.controller.pauseReasons().contains(PauseReason::user));
    EXPECT_EQ(window.toolbar()->actions().at(0)->text(), "Resume");
    window.toolbar()->actions().at(5)->trigger();
    EXPECT_EQ(window.toolbar()->actions().at(5)->text(), "Unmute Sounds");
    EXPECT_FALSE(appState.soundsOn());
    window.openGuide();
    EXPECT_EQ(window.sidebarContent(), WindowRoot::SidebarContent::guide);
    EXPECT_FALSE(harness.controller.pauseReasons().contains(PauseReason::guide))
        << "the table runs beside it";
    save(window, "window-table-guide");
    window.close();
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
