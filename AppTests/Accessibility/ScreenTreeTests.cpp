// Every screen read as a screen reader reads it: each focusable element named and in a role that is
// spoken, no description repeating a name, no empty frame, every titled control related to its title.
#include "Game/BotSeating.h"
#include "Learn/GuideDestination.h"
#include "Views/Controls/StakePicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/HomeView.h"
#include "Views/Home/NewGameSheet.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/TermPanel.h"
#include "Views/Onboarding/OnboardingRoot.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Table/ActionBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "Accessibility/AccessibleTree.h"
#include "Home/LobbyHarness.h"
#include "Support/WidgetEvents.h"
#include "Table/TableScreenHarness.h"

namespace {

void expectReadable(QWidget* root, const char* screen) {
    const QStringList found = AccessibleTree::problems(root);
    EXPECT_TRUE(found.isEmpty()) << screen << ":\n  " << found.join(QStringLiteral("\n  ")).toStdString();
}

struct Lobby {
    explicit Lobby(TableSurface surface, LobbyHarness& harness)
        : view(AppEnvironment{&harness.state, &harness.controller}, surface,
               TableTheme::drawnIn(TableStyleID::satin, surface, 2, {}),
               surface == TableSurface::window ? std::optional<QSize>(HomeColumn::window) : std::nullopt) {
        // Settled: every motion of the lobby is over from the first look.
        view.clock().setTimeSource([] { return 100.0; });
        view.resize(surface == TableSurface::window ? QSize(700, 720) : QSize(420, 560));
        view.show();
    }
    HomeView view;
};

} // namespace

TEST(ScreenTree, TheLobbyItsSheetsNoticesAndTermPanels) {
    for (TableSurface surface : {TableSurface::popover, TableSurface::window}) {
        SCOPED_TRACE(surface == TableSurface::popover ? "popover" : "window");
        {
            LobbyHarness harness;
            Lobby lobby(surface, harness);
            expectReadable(&lobby.view, "lobby");
        }
        for (GameMode mode :
             {GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable, GameMode::practice}) {
            LobbyHarness harness;
            Lobby lobby(surface, harness);
            lobby.view.model().openSheet(mode);
            ASSERT_TRUE(lobby.view.sheet());
            expectReadable(&lobby.view, toString(mode).data());
        }
        {
            // A stake the bankroll can't reach, tried: why is read under the stakes, where a blank
            // line was skipped before.
            LobbyHarness harness;
            harness.setBankroll(935);
            Lobby lobby(surface, harness);
            lobby.view.model().openSheet(GameMode::cashTable);
            NewGameSheet* sheet = lobby.view.sheet();
            QAccessibleInterface* line = QAccessible::queryAccessibleInterface(sheet->messageLine());
            EXPECT_TRUE(line->state().invisible) << "the blank line keeping its place is skipped";
            WidgetEvents::click(sheet->stakePicker()->card(CashStakes::medium));
            EXPECT_FALSE(line->state().invisible);
            EXPECT_EQ(line->text(QAccessible::Name), "25/50 needs 2,000 chips (40 BB). You have 935.");
            expectReadable(&lobby.view, "the reason a stake is locked");
        }
        {
            LobbyHarness harness;
            harness.setBankroll(120);
            Lobby lobby(surface, harness);
            lobby.view.model().choose(GameMode::sitAndGo);
            expectReadable(&lobby.view, "the notice that the bankroll is short");
        }
        {
            LobbyHarness harness;
            Lobby lobby(surface, harness);
            lobby.view.model().openSheet(GameMode::cashTable);
            lobby.view.sheet()->explain(Term::buyIn);
            TermPanel* panel = lobby.view.sheet()->termPanel();
            ASSERT_TRUE(panel);
            expectReadable(&lobby.view, "the term panel");
            QAccessibleInterface* card = QAccessible::queryAccessibleInterface(panel);
            EXPECT_EQ(card->role(), QAccessible::Dialog);
            EXPECT_TRUE(card->state().modal);
            EXPECT_FALSE(card->text(QAccessible::Name).isEmpty());
        }
    }
}

TEST(ScreenTree, TheTableMidHandAndOver) {
    for (TableSurface surface : {TableSurface::popover, TableSurface::window}) {
        SCOPED_TRACE(surface == TableSurface::popover ? "popover" : "window");
        TableScreenHarness table(surface, true);
        auto& controller = table.game.controller;
        controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 12, 1)));
        for (int i = 0; i < 400 && !controller.isHeroTurn(); ++i)
            table.game.scheduler.advance(std::chrono::milliseconds(100));
        ASSERT_TRUE(controller.isHeroTurn());
        table.game.scheduler.advance(std::chrono::seconds(1));
        table.screen->show();
        expectReadable(table.screen.get(), "mid-hand");

        table.playByKeys([&] { table.press(Qt::Key_F, QStringLiteral("f")); });
        ASSERT_TRUE(controller.tableOver());
        expectReadable(table.screen.get(), "table over");
    }
}

