#include "AppState.h"
#include "Game/BotSeating.h"
#include "Game/DecisionRunner.h"
#include "Game/GameClock.h"
#include "GameController.h"
#include "Scheduler.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Home/HomeView.h"

#include "BotKit/TieredBot.h"
#include "PokerEngine/Engine.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include "OffscreenApplication.h"

// The lobby's two costs: deciding what it shows from the app state, and painting it.

namespace {

struct Lobby {
    ManualScheduler scheduler;
    SchedulerGameClock clock{scheduler, [] { return Instant(std::chrono::seconds(1'773'489'600)); }};
    AppState state{std::nullopt, [] { return Instant(std::chrono::seconds(1'773'489'600)); },
                   QTimeZone::utc()};
    GameController controller{clock, std::make_shared<BotKit::TieredBot>(),
                              std::make_unique<ImmediateDecisionRunner>()};

    // A saved six-seat Sit & Go a few actions in, the heaviest home to describe.
    void saveSitAndGo() {
        controller.setSession(&state);
        controller.start(GameSetup::sitAndGo({BotSeating::opponents(5, TableDifficulty::mixed, 9), 9}));
        const auto saved = controller.snapshot();
        controller.leaveTable();
        state.checkpoint(saved);
    }
};

void BM_HomeModelFromAppState(benchmark::State& run) {
    ensureApplication();
    Lobby lobby;
    lobby.saveSitAndGo();
    for (auto _ : run)
        benchmark::DoNotOptimize(HomeScreenModel::make(lobby.state));
}
BENCHMARK(BM_HomeModelFromAppState);

void BM_PaintHome(benchmark::State& run) {
    ensureApplication();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Lobby lobby;
    if (run.range(0) == 1)
        lobby.saveSitAndGo();
    HomeView view(AppEnvironment{&lobby.state, &lobby.controller}, TableSurface::popover,
                  TableTheme::standard());
    view.resize(420, 560);
    view.show();
    // The sheet opens at 0 on the lobby's clock; the frame measured is the one at `now`.
    double now = 0;
    view.clock().setTimeSource([&now] { return now; });
    if (run.range(0) >= 2)
        view.model().openSheet(GameMode::cashTable);
    now = run.range(0) == 3 ? 0.08 : 100;
    emit view.clock().ticked();
    QImage target(420, 560, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        QPainter painter(&target);
        view.render(&painter);
    }
}
// 0: a new player's home; 1: the resume card of a saved Sit & Go; 2: the cash table's sheet; 3: a
// frame of that sheet rising over the fading column.
BENCHMARK(BM_PaintHome)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace
