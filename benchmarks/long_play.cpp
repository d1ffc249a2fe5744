// Resident memory over long play: two thousand hands at a six-handed cash table, played in the
// popover's table screen, or in the whole table window (its toolbar, the table and the action log
// beside it, as the game builds it), with their animations drawn frame by frame, the real sounds,
// announcer and player data behind them. Time is virtual, so the hands take minutes, not hours.
// Reports the resident size before the first deal, after the first 100 hands, after 1,000 and at the
// end; the climb from hand 100 to 1,000 (memory held until a cache of Qt's fills, which then levels
// off, shows there) and the growth over the second thousand (a leak shows there as a steady climb; a
// plateau as next to nothing); and the peak. Prints the resident size every 100 hands as it goes.
// long_play_desktop.sh measures the whole program the same way on a desktop (the X platform, its
// window images, the tray and the bots on their worker threads), which this offscreen table leaves out.
// Run: bench_long_play [--benchmark_filter=window] [--benchmark_counters_tabular=true]

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Game/GameClock.h"
#include "GameController.h"
#include "Persistence/PersistenceStore.h"
#include "Scheduler.h"
#include "SurfaceCoordinator.h"
#include "System/HeapTrim.h"
#include "Views/AppEnvironment.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/ActionLogView.h"
#include "Views/Table/StageView.h"
#include "Views/Table/TableScreen.h"
#include "Views/WindowRoot.h"

#include "BotKit/TieredBot.h"

#include "OffscreenApplication.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

// Megabytes resident now, from the kernel's own count.
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0;
}

// Where the hands are played: the popover's table, or the window's table with its action log.
enum class Surface { popover, window };

