// What the GUI thread pays to save: the profile after every change, and the saved game after every
// move of a six-seat table in the middle of a long hand (written, then read back as at start-up).
#include "../AppTests/Persistence/SavedGameFixtures.h"
#include "Persistence/PersistenceStore.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Profile busyProfile() {
    Profile profile;
    profile.bankroll = 123456;
    profile.onboarded = true;
    profile.lastRefillDate = SavedGameFixtures::wholeSecond();
    profile.lastRefillCheckDay = CalendarDay{2026, 3, 14};
    profile.counters = {4000, 1200, 300, 80, 60};
    profile.settings.hotkey.enabled = true;
    return profile;
}

void writeProfile(benchmark::State& state) {
    QTemporaryDir folder;
    const PersistenceStore store(folder.path());
    auto profile = busyProfile();
    for (auto _ : state) {
        profile.bankroll += 1;
        store.writeProfile(profile);
    }
}
BENCHMARK(writeProfile)->Unit(benchmark::kMicrosecond);

void writeAndReadSavedGame(benchmark::State& state) {
    QTemporaryDir folder;
    const PersistenceStore store(folder.path());
    const auto game = SavedGameFixtures::cashTable(5, static_cast<int>(state.range(0)));
    state.counters["logEvents"] = static_cast<double>(game.state.log().size());
    for (auto _ : state) {
        store.writeSavedGame(game);
        auto read = store.readSavedGame();
        benchmark::DoNotOptimize(read);
        if (!read.isLoaded()) {
            state.SkipWithError("the saved game did not read back");
            break;
        }
    }
    state.counters["fileBytes"] = static_cast<double>(QFileInfo(folder.filePath("savedgame.json")).size());
}
BENCHMARK(writeAndReadSavedGame)->Arg(10)->Arg(60)->Unit(benchmark::kMicrosecond);

} // namespace