TEST(ScreenTree, TheTableSpeaksItsSeatsPotCardsAndDealerInReadingOrder) {
    // In learning mode the cards are spoken with their hand: "Your cards: …".
    TableScreenHarness table(TableSurface::popover, true);
    auto& controller = table.game.controller;
    controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 12, 1)));
    for (int i = 0; i < 400 && !controller.isHeroTurn(); ++i)
        table.game.scheduler.advance(std::chrono::milliseconds(100));
    table.game.scheduler.advance(std::chrono::seconds(1));
    table.screen->show();
    QAccessibleInterface* stage = QAccessible::queryAccessibleInterface(&table.screen->stage());
    ASSERT_TRUE(stage);
    QStringList spoken;
    for (int index = 0; index < stage->childCount(); ++index) {
        QAccessibleInterface* child = stage->child(index);
        if (child->state().invisible || child->text(QAccessible::Name).isEmpty())
            continue;
        EXPECT_EQ(child->role(), QAccessible::StaticText) << child->text(QAccessible::Name).toStdString();
        spoken << child->text(QAccessible::Name);
    }
    const QString all = spoken.join(QStringLiteral(" | "));
    const auto at = [&](const QString& start) {
        for (int index = 0; index < spoken.size(); ++index)
            if (spoken[index].startsWith(start))
                return index;
        return -1;
    };
    const int pot = at(QStringLiteral("Pot"));
    const int cards = at(QStringLiteral("Your cards"));
    const int dealer = at(QStringLiteral("Dealer button"));
    ASSERT_GE(pot, 0) << all.toStdString();
    ASSERT_GE(cards, 0) << all.toStdString();
    ASSERT_GE(dealer, 0) << all.toStdString();
    EXPECT_GT(pot, 0) << "the seats come first: " << all.toStdString();
    EXPECT_LT(pot, cards) << all.toStdString();
    EXPECT_LT(cards, dealer) << all.toStdString();

    // The presets are one group of radio buttons, the chosen one checked.
    ActionBar* bar = table.screen->actionBar();
    ASSERT_TRUE(bar && bar->isVisible());
    StyledButton* half = bar->presetButton(RaisePreset::halfPot);
    QAccessibleInterface* preset = QAccessible::queryAccessibleInterface(half);
    EXPECT_EQ(preset->role(), QAccessible::RadioButton);
    QAccessibleInterface* group = preset->parent();
    ASSERT_TRUE(group);
    EXPECT_EQ(group->role(), QAccessible::Grouping);
    EXPECT_EQ(group->text(QAccessible::Name), "Raise presets");
    int checked = 0;
    for (int index = 0; index < group->childCount(); ++index) {
        EXPECT_EQ(group->child(index)->role(), QAccessible::RadioButton);
        checked += group->child(index)->state().checked ? 1 : 0;
    }
    EXPECT_LE(checked, 1);
    WidgetEvents::click(half);
    EXPECT_TRUE(preset->state().checked);
}

TEST(ScreenTree, SettingsNamesEachControlByItsTitleAndDescribesItByItsLine) {
    LobbyHarness harness;
    SettingsView settings(AppEnvironment{&harness.state, &harness.controller});
    settings.show();
    expectReadable(&settings, "settings");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&settings)->role(), QAccessible::Window);

    // A reader on Linux says a drop-down's label from its relation, then its value: "Bot speed, Normal".
    QStringList titles;
    for (QComboBox* box : settings.findChildren<QComboBox*>()) {
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(box);
        const auto labels = element->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1u) << box->currentText().toStdString();
        const QString title = labels[0].first->text(QAccessible::Name);
        EXPECT_EQ(box->accessibleName(), title) << "named by its title where a platform reads the name";
        titles << title;
    }
    titles.sort();
    EXPECT_EQ(titles, QStringList({"Bot speed", "Default table", "Open Chipwhistle in"}));

    const std::map<QString, QString> lines{
        {"Learning mode", "Names your hand, rates your starting cards and explains each result."},
        {"Four-color deck", "Blue diamonds and green clubs. Suit symbols always show."},
        {"Show stack in system tray", "Your chips at the table, or your bankroll when you're not playing."},
        {"Global shortcut", "Opens and closes Chipwhistle from any app."}};
    for (QCheckBox* box : settings.findChildren<QCheckBox*>()) {
        const auto line = lines.find(box->text());
        if (line == lines.end())
            continue;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description), line->second)
            << box->text().toStdString();
    }
}

TEST(ScreenTree, TheGuidesTabsAndTheOnboardingPages) {
    for (GuideDestination opening :
         {GuideDestination::basics(0), GuideDestination::basics(5), GuideDestination::glossary(std::nullopt),
          GuideDestination::rankings(), GuideDestination::starters()}) {
        PokerBasicsView::Setup setup;
        setup.opening = opening;
        PokerBasicsView guide(setup);
        guide.resize(440, 600);
        guide.show();
        // A search field is read with what the player typed in it.
        if (auto* glossary = qobject_cast<GlossaryTab*>(guide.tabContent())) {
            glossary->searchField()->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(glossary->searchField(), "pot");
        }
        expectReadable(&guide, "guide");
    }
    AppState state{std::nullopt};
    Announcer announcer;
    announcer.setShowsNotifications(false);
    OnboardingView onboarding(&state, OnboardingRoot::flowTheme({}, false), &announcer, [] {});
    onboarding.show();
    for (int page = 0; page < 3; ++page) {
        onboarding.go(page);
        expectReadable(&onboarding, "onboarding");
    }
}
