// The crowded table on every surface a player meets, the smallest window included, in every style,
// light and dark: every seat betting tall stacks beside the blinds' tags, and a showdown where every bot
// shows. Written under gallery/table-layout for a person to look at.
#include "CrowdedTable.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Game/ControllerHarness.h"
#include "Style/Drawing/Colors.h"
#include "Style/LabelColors.h"
#include "Support/TestPaths.h"
#include "SurfaceCoordinator.h"
#include "TableScreenHarness.h"
#include "Views/Table/FeltLabels.h"
#include "Views/Table/TableScreen.h"
#include "Views/WindowRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <optional>

#include <gtest/gtest.h>

namespace {

// The table screen's size in the window at `size`, or at the smallest size the window allows.
QSizeF windowScreen(std::optional<QSize> size = std::nullopt) {
    ControllerHarness harness;
    AppState appState{std::nullopt};
    SurfaceCoordinator surfaces{harness.controller};
    WindowRoot window(AppEnvironment{&appState, &harness.controller, &surfaces, nullptr, nullptr, nullptr});
    window.resize(size.value_or(window.minimumSize()));
    harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 3, 1)));
    window.show();
    QCoreApplication::processEvents();
    const auto* screen = window.findChild<TableScreen*>();
    const QSizeF inside = screen ? QSizeF(screen->size()) : QSizeF();
    window.close();
    return inside;
}

QImage paint(const StageView::Inputs& inputs) {
    StageView stage;
    double now = 0;
    stage.clock().setTimeSource([&now] { return now; });
    stage.resize(inputs.geometry.stage.toSize());
    stage.show(inputs);
    // Everything dealt, moved and turned up.
    now = 10;
    // The window's own background under the page, as behind the table screen: satin draws no page.
    QImage image(inputs.geometry.stage.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(toQColor(LabelColors::window(inputs.theme.dark)));
    QPainter painter(&image);
    PageBackground::paint(painter, QRectF(QPointF(), inputs.geometry.stage), inputs.theme);
    stage.paintStage(painter);
    return image;
}

} // namespace

TEST(TableLayoutGallery, CrowdedTables) {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/table-layout");
    QDir().mkpath(folder);
    const QSizeF smallest = windowScreen();
    ASSERT_FALSE(smallest.isEmpty());
    const std::vector<std::pair<QString, std::pair<TableSurface, QSizeF>>> surfaces{
        {QStringLiteral("popover"), {TableSurface::popover, {}}},
        {QStringLiteral("window-smallest"), {TableSurface::window, smallest}},
        {QStringLiteral("window-900x620"), {TableSurface::window, windowScreen(QSize(900, 620))}},
        {QStringLiteral("window-1100x688"), {TableSurface::window, windowScreen(QSize(1100, 688))}},
        {QStringLiteral("window-1366x768"), {TableSurface::window, windowScreen(QSize(1366, 768))}},
        {QStringLiteral("window"), {TableSurface::window, QSizeF(1100, 750)}}};
    for (const auto& [surfaceName, surface] : surfaces) {
        for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableGeometry geometry = CrowdedTable::geometry(surface.first, style, surface.second);
            for (const bool dark : {false, true}) {
                for (const auto moment : {CrowdedTable::Moment::betting, CrowdedTable::Moment::showdown}) {
                    const QString name =
                        QStringLiteral("%1/%2-%3-%4-%5.png")
                            .arg(folder, surfaceName, QString::fromUtf8(toString(style)),
                                 dark ? "dark" : "light",
                                 moment == CrowdedTable::Moment::betting ? "bets" : "showdown");
                    EXPECT_TRUE(paint(CrowdedTable::inputs(moment, geometry, style, dark)).save(name))
                        << name.toStdString();
                }
                // The losers knocked out of the game by the showdown: "Out" under the cards they showed.
                auto out = CrowdedTable::inputs(CrowdedTable::Moment::showdown, geometry, style, dark);
                for (auto& seat : out.seats) {
                    if (!seat.isHero && !seat.isWinner) {
                        seat.status = PokerEngine::SeatStatus::busted;
                        seat.stackLine = SeatModel::StackLine::out();
                        seat.hasCards = false;
                    }
                }
                const QString name = QStringLiteral("%1/%2-%3-%4-knocked-out.png")
                                         .arg(folder, surfaceName, QString::fromUtf8(toString(style)),
                                              dark ? "dark" : "light");
                EXPECT_TRUE(paint(out).save(name)) << name.toStdString();
            }
        }
    }
}

