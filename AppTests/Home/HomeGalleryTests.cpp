#include "Game/BotSeating.h"
#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/Colors.h"
#include "Style/LabelColors.h"
#include "Views/Controls/BuyInSlider.h"
#include "Views/Controls/LobbyArt.h"
#include "Views/Controls/OpponentStepper.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StakePicker.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/HomePieces.h"
#include "Views/Home/HomeView.h"
#include "Views/Home/NewGameSheet.h"

#include "Home/LobbyHarness.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QVBoxLayout>

#include "Support/WidgetEvents.h"

#include <gtest/gtest.h>

using WidgetEvents::DesktopAppearance;

// Renders the lobby in its states on both surfaces, each new-game sheet and notice, and the controls
// and art pieces in each style, to PNG files under the build folder for a person to look at.

namespace {

QString folder() {
    return WidgetEvents::galleryFolder(QStringLiteral("home"));
}

TableTheme themeFor(TableStyleID style, bool dark, TableSurface surface = TableSurface::popover) {
    return TableTheme::drawnIn(style, surface, surface == TableSurface::window ? 3 : 2,
                               AppearanceFlags{dark, false, false});
}

void save(QWidget& widget, const QString& name) {
    ASSERT_TRUE(widget.grab().save(folder() + u'/' + name + QStringLiteral(".png")));
}

// `settled` false: the shot is taken a third of the way through the lobby motion.
void shoot(LobbyHarness& lobby, const QString& name, bool dark, TableSurface surface,
           const std::function<void(HomeView&)>& act = {}, bool settled = true) {
    const bool window = surface == TableSurface::window;
    const DesktopAppearance desktop(dark);
    HomeView view(AppEnvironment{&lobby.state, &lobby.controller}, surface,
                  themeFor(TableStyleID::satin, dark, surface),
                  window ? std::optional<QSize>(HomeColumn::window) : std::nullopt);
    // The lobby's motion runs on a clock this shot controls: act at 0, look once everything has settled.
    double now = 0;
    view.clock().setTimeSource([&now] { return now; });
    view.resize(window ? QSize(700, 720) : QSize(420, 560));
    view.show();
    if (act)
        act(view);
    now = settled ? 100 : 0.08;
    emit view.clock().ticked();
    // The bankroll rolls, and a sheet's panel and seats move, each on its own clock.
    view.bankroll()->clock().setTimeSource([&now] { return now; });
    emit view.bankroll()->clock().ticked();
    if (NewGameSheet* sheet = view.sheet()) {
        sheet->clock().setTimeSource([&now] { return now; });
        emit sheet->clock().ticked();
    }
    save(view, name + (dark ? QStringLiteral("-dark") : QStringLiteral("-light")) +
                   (window ? QStringLiteral("-window") : QStringLiteral("-popover")));
}

void bothSurfaces(LobbyHarness& lobby, const QString& name, const std::function<void(HomeView&)>& act = {}) {
    for (bool dark : {false, true})
        for (TableSurface surface : {TableSurface::popover, TableSurface::window})
            shoot(lobby, name, dark, surface, act);
}

} // namespace

TEST(HomeGallery, HomeScreenStates) {
    {
        LobbyHarness lobby;
        bothSurfaces(lobby, QStringLiteral("home-new-player"));
    }
    {
        LobbyHarness lobby;
        lobby.setBankroll(300);
        lobby.state.setDefaultTable(GameMode::sitAndGo);
        bothSurfaces(lobby, QStringLiteral("home-cant-afford"));
    }
    {
        LobbyHarness lobby;
        Profile profile = lobby.state.profile();
        profile.onboarded = true;
        profile.bankroll = 640;
        profile.lastRefillCheckDay = CalendarDay{2026, 3, 6};
        profile.settings.learningMode = true;
        lobby.state.setProfile(profile);
        bothSurfaces(lobby, QStringLiteral("home-refill-and-practice"));
    }
    const std::vector<std::pair<QString, SavedGame>> saves{
        {QStringLiteral("home-resume-quick-hand"), SavedGameFixtures::quickHand(3)},
        {QStringLiteral("home-resume-cash-table"), savedWithBoard(5)},
        {QStringLiteral("home-resume-sit-and-go"), SavedGameFixtures::sitAndGo(3)}};
    for (const auto& [name, saved] : saves) {
        LobbyHarness lobby;
        lobby.state.checkpoint(saved);
        bothSurfaces(lobby, name);
    }
}