void longPlay(benchmark::State& benchState, Surface surface) {
    ensureApplication();
    constexpr int handsToPlay = 2000;
    constexpr int settleHands = 100;
    constexpr int halfway = handsToPlay / 2;
    // Four frames a second of virtual time: every animation is still drawn part way, at a pace that
    // plays the two thousand hands in well under an hour.
    constexpr std::chrono::milliseconds frame{250};

    for (auto _ : benchState) {
        QTemporaryDir dataFolder;
        ManualScheduler scheduler;
        const auto base = std::chrono::system_clock::now();
        SchedulerGameClock clock(scheduler, [&] { return base + scheduler.now(); });
        auto policy = std::make_shared<BotKit::TieredBot>();
        GameController controller(clock, policy, std::make_unique<ImmediateDecisionRunner>());
        AppState appState(PersistenceStore(dataFolder.path()));
        controller.setSession(&appState);
        controller.setBotSpeed(BotSpeed::fast);
        controller.setAutoDeal(true);
        // As the program does, freed pages go back after each hand.
        HeapTrim::afterEachHand(controller, &appState);
        Announcer announcer;
        SurfaceCoordinator surfaces(controller);
        AppEnvironment environment;
        environment.appState = &appState;
        environment.controller = &controller;
        environment.surfaces = &surfaces;
        environment.announcer = &announcer;
        const auto seconds = [&] { return std::chrono::duration<double>(scheduler.now()).count(); };
        std::unique_ptr<QWidget> surfaceWidget;
        WindowRoot* window = nullptr;
        TableScreen* popoverScreen = nullptr;
        if (surface == Surface::window) {
            // The window as the game builds it: its toolbar is redrawn after every hand, and its table
            // is its own, on the program's timer; its drawing clocks are put on virtual time below.
            auto root = std::make_unique<WindowRoot>(environment);
            window = root.get();
            window->clock().setTimeSource(seconds);
            window->findChild<ActionLogView*>()->clock().setTimeSource(seconds);
            surfaceWidget = std::move(root);
        } else {
            surfaceWidget = std::make_unique<QWidget>();
            auto* row = new QHBoxLayout(surfaceWidget.get());
            row->setContentsMargins(0, 0, 0, 0);
            TableScreen::Services services{&scheduler, nullptr, &announcer,
                                           [&] { return base + scheduler.now(); }};
            popoverScreen = new TableScreen(environment, TableSurface::popover, {}, services);
            row->addWidget(popoverScreen, 1);
            surfaceWidget->resize(420, 560);
        }
        surfaceWidget->show();
        QImage canvas(surfaceWidget->size(), QImage::Format_ARGB32_Premultiplied);
        // The table screen on the surface, its movements drawn in virtual time; the window builds a new
        // one whenever a table starts from none.
        QPointer<TableScreen> timedScreen;
        const auto timeTheTable = [&] {
            TableScreen* screen = window ? qobject_cast<TableScreen*>(window->content()) : popoverScreen;
            if (!screen || screen == timedScreen) {
                return;
            }
            screen->clock().setTimeSource(seconds);
            screen->stage().clock().setTimeSource(seconds);
            timedScreen = screen;
        };

        const auto heroProfile = BotKit::BotProfile::standard(BotKit::BotTier::medium);
        PokerEngine::SeededRNG heroRNG(7, 0);
        std::uint64_t seed = 1;
        std::int64_t handsBefore = 0;
        const auto sitDown = [&] {
            Profile profile = appState.profile();
            profile.bankroll = std::max<std::int64_t>(profile.bankroll, 1'000'000);
            appState.setProfile(profile);
            CashTableSetup setup;
            setup.opponents = BotSeating::opponents(5, TableDifficulty::mixed, seed);
            setup.seed = seed++;
            controller.start(GameSetup::cashTable(setup));
        };
        const auto handsPlayed = [&] {
            return handsBefore + (controller.state() ? controller.state()->handNumber() : 0);
        };

        const double atStart = residentMegabytes();
        sitDown();
        double atSettle = 0;
        double atHalfway = 0;
        double peak = 0;
        std::int64_t frames = 0;
        std::int64_t reported = 0;
        while (handsPlayed() < handsToPlay) {
            if (controller.tableOver()) {
                handsBefore = handsPlayed();
                sitDown();
            }
            if (controller.isHeroTurn() && controller.pauseReasons().empty()) {
                controller.act(policy->decide(*controller.view(), heroProfile, heroRNG));
            }
            const auto due = scheduler.nextDue();
            scheduler.advance(
                due ? std::min<std::chrono::milliseconds>(
                          std::chrono::duration_cast<std::chrono::milliseconds>(*due - scheduler.now()),
                          frame)
                    : frame);
            QApplication::processEvents();
            // What the program's event loop does and processEvents() alone does not: the widgets put
            // away (the lobby and the table as the window turns between them) are deleted.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            timeTheTable();
            {
                QPainter painter(&canvas);
                surfaceWidget->render(&painter);
            }
            ++frames;
            const double resident = residentMegabytes();
            peak = std::max(peak, resident);
            if (atSettle == 0 && handsPlayed() >= settleHands) {
                atSettle = resident;
            }
            if (atHalfway == 0 && handsPlayed() >= halfway) {
                atHalfway = resident;
            }
            if (handsPlayed() >= reported + 100) {
                reported = handsPlayed();
                std::printf("hand %4lld: %.1f MB resident\n", static_cast<long long>(reported), resident);
                std::fflush(stdout);
            }
        }
        const double atEnd = residentMegabytes();
        benchState.counters["hands"] = static_cast<double>(handsPlayed());
        benchState.counters["frames"] = static_cast<double>(frames);
        benchState.counters["MB@start"] = atStart;
        benchState.counters["MB@100"] = atSettle;
        benchState.counters["MB@1000"] = atHalfway;
        benchState.counters["MB@end"] = atEnd;
        benchState.counters["climbMB"] = atHalfway - atSettle;
        benchState.counters["growthMB"] = atEnd - atHalfway;
        benchState.counters["peakMB"] = peak;
    }
}

} // namespace

BENCHMARK_CAPTURE(longPlay, popover, Surface::popover)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(longPlay, window, Surface::window)->Unit(benchmark::kSecond)->Iterations(1);