// Two to six seats betting thousands, before the flop with the blinds' and callers' few chips out beside
// the blinds' tags and the player to act, and at the showdown, in the popover and a mid-sized window.
TEST(TableLayoutGallery, EverySeatCount) {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/table-layout/seats");
    QDir().mkpath(folder);
    const std::vector<std::pair<QString, std::pair<TableSurface, QSizeF>>> surfaces{
        {QStringLiteral("popover"), {TableSurface::popover, {}}},
        {QStringLiteral("window-900x620"), {TableSurface::window, windowScreen(QSize(900, 620))}}};
    for (const auto& [surfaceName, surface] : surfaces) {
        for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableGeometry geometry = CrowdedTable::geometry(surface.first, style, surface.second);
            for (int seats = 2; seats <= 6; ++seats) {
                for (const bool dark : {false, true}) {
                    for (const auto& [moment, momentName] :
                         {std::pair{CrowdedTable::Moment::betting, "bets"},
                          std::pair{CrowdedTable::Moment::blinds, "blinds"},
                          std::pair{CrowdedTable::Moment::showdown, "showdown"}}) {
                        const QString name = QStringLiteral("%1/%2-%3-%4seats-%5-%6.png")
                                                 .arg(folder, surfaceName, QString::fromUtf8(toString(style)))
                                                 .arg(seats)
                                                 .arg(dark ? "dark" : "light", momentName);
                        EXPECT_TRUE(
                            paint(CrowdedTable::inputs(moment, geometry, style, dark, {seats, 0})).save(name))
                            << name.toStdString();
                    }
                }
            }
        }
    }
}

// A Sit & Go played by keys in the real table screen at the smallest window's size, grabbed on the
// flop and at the first showdown, in every style: the screen draws its low table at the popover's sizes.
TEST(TableLayoutGallery, SmallestWindowPlayed) {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/table-layout");
    QDir().mkpath(folder);
    const QSize smallest = windowScreen().toSize();
    ASSERT_FALSE(smallest.isEmpty());
    for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
        TableScreenHarness table(TableSurface::window);
        table.screen->resize(smallest);
        table.screen->setPreviewStyle(style);
        auto& game = table.game;
        game.controller.start(
            GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 7), 7}));
        const auto grab = [&](const QString& moment) {
            game.scheduler.advance(std::chrono::seconds(3));
            const QString name = QStringLiteral("%1/window-smallest-played-%2-%3.png")
                                     .arg(folder, QString::fromUtf8(toString(style)), moment);
            EXPECT_TRUE(table.picture().save(name)) << name.toStdString();
        };
        PokerEngine::Street street = PokerEngine::Street::preflop;
        for (int step = 0; step < 4000 && street != PokerEngine::Street::handComplete; ++step) {
            auto& controller = game.controller;
            if (const auto now = controller.state()->street(); now != street) {
                street = now;
                if (now == PokerEngine::Street::flop || now == PokerEngine::Street::handComplete) {
                    grab(QString::fromUtf8(toString(now)));
                }
            }
            if (table.canAct()) {
                table.press(Qt::Key_C, QStringLiteral("c"));
            } else if (game.scheduler.nextDue()) {
                game.scheduler.advance(*game.scheduler.nextDue() - game.scheduler.now());
            } else {
                break;
            }
        }
        EXPECT_EQ(street, PokerEngine::Street::handComplete);
    }
}