TEST(HomeGallery, NoticesAndSheets) {
    {
        LobbyHarness lobby;
        lobby.setBankroll(120);
        bothSurfaces(lobby, QStringLiteral("notice-cant-afford"),
                     [](HomeView& view) { view.model().choose(GameMode::sitAndGo); });
    }
    {
        LobbyHarness lobby;
        lobby.state.checkpoint(SavedGameFixtures::sitAndGo(2));
        bothSurfaces(lobby, QStringLiteral("notice-replace-saved"), [](HomeView& view) {
            view.model().begin(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 3, 1)));
        });
    }
    for (GameMode mode : {GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable, GameMode::practice}) {
        LobbyHarness lobby;
        lobby.setChoices([](NewGameChoices& c) { c.cashOpponents = 3; });
        const QString name = QStringLiteral("sheet-") + QString::fromLatin1(toString(mode).data());
        bothSurfaces(lobby, name, [mode](HomeView& view) { view.model().openSheet(mode); });
    }
    // The cash table's preview at every opponent count.
    for (int opponents = 1; opponents <= 5; ++opponents) {
        LobbyHarness lobby;
        lobby.setChoices([opponents](NewGameChoices& c) { c.cashOpponents = opponents; });
        bothSurfaces(lobby, QStringLiteral("sheet-cashTable-%1-opponents").arg(opponents),
                     [](HomeView& view) { view.model().openSheet(GameMode::cashTable); });
    }
    {
        LobbyHarness lobby;
        lobby.setBankroll(935);
        // A locked stake chosen, so its message shows over the buy-in.
        bothSurfaces(lobby, QStringLiteral("sheet-cashTable-short"), [](HomeView& view) {
            view.model().openSheet(GameMode::cashTable);
            view.findChild<StakePicker*>()->card(CashStakes::medium)->click();
        });
    }
}

TEST(HomeGallery, GuideAndTermPanels) {
    {
        LobbyHarness lobby;
        bothSurfaces(lobby, QStringLiteral("guide-over-lobby"),
                     [](HomeView& view) { view.model().openGuide(GuideDestination::basics(0)); });
    }
    {
        LobbyHarness lobby;
        bothSurfaces(lobby, QStringLiteral("guide-glossary-over-sheet"), [](HomeView& view) {
            view.model().openSheet(GameMode::sitAndGo);
            view.model().openGuide(GuideDestination::glossary(Term::sitAndGo));
        });
    }
    const std::vector<std::pair<GameMode, Term>> terms{{GameMode::quickHand, Term::quickHand},
                                                       {GameMode::sitAndGo, Term::sitAndGo},
                                                       {GameMode::cashTable, Term::stakes},
                                                       {GameMode::cashTable, Term::buyIn},
                                                       {GameMode::quickHand, Term::difficulty}};
    for (const auto& [mode, term] : terms) {
        LobbyHarness lobby;
        const QString name = QStringLiteral("term-") + QString::fromLatin1(toString(mode).data()) + u'-' +
                             QString::fromLatin1(toString(term).data());
        bothSurfaces(lobby, name, [mode = mode, term = term](HomeView& view) {
            view.model().openSheet(mode);
            view.sheet()->explain(term);
        });
    }
}

TEST(HomeGallery, LayersOnTheirWay) {
    // A third of the way through the lobby motion: the notice rising and fading in, the sheet rising
    // over the fading column, the guide rising; then the same under Reduce Motion (fades only).
    for (bool reduce : {false, true}) {
        const QString suffix = reduce ? QStringLiteral("-reduced") : QString();
        const auto act = [reduce](const std::function<void(HomeView&)>& change) {
            return [reduce, change](HomeView& view) {
                if (reduce) {
                    TableTheme still = view.art();
                    still.reduceMotion = true;
                    view.setTheme(still);
                }
                change(view);
            };
        };
        {
            LobbyHarness lobby;
            lobby.setBankroll(120);
            shoot(lobby, QStringLiteral("moving-notice") + suffix, false, TableSurface::popover,
                  act([](HomeView& view) { view.model().choose(GameMode::sitAndGo); }), false);
        }
        {
            LobbyHarness lobby;
            shoot(lobby, QStringLiteral("moving-sheet") + suffix, false, TableSurface::popover,
                  act([](HomeView& view) { view.model().openSheet(GameMode::cashTable); }), false);
        }
        {
            LobbyHarness lobby;
            shoot(lobby, QStringLiteral("moving-guide") + suffix, true, TableSurface::window,
                  act([](HomeView& view) { view.model().openGuide(GuideDestination::basics(0)); }), false);
        }
    }
}

