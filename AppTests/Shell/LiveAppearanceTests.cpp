// The desktop turning light or dark while the game is open: every screen, redrawn in the new look,
// is pixel for pixel the screen opened in that look from the start. Every movement is run to its end
// on a clock of the test's first, so only a colour left behind can tell the two apart.
#include "Game/ControllerHarness.h"
#include "Table/TableScreenHarness.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Style/Drawing/SystemAppearance.h"
#include "SurfaceCoordinator.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Home/HomeView.h"
#include "Views/Home/NewGameSheet.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Onboarding/OnboardingPage.h"
#include "Views/Onboarding/OnboardingRoot.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/PopoverRoot.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/StageView.h"
#include "Views/Table/TableScreen.h"
#include "Views/WindowRoot.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "Support/PixelDifference.h"
#include "Support/WidgetEvents.h"

namespace {

// One run of the game's screens: its own profile, controller and desktop surfaces.
struct Game {
    AppEnvironment environment() {
        return AppEnvironment{&appState, &harness.controller, &surfaces, nullptr, nullptr,
                              nullptr,   &announcer};
    }
    ControllerHarness harness;
    AppState appState{std::nullopt};
    SurfaceCoordinator surfaces{harness.controller};
    Announcer announcer;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<TableScreenHarness> table;
    // The lobby's clocks: a movement started at 0 has ended at `later`.
    double seconds = 0;
};

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Long after any movement of the lobby ended.
constexpr double later = 100;

// Runs the movements started on `clock` to their end.
void runToTheEnd(Game& game, AnimationClock& clock) {
    game.seconds = later;
    emit clock.ticked();
    settle();
}

// A screen opened in the look of the moment: the widget to picture, the game's windows kept in `game`.
// `opened` is the same screen opened before the switch, where the fresh one must match what it shows.
using Open = std::function<QWidget*(Game& game, QWidget* opened)>;

HomeView* lobbyOf(Game& game, TableSurface surface) {
    if (surface == TableSurface::popover) {
        game.window = std::make_unique<PopoverRoot>(game.environment());
    } else {
        game.window = std::make_unique<WindowRoot>(game.environment());
        game.window->resize(1100, 750);
    }
    game.window->show();
    settle();
    auto* home = game.window->findChild<HomeView*>();
    home->clock().setTimeSource([&game] { return game.seconds; });
    return home;
}

Open lobby(TableSurface surface) {
    return [surface](Game& game, QWidget*) -> QWidget* {
        lobbyOf(game, surface);
        return game.window.get();
    };
}

// A sheet draws a fresh seed each time it opens: the one opened after the switch is made with the
// seed the first one drew, in the lobby's look as the lobby hands it over.
Open sheet(TableSurface surface, GameMode mode) {
    return [surface, mode](Game& game, QWidget* opened) -> QWidget* {
        HomeView* home = lobbyOf(game, surface);
        NewGameSheet* sheet = nullptr;
        if (!opened) {
            home->model().openSheet(mode);
            sheet = home->sheet();
        } else {
            const auto* first = static_cast<NewGameSheet*>(opened);
            sheet = new NewGameSheet(
                HomeLook::lobbyTheme(home->art()), home->art(), game.appState, first->model(), nullptr,
                surface == TableSurface::window ? std::optional(HomeColumn::window) : std::nullopt, home);
            sheet->setGeometry(first->geometry());
            sheet->show();
            // The keys where the sheet puts them as it opens, as in the first.
            sheet->takeKeys();
        }
        sheet->clock().setTimeSource([&game] { return game.seconds; });
        runToTheEnd(game, home->clock());
        runToTheEnd(game, sheet->clock());
        return sheet;
    };
}

Open table(TableSurface surface);

// The guide opens on its first page; the player picks the tab where its switch is drawn.
void pickTab(PokerBasicsView* guide, GuideTab tab) {
    if (tab == GuideTab::basics)
        return;
    // The picker's pill slides on a clock of the test's, run to its end.
    auto seconds = std::make_shared<double>(0);
    AnimationClock& clock = guide->tabPicker()->clock();
    clock.setTimeSource([seconds] { return *seconds; });
    WidgetEvents::click(guide->tabButton(tab));
    *seconds = later;
    emit clock.ticked();
    settle();
}

Open guide(TableSurface surface, GuideTab tab = GuideTab::basics) {
    return [surface, tab](Game& game, QWidget*) -> QWidget* {
        HomeView* home = lobbyOf(game, surface);
        home->model().openGuide(GuideDestination::basics(0));
        runToTheEnd(game, home->clock());
        pickTab(game.window->findChild<PokerBasicsView*>(), tab);
        return game.window.get();
    };
}

void startSitAndGo(ControllerHarness& harness) {
    const std::uint64_t seed = 11;
    harness.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed}));
}

