// Where the popover opens, the table window's sidebar widths and its toolbar texts.
#include "PopoverPlacement.h"
#include "Table/Screen/TopBarText.h"
#include "Views/WindowChrome.h"

#include <gtest/gtest.h>

namespace {

const QRect screen(0, 0, 1920, 1080);
const QSize popover(420, 560);

TEST(PopoverPlacement, CentresUnderTheIcon) {
    EXPECT_EQ(popoverFrame({1000, 0, 24, 24}, {}, screen, popover), QRect(802, 28, 420, 560));
}

TEST(PopoverPlacement, StaysOnScreenAtTheEdges) {
    EXPECT_EQ(popoverFrame({1900, 0, 20, 24}, {}, screen, popover).right(), 1919);
    EXPECT_EQ(popoverFrame({0, 0, 20, 24}, {}, screen, popover).left(), 0);
}

TEST(PopoverPlacement, OpensAboveABottomTray) {
    EXPECT_EQ(popoverFrame({1000, 1050, 24, 24}, {}, screen, popover), QRect(802, 486, 420, 560));
}

TEST(PopoverPlacement, WithoutAnIconOpensAtThePointer) {
    EXPECT_EQ(popoverFrame({}, {300, 200}, screen, popover), QRect(91, 205, 420, 560));
}

// A tray that draws the icon itself tells no place: a press on the icon tells it, by the pointer on the
// panel as it was pressed; before any press, the panel's edge and end are read from where the work area
// leaves room.
TEST(PopoverPlacement, WithoutAFrameFromTheTrayTheDesktopTellsAsNearAsItCan) {
    const QRect underTopPanel(0, 32, 1920, 1048);
    const QRect besideGnomeDock(84, 32, 1836, 1048);
    const PanelBand centredDock{ScreenSide::bottom, {640, 996, 640, 84}};
    const QPoint onTheIcon(1890, 16);
    const std::optional<QPoint> nothingPressed;
    struct Row {
        const char* what;
        QRect found;
        QRect frame;
    };
    const Row rows[] = {
        {"a click on a top panel, released as the tray asks",
         clickedIconFrame(askingPress(onTheIcon, false, onTheIcon), screen, underTopPanel),
         {1878, 4, 24, 24}},
        {"a press on a top panel, still held as the tray asks",
         clickedIconFrame(askingPress(onTheIcon, true, nothingPressed), screen, underTopPanel),
         {1878, 4, 24, 24}},
        {"a click on a top panel, the pointer gone from it as the tray asks",
         clickedIconFrame(askingPress({900, 500}, false, onTheIcon), screen, underTopPanel),
         {1878, 4, 24, 24}},
        {"a press with no panel in the work area",
         clickedIconFrame(askingPress(onTheIcon, true, nothingPressed), screen, screen),
         {1878, 4, 24, 24}},
        {"the tray's keys, the pointer in the work area",
         clickedIconFrame(askingPress({900, 500}, false, nothingPressed), screen, underTopPanel),
         {}},
        {"the menu asked for with nothing pressed, the pointer on the top bar's left part",
         clickedIconFrame(askingPress({100, 16}, false, nothingPressed), screen, besideGnomeDock),
         {}},
        {"the menu asked for with nothing pressed, the pointer on a dock at the left",
         clickedIconFrame(askingPress({40, 500}, false, nothingPressed), screen, besideGnomeDock),
         {}},
        {"a top panel", panelEndFrame(screen, underTopPanel), {1896, 4, 24, 24}},
        {"a bottom panel", panelEndFrame(screen, {0, 0, 1920, 1040}), {1896, 1048, 24, 24}},
        {"a left panel", panelEndFrame(screen, {48, 0, 1872, 1080}), {12, 1056, 24, 24}},
        {"a right panel", panelEndFrame(screen, {0, 0, 1872, 1080}), {1884, 1056, 24, 24}},
        {"the widest inset is the panel", panelEndFrame(screen, {0, 2, 1920, 1038}), {1896, 1048, 24, 24}},
        {"no panel insets the work area", panelEndFrame(screen, screen), {}},
        // Ubuntu's GNOME: the top bar of 32 and a dock of 84, fixed or hiding, neither publishing a strut.
        {"GNOME's top bar, its dock at the left",
         panelEndFrame(screen, {84, 32, 1836, 1048}, {}, TrayHolder::gnomeTopBar),
         {1896, 4, 24, 24}},
        {"GNOME's top bar, its dock at the bottom",
         panelEndFrame(screen, {0, 32, 1920, 964}, {}, TrayHolder::gnomeTopBar),
         {1896, 4, 24, 24}},
        {"GNOME's top bar, its dock at the right",
         panelEndFrame(screen, {0, 32, 1836, 1048}, {}, TrayHolder::gnomeTopBar),
         {1896, 4, 24, 24}},
        {"GNOME's top bar, its dock hiding",
         panelEndFrame(screen, underTopPanel, {}, TrayHolder::gnomeTopBar),
         {1896, 4, 24, 24}},
        {"a top panel, a dock at the left", panelEndFrame(screen, {84, 32, 1836, 1048}), {1896, 4, 24, 24}},
        {"a top panel, a dock at the right", panelEndFrame(screen, {0, 32, 1836, 1048}), {1896, 4, 24, 24}},
        {"a bottom panel, a dock at the left",
         panelEndFrame(screen, {84, 0, 1836, 1036}),
         {1896, 1046, 24, 24}},
        {"a top panel, a dock at the bottom short of the right end, as their struts tell",
         panelEndFrame(screen, {0, 32, 1920, 964}, {centredDock, {ScreenSide::top, {0, 0, 1920, 32}}}),
         {1896, 4, 24, 24}},
        {"a left panel, a dock at the bottom short of the right end, as their struts tell",
         panelEndFrame(screen, {48, 0, 1872, 996}, {{ScreenSide::left, {0, 0, 48, 1080}}, centredDock}),
         {12, 1056, 24, 24}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.found, row.frame) << row.what;
    }
    EXPECT_EQ(popoverFrame(panelEndFrame(screen, underTopPanel), {900, 500}, underTopPanel, popover),
              QRect(1500, 32, 420, 560))
        << "under the end of a top panel";
    EXPECT_EQ(
        popoverFrame(panelEndFrame(screen, {0, 0, 1920, 1040}), {900, 500}, {0, 0, 1920, 1040}, popover),
        QRect(1500, 480, 420, 560))
        << "above the end of a bottom panel";
}

// With more than one screen the toolkit tells no work area: the panels' struts tell where each screen
// has a panel, and so which screen the tray is on and where the press on its icon was.
TEST(PopoverPlacement, OnSeveralScreensThePanelsTellWhereTheTraySits) {
    const QRect left(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1920, 1080);
    const QSize desktop(3840, 1080);
    // Xfce's panel as long as its tray, at the top right of a screen.
    const auto topRightPanel = [](int screenRight) {
        PanelStrut strut;
        strut.top = 33;
        strut.topStartX = screenRight - 18;
        strut.topEndX = screenRight;
        return strut;
    };
    PanelStrut bottomOfTheRight;
    bottomOfTheRight.bottom = 40;
    bottomOfTheRight.bottomStartX = 1920;
    bottomOfTheRight.bottomEndX = 3839;
    // A panel at the left edge of the right screen keeps all of the left screen too, to reach the edge.
    PanelStrut innerEdge;
    innerEdge.left = 1968;
    innerEdge.leftEndY = 1079;
    // A dock centred along the bottom of the right screen.
    PanelStrut centredDock;
    centredDock.bottom = 84;
    centredDock.bottomStartX = 2560;
    centredDock.bottomEndX = 3199;
    struct Row {
        const char* what;
        std::vector<ReportedScreen> screens;
        DesktopPanels panels;
        std::size_t primary;
        TrayAnchor anchor;
        TrayHolder holder = TrayHolder::somePanel;
    };
    const Row rows[] = {
        {"one screen: the toolkit's work area, as ever",
         {{screen, {0, 32, 1920, 1048}}},
         {desktop, {topRightPanel(3839)}, {}},
         0,
         {{1896, 4, 24, 24}, {0, 32, 1920, 1048}}},
        {"one screen without a panel: at the pointer", {{screen, screen}}, {}, 0, {{}, screen}},
        {"the panel on the right screen, the left one the main",
         {{left, left}, {right, right}},
         {desktop, {topRightPanel(3839)}, QRect(0, 32, 3840, 1048)},
         0,
         {{3816, 4, 24, 24}, {1920, 33, 1920, 1047}}},
        {"the panel on the main screen, at the left",
         {{left, left}, {right, right}},
         {desktop, {topRightPanel(1919)}, QRect(0, 32, 3840, 1048)},
         0,
         {{1896, 4, 24, 24}, {0, 33, 1920, 1047}}},
        {"the main screen's panel before another's",
         {{left, left}, {right, right}},
         {desktop, {topRightPanel(3839), topRightPanel(1919)}, {}},
         1,
         {{3816, 4, 24, 24}, {1920, 33, 1920, 1047}}},
        {"a panel at the bottom",
         {{left, left}, {right, right}},
         {desktop, {bottomOfTheRight}, {}},
         0,
         {{3816, 1048, 24, 24}, {1920, 0, 1920, 1040}}},
        {"a panel at the inner edge of the right screen",
         {{left, left}, {right, right}},
         {desktop, {innerEdge}, {}},
         0,
         {{1932, 1056, 24, 24}, {1968, 0, 1872, 1080}}},
        {"a strut along a whole edge, in the older form",
         {{left, left}, {right, right}},
         {desktop, {*panelStrut({0, 0, 0, 40}, desktop)}, {}},
         0,
         {{1896, 1048, 24, 24}, {0, 0, 1920, 1040}}},
        {"no strut: the work area the manager publishes",
         {{left, left}, {right, right}},
         {desktop, {}, QRect(0, 32, 3840, 1048)},
         0,
         {{1896, 4, 24, 24}, {0, 32, 1920, 1048}}},
        {"no panel on any screen: at the pointer, on the main screen",
         {{left, left}, {right, right}},
         {desktop, {}, {}},
         1,
         {{}, right}},
        {"a screen at twice the desktop's pixels",
         {{left, left}, {{1920, 0, 960, 540}, {1920, 0, 960, 540}, 2}},
         {desktop, {PanelStrut{0, 0, 64, 0, 0, 0, 0, 0, 1920, 3839, 0, 0}}, {}},
         0,
         {{2856, 4, 24, 24}, {1920, 32, 960, 508}}},
        {"a dock at the bottom of the right screen, short of its end, under the panel at its top right",
         {{left, left}, {right, right}},
         {desktop, {topRightPanel(3839), centredDock}, {}},
         0,
         {{3816, 4, 24, 24}, {1920, 33, 1920, 963}}},
        {"GNOME's top bar on the main screen, its dock at the left",
         {{left, left}, {right, right}},
         {desktop, {}, QRect(84, 32, 3756, 1048)},
         0,
         {{1896, 4, 24, 24}, {84, 32, 1836, 1048}},
         TrayHolder::gnomeTopBar},
    };
    for (const Row& row : rows) {
        std::vector<QRect> geometries;
        for (const ReportedScreen& reported : row.screens) {
            geometries.push_back(reported.geometry);
        }
        EXPECT_EQ(trayAnchor(geometries, workAreas(row.screens, row.panels), row.primary,
                             panelBands(row.screens, row.panels), row.holder),
                  row.anchor)
            << row.what;
    }

    const std::vector<QRect> areas =
        workAreas({{left, left}, {right, right}}, {desktop, {topRightPanel(3839)}, {}});
    EXPECT_EQ(clickedIconFrame(QPoint(3830, 16), right, areas[1]), QRect(3818, 4, 24, 24))
        << "a press on the panel";
    EXPECT_EQ(clickedIconFrame(QPoint(2500, 500), right, areas[1]), QRect())
        << "the tray's keys, the pointer beside the panel's screen's work area";
}

TEST(SidebarWidths, FollowTheWindowAndTheStyle) {
    using WindowChrome::SidebarWidths;
    EXPECT_EQ(WindowChrome::sidebarWidths({1100, 750}, TableStyleID::satin), (SidebarWidths{300, 360}));
    EXPECT_EQ(WindowChrome::sidebarWidths({1600, 900}, TableStyleID::satin), (SidebarWidths{384, 796}));
    EXPECT_EQ(WindowChrome::sidebarWidths({2000, 1200}, TableStyleID::satin), (SidebarWidths{480, 1196}));
    EXPECT_EQ(WindowChrome::sidebarWidths({1100, 750}, TableStyleID::pixel), (SidebarWidths{300, 664}));
}

TEST(SidebarWidths, TheIdealNeverPassesTheMaximum) {
    const auto narrow = WindowChrome::sidebarWidths({900, 2000}, TableStyleID::satin);
    EXPECT_EQ(narrow.max, 360);
    EXPECT_LE(narrow.ideal, narrow.max);
}

TEST(WindowChromeText, TitlesAndLeaveFollowTheGame) {
    EXPECT_EQ(WindowChrome::title(GameMode::sitAndGo), "Sit & Go");
    EXPECT_EQ(WindowChrome::title(GameMode::practice), "Practice Hand");
    EXPECT_EQ(WindowChrome::title(std::nullopt), "Chipwhistle");
    EXPECT_EQ(TopBarText::leaveTitle(GameMode::sitAndGo), "Forfeit");
    EXPECT_EQ(TopBarText::leaveTitle(GameMode::cashTable), "Leave Table");
    EXPECT_EQ(TopBarText::leaveTitle(GameMode::quickHand), "Leave");
    EXPECT_EQ(TopBarText::leaveTitle(GameMode::practice), "Leave");
    EXPECT_EQ(TopBarText::leaveTitle(std::nullopt), "Leave Table");
}

TEST(WindowChromeText, PauseReadsResumeForAnyPauseButTheNarration) {
    EXPECT_EQ(WindowChrome::pauseControl({}).title, "Pause");
    EXPECT_EQ(WindowChrome::pauseControl({PauseReason::practice}),
              (WindowChrome::Control{"Pause", "pause.fill", "Pause (P)"}));
    EXPECT_EQ(WindowChrome::pauseControl({PauseReason::hidden}),
              (WindowChrome::Control{"Resume", "play.fill", "Resume (P)"}));
    EXPECT_EQ(WindowChrome::pauseControl({PauseReason::guide, PauseReason::practice}).title, "Resume");
}

TEST(WindowChromeText, TheTitleCarriesTheGamesStandingOnceAHandIsDealt) {
    PokerEngine::PlayerView view;
    view.blinds = PokerEngine::BlindLevel{20, 40, 0};
    view.handNumber = 12;
    EXPECT_EQ(WindowChrome::windowTitle(true, GameMode::sitAndGo, view),
              QString::fromUtf8("Sit & Go \u2014 Level 2 \u00b7 Blinds 20/40 \u00b7 Hand 12"));
    EXPECT_EQ(WindowChrome::windowTitle(true, GameMode::cashTable, view),
              QString::fromUtf8("Cash Table \u2014 Blinds 20/40 \u00b7 Hand 12"))
        << "only a Sit & Go has levels";
    EXPECT_EQ(WindowChrome::windowTitle(true, GameMode::sitAndGo, std::nullopt), "Sit & Go")
        << "no hand dealt yet";
    EXPECT_EQ(WindowChrome::windowTitle(false, GameMode::sitAndGo, view), "Chipwhistle") << "the lobby";
}

TEST(WindowChromeText, TheGuideAndSidebarControlsMoveTheSidebar) {
    using WindowChrome::Sidebar;
    using enum WindowChrome::SidebarContent;
    struct Case {
        Sidebar before;
        Sidebar afterGuide;
        Sidebar afterSidebar;
        // Beside a table, the guide exists only while it shows.
        bool guideLives;
        // Whether each control brings the guide out, so that it reads its page.
        bool guideComesOut;
        bool sidebarBringsTheGuide;
    };
    for (const Case& c : {
             // The guide showing: "Poker Basics" goes back to the log and the sidebar stays out.
             Case{{true, guide}, {true, log}, {false, guide}, true, false, false},
             // The log showing, or the sidebar away: it comes out on the guide.
             Case{{true, log}, {true, guide}, {false, log}, false, true, false},
             Case{{false, log}, {true, guide}, {true, log}, false, true, false},
             Case{{false, guide}, {true, guide}, {true, guide}, false, true, true},
         }) {
        EXPECT_EQ(WindowChrome::afterGuideControl(c.before), c.afterGuide);
        EXPECT_EQ(WindowChrome::afterSidebarControl(c.before), c.afterSidebar);
        EXPECT_EQ(WindowChrome::guideLives(true, c.before), c.guideLives);
        EXPECT_FALSE(WindowChrome::guideLives(false, c.before)) << "the lobby has no guide in a sidebar";
        EXPECT_EQ(WindowChrome::guideComesOut(true, c.before, c.afterGuide), c.guideComesOut);
        EXPECT_EQ(WindowChrome::guideComesOut(true, c.before, c.afterSidebar), c.sidebarBringsTheGuide);
        EXPECT_FALSE(WindowChrome::guideComesOut(false, c.before, c.afterGuide)) << "the lobby";
    }
}

TEST(WindowChromeText, SoundAndSidebarControls) {
    EXPECT_EQ(WindowChrome::soundControl(true).title, "Mute Sounds");
    EXPECT_EQ(WindowChrome::soundControl(false),
              (WindowChrome::Control{"Unmute Sounds", "speaker.slash.fill", "Unmute Sounds"}));
    EXPECT_EQ(WindowChrome::sidebarControl(true).help, "Hide Sidebar");
    EXPECT_EQ(WindowChrome::sidebarControl(false).help, "Show Sidebar");
}

} // namespace
