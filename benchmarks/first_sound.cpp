// The first sound of a process, which now loads the audio module: how long loading the module holds
// the GUI thread, then starting the device, then the wait for the device's first pull — and the same
// for a second output once the module is loaded. A game that linked Qt Multimedia itself paid only the
// last two at its first sound. Loading happens once a process, so each run measures it once; run it a
// few times for a spread. Needs a sound server (a PulseAudio null sink will do).
// Run: bench_first_sound

#include "Sound/Playback/AudioModule.h"
#include "Sound/SoundMixer.h"

#include "OffscreenApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <atomic>

namespace {

struct Timings {
    double makeMs = 0;
    double startMs = 0;
    double firstPullMs = 0;
};

// Makes and starts an output, then waits for its first pull; nullopt when the device will not start.
std::optional<Timings> firstPull(AudioModule& module) {
    SoundMixer mixer;
    std::atomic<qint64> pulled{-1};
    QElapsedTimer clock;
    clock.start();
    auto output = module.makeOutput([&](float* out, std::size_t frames) {
        mixer.render(out, frames);
        qint64 none = -1;
        pulled.compare_exchange_strong(none, clock.nsecsElapsed());
    });
    const qint64 made = clock.nsecsElapsed();
    if (output->start()) {
        return std::nullopt;
    }
    const qint64 started = clock.nsecsElapsed();
    while (pulled.load() < 0 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    output->stop();
    return Timings{made / 1e6, (started - made) / 1e6, (pulled.load() - started) / 1e6};
}

void firstSound(benchmark::State& state) {
    ensureApplication();
    AudioModule module({QStringLiteral(CHIPWHISTLE_AUDIO_MODULE_DIR)});
    for (auto _ : state) {
        const auto first = firstPull(module);
        const auto second = firstPull(module);
        if (!first || !second) {
            state.SkipWithError("no audio output device to play on");
            return;
        }
        state.counters["load_ms"] = first->makeMs;
        state.counters["start_ms"] = first->startMs;
        state.counters["pull_ms"] = first->firstPullMs;
        state.counters["again_start_ms"] = second->startMs;
        state.counters["again_pull_ms"] = second->firstPullMs;
    }
}
BENCHMARK(firstSound)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