// The guide beside the table in the window, opened from the toolbar, on one of its tabs.
Open sidebarGuide(GuideTab tab) {
    return [tab](Game& game, QWidget*) -> QWidget* {
        auto* root = new WindowRoot(game.environment());
        game.window.reset(root);
        root->resize(1100, 750);
        root->clock().setTimeSource([&game] { return game.seconds; });
        startSitAndGo(game.harness);
        root->show();
        settle();
        // The sidebar's switch, whose pill slides to "Guide".
        AnimationClock& sidebarSwitch = root->findChild<SlidingPicker*>()->clock();
        sidebarSwitch.setTimeSource([&game] { return game.seconds; });
        for (QAction* action : root->toolbar()->actions())
            if (action->text() == QStringLiteral("Poker Basics"))
                WidgetEvents::click(root->toolbar()->widgetForAction(action));
        runToTheEnd(game, root->clock());
        runToTheEnd(game, sidebarSwitch);
        pickTab(root->guide(), tab);
        // The sidebar as it stands beside the table: its switch, and the guide on its ground.
        return root->guide()->parentWidget()->parentWidget();
    };
}

// The guide over the popover's table, on one of its tabs.
Open tableGuide(GuideTab tab) {
    return [tab](Game& game, QWidget*) -> QWidget* {
        QWidget* screen = table(TableSurface::popover)(game, nullptr);
        auto* tableScreen = static_cast<TableScreen*>(screen);
        tableScreen->showGuide(true);
        // The panel's rise, on the table's virtual clock, run to its end.
        game.table->game.scheduler.advance(std::chrono::seconds(2));
        emit tableScreen->clock().ticked();
        settle();
        pickTab(tableScreen->guidePanel(), tab);
        return screen;
    };
}

Open settings() {
    return [](Game& game, QWidget*) -> QWidget* {
        game.window = std::make_unique<SettingsView>(game.environment());
        game.window->resize(game.window->sizeHint());
        game.window->show();
        settle();
        return game.window.get();
    };
}

// The guide over Settings, opened by its button, on one of its tabs.
Open settingsGuide(GuideTab tab) {
    return [tab](Game& game, QWidget* opened) -> QWidget* {
        settings()(game, opened);
        auto* view = static_cast<SettingsView*>(game.window.get());
        for (QAbstractButton* button : view->findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("Poker Basics\u2026"))
                WidgetEvents::click(button);
        settle();
        pickTab(view->guideSheet()->findChild<PokerBasicsView*>(), tab);
        return view->guideSheet();
    };
}

Open onboarding() {
    return [](Game& game, QWidget*) -> QWidget* {
        auto* root = new OnboardingRoot(game.environment());
        game.window.reset(root);
        root->view()->clock().setTimeSource([] { return later; });
        root->view()->currentPage()->clock().setTimeSource([] { return later; });
        root->show();
        settle();
        return root;
    };
}

// A Sit & Go dealt from the same seed, every movement on the table's virtual clock run to its end; the
// root hands the desktop's look to the table screen as the appearance.
Open table(TableSurface surface) {
    return [surface](Game& game, QWidget*) -> QWidget* {
        game.table = std::make_unique<TableScreenHarness>(surface);
        const std::uint64_t seed = 11;
        game.table->game.controller.start(GameSetup::sitAndGo(
            SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::medium, seed), seed}));
        TableScreen& screen = *game.table->screen;
        screen.setAppearance(SystemAppearance::current());
        screen.show();
        game.table->game.scheduler.advance(std::chrono::seconds(30));
        settle();
        return &screen;
    };
}

struct Screen {
    const char* name;
    Open open;
    // The table screen is handed the look by its root; everything else follows the desktop itself.
    bool handedTheLook = false;
    // Turned to increased contrast too, as well as to light and dark.
    bool contrast = false;
};

struct Look {
    bool dark;
    bool contrast;
};