TEST(HomeGallery, SeatsComingAndGoing) {
    // The cash table's preview a fifth of a second after the opponents went from 2 to 5, and after
    // they went back from 5 to 2: new seats growing in, old ones shrinking away.
    for (const auto& [from, to] : {std::pair{2, 5}, std::pair{5, 2}}) {
        LobbyHarness lobby;
        lobby.setChoices([from = from](NewGameChoices& c) { c.cashOpponents = from; });
        const DesktopAppearance desktop(false);
        HomeView view(AppEnvironment{&lobby.state, &lobby.controller}, TableSurface::popover,
                      themeFor(TableStyleID::satin, false));
        double now = 0;
        view.clock().setTimeSource([&now] { return now; });
        view.resize(420, 560);
        view.show();
        view.model().openSheet(GameMode::cashTable);
        view.sheet()->clock().setTimeSource([&now] { return now; });
        now = 10;
        emit view.clock().ticked();
        lobby.setChoices([to = to](NewGameChoices& c) { c.cashOpponents = to; });
        now = 10.08;
        emit view.sheet()->clock().ticked();
        save(view, QStringLiteral("moving-seats-%1-to-%2").arg(from).arg(to));
    }
}

TEST(HomeGallery, ArtInEachStyle) {
    const std::vector<ArtIcon> icons{ArtIcon::quickHand, ArtIcon::sitAndGo, ArtIcon::cashTable,
                                     ArtIcon::menuBar,   ArtIcon::window,   ArtIcon::knowsRules,
                                     ArtIcon::newToPoker};
    for (bool dark : {false, true}) {
        QImage sheet(900, 760, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(toQColor(LabelColors::window(dark)));
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing);
        double y = 10;
        for (TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableTheme theme = themeFor(style, dark);
            double x = 10;
            for (ArtIcon icon : icons) {
                LobbyArt::paintIconTile(painter, QRectF(x, y, 64, 64), theme, icon);
                x += 74;
            }
            FloorShadow::paint(painter, QPointF(x + 60, y + 40), theme, 100, 1);
            y += 74;
            x = 10;
            for (GameMode mode : {GameMode::quickHand, GameMode::sitAndGo, GameMode::cashTable}) {
                LobbyArt::paintModeHero(painter, QRectF(x, y, 280, 108), theme, mode);
                x += 290;
            }
            y += 118;
        }
        painter.end();
        ASSERT_TRUE(sheet.save(folder() +
                               (dark ? QStringLiteral("/art-dark.png") : QStringLiteral("/art-light.png"))));
    }
    for (bool dark : {false, true}) {
        QImage sheet(900, 520, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(toQColor(LabelColors::window(dark)));
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing);
        double x = 10;
        for (TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableTheme theme = themeFor(style, dark);
            LobbyArt::SeatedTableScene preview{
                BotSeating::opponents(3, TableDifficulty::mixed, 8), true, true, 24, {}, {0.46, 0.36, 0.34}};
            LobbyArt::paintSeatedTable(painter, QRectF(x, 10, 290, 140), theme, preview);
            LobbyArt::SeatedTableScene resume{BotSeating::opponents(5, TableDifficulty::hard, 3),
                                              false,
                                              false,
                                              22,
                                              savedWithBoard(3).state.board(),
                                              {0.42, 0.5, 0.26}};
            LobbyArt::paintSeatedTable(painter, QRectF(x, 160, 290, 92), theme, resume);
            ArtStage::paint(painter, QRectF(x, 262, 290, 120), theme, 0.5);
            x += 296;
        }
        painter.end();
        ASSERT_TRUE(sheet.save(
            folder() + (dark ? QStringLiteral("/tables-dark.png") : QStringLiteral("/tables-light.png"))));
    }
}