TEST(LiveAppearance, EveryScreenRedrawnAfterTheDesktopTurnsLightOrDarkIsTheScreenOpenedInThatLook) {
    const Screen screens[] = {
        {"popover-lobby", lobby(TableSurface::popover)},
        {"window-lobby", lobby(TableSurface::window)},
        {"popover-quick-hand-sheet", sheet(TableSurface::popover, GameMode::quickHand)},
        {"window-quick-hand-sheet", sheet(TableSurface::window, GameMode::quickHand)},
        {"popover-cash-sheet", sheet(TableSurface::popover, GameMode::cashTable)},
        {"window-cash-sheet", sheet(TableSurface::window, GameMode::cashTable)},
        {"popover-sit-and-go-sheet", sheet(TableSurface::popover, GameMode::sitAndGo)},
        {"window-sit-and-go-sheet", sheet(TableSurface::window, GameMode::sitAndGo)},
        {"popover-guide", guide(TableSurface::popover)},
        {"window-guide", guide(TableSurface::window)},
        {"popover-guide-starters", guide(TableSurface::popover, GuideTab::starters), false, true},
        {"popover-guide-glossary", guide(TableSurface::popover, GuideTab::glossary)},
        {"sidebar-guide-basics", sidebarGuide(GuideTab::basics), false, true},
        {"sidebar-guide-rankings", sidebarGuide(GuideTab::rankings)},
        {"sidebar-guide-starters", sidebarGuide(GuideTab::starters), false, true},
        {"sidebar-guide-glossary", sidebarGuide(GuideTab::glossary)},
        {"popover-table-guide-basics", tableGuide(GuideTab::basics), true, true},
        {"popover-table-guide-rankings", tableGuide(GuideTab::rankings), true},
        {"popover-table-guide-starters", tableGuide(GuideTab::starters), true, true},
        {"popover-table-guide-glossary", tableGuide(GuideTab::glossary), true},
        {"settings", settings()},
        {"settings-guide-starters", settingsGuide(GuideTab::starters), false, true},
        {"onboarding", onboarding()},
        {"popover-table", table(TableSurface::popover), true},
        {"window-table", table(TableSurface::window), true},
    };
    const QString folder = WidgetEvents::galleryFolder("appearance");
    for (const Screen& screen : screens) {
        for (const Look look : {Look{true, false}, Look{false, false}, Look{true, true}, Look{false, true}}) {
            if (look.contrast && !screen.contrast)
                continue;
            const QString name =
                QStringLiteral("%1-to-%2%3")
                    .arg(screen.name, look.dark ? "dark" : "light", look.contrast ? "-contrast" : "");
            SCOPED_TRACE(name.toStdString());
            WidgetEvents::DesktopAppearance before(!look.dark);
            Game switched;
            QWidget* opened = screen.open(switched, nullptr);
            WidgetEvents::DesktopAppearance after(look.dark, look.contrast);
            if (screen.handedTheLook)
                static_cast<TableScreen*>(opened)->setAppearance(SystemAppearance::current());
            settle();
            const QImage live = opened->grab().toImage();
            Game fresh;
            const QImage started = screen.open(fresh, opened)->grab().toImage();
            const PixelDifference difference = pixelDifference(live, started);
            // Every screen as it looks after the switch, for a person to look at; and on a
            // difference, the screen opened in that look beside it.
            live.save(folder + '/' + name + ".png");
            if (difference.pixels != 0)
                started.save(folder + '/' + name + "-opened.png");
            EXPECT_EQ(difference.pixels, 0)
                << "left in the old look inside (" << difference.box.x() << ", " << difference.box.y() << ") "
                << difference.box.width() << " x " << difference.box.height() << "; see "
                << name.toStdString() << ".png";
        }
    }
}

TEST(LiveAppearance, TheGlossarysSearchKeepsItsTextCaretAndSelectionThroughASwitch) {
    const Screen places[] = {
        {"popover-guide-glossary", guide(TableSurface::popover, GuideTab::glossary)},
        {"window-guide-glossary", guide(TableSurface::window, GuideTab::glossary)},
        {"sidebar-guide-glossary", sidebarGuide(GuideTab::glossary)},
        {"popover-table-guide-glossary", tableGuide(GuideTab::glossary), true},
    };
    // "pot" typed, then the caret moved or some of it chosen; after the switch the next key goes where
    // it would have gone before.
    const struct {
        const char* name;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        int cursor;
        std::string selected;
        std::string typedOn;
    } typings[] = {
        {"at the end", {}, 3, "", "pots"},
        {"caret moved", {{Qt::Key_Left, Qt::NoModifier}}, 2, "", "post"},
        {"part chosen", {{Qt::Key_Left, Qt::ShiftModifier}}, 2, "t", "pos"},
    };
    for (const Screen& place : places) {
        for (const auto& typing : typings) {
            SCOPED_TRACE(std::string(place.name) + ", " + typing.name);
            WidgetEvents::DesktopAppearance before(false);
            Game game;
            QWidget* opened = place.open(game, nullptr);
            QApplication::setActiveWindow(opened->window());
            auto* guide = opened->findChild<PokerBasicsView*>();
            ASSERT_TRUE(guide);
            guide->tabButton(GuideTab::glossary)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            settle();
            QTest::keyClicks(QApplication::focusWidget(), "pot");
            for (const auto& [key, modifiers] : typing.keys)
                QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            WidgetEvents::DesktopAppearance after(true);
            if (place.handedTheLook)
                static_cast<TableScreen*>(opened)->setAppearance(SystemAppearance::current());
            settle();
            auto* glossary = qobject_cast<GlossaryTab*>(guide->tabContent());
            ASSERT_TRUE(glossary);
            QLineEdit* field = glossary->searchField();
            // The keys stay in the field (offscreen, the announcement's window can take the active one).
            ASSERT_EQ(field->window()->focusWidget(), field);
            EXPECT_EQ(field->text().toStdString(), "pot");
            EXPECT_EQ(field->cursorPosition(), typing.cursor);
            EXPECT_EQ(field->selectedText().toStdString(), typing.selected);
            QTest::keyClick(field, Qt::Key_S);
            EXPECT_EQ(field->text().toStdString(), typing.typedOn);
        }
    }
}

} // namespace
