// How long the table takes to turn a new player view into its timeline, and to render a style's sounds.
// Both happen on the GUI thread and must stay far below one frame (16 ms).

#include "PokerEngine/HandEvent.h"
#include "PokerEngine/PlayerView.h"
#include "Scheduler.h"
#include "Sound/SoundSink.h"
#include "Sound/SoundSynth.h"
#include "Table/LogDiff.h"
#include "Table/MotionPlan.h"
#include "Table/SoundPlan.h"
#include "Table/TablePresenter.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using PokerEngine::ActionKind;
using PokerEngine::HandEvent;
using PokerEngine::Street;

// A whole six-handed hand with antes, action on every street, a showdown and three pots.
PokerEngine::PlayerView busyHand(std::int64_t handNumber) {
    PokerEngine::PlayerView view;
    view.seatIndex = 0;
    view.handNumber = handNumber;
    view.street = Street::handComplete;
    const auto card = *PokerEngine::Card::fromCode("Ah");
    view.holeCards = {card, card};
    view.board = {card, card, card, card, card};
    for (int seat = 0; seat < 6; ++seat) {
        PokerEngine::SeatView seatView;
        seatView.index = seat;
        seatView.stack = 1500;
        seatView.status = PokerEngine::SeatStatus::active;
        view.seats.push_back(seatView);
    }
    auto& log = view.log;
    log.push_back(HandEvent::HandStarted{handNumber, 0, PokerEngine::BlindLevel{100, 200, 25}, {}});
    for (int seat = 0; seat < 6; ++seat) {
        log.push_back(HandEvent::AntePosted{seat, 25});
    }
    log.push_back(HandEvent::BlindPosted{1, 100, PokerEngine::BlindKind::small});
    log.push_back(HandEvent::BlindPosted{2, 200, PokerEngine::BlindKind::big});
    for (int seat = 0; seat < 6; ++seat) {
        log.push_back(HandEvent::HoleCardsDealt{seat, std::nullopt});
    }
    for (auto street : {Street::flop, Street::turn, Street::river}) {
        for (int seat = 0; seat < 6; ++seat) {
            log.push_back(
                HandEvent::Acted{seat, seat == 0 ? ActionKind::bet : ActionKind::call, 200, 200, false});
        }
        log.push_back(HandEvent::BoardDealt{
            street, std::vector<PokerEngine::Card>(street == Street::flop ? 3 : 1, card)});
    }
    for (int seat = 0; seat < 6; ++seat) {
        log.push_back(HandEvent::HandRevealed{seat, {card, card}, PokerEngine::HandValue{}});
    }
    for (int pot = 0; pot < 3; ++pot) {
        log.push_back(HandEvent::PotAwarded{pot, 1000, {{pot, 500}, {pot + 3, 500}}, std::nullopt});
    }
    log.push_back(HandEvent::PlayerEliminated{5, PokerEngine::PlayerID{}});
    return view;
}

class SilentSink final : public SoundSink {
  public:
    void play(SoundEvent, TableStyleID, double, std::function<bool()>) override {}
};

void BM_PlanTimelineForNewView(benchmark::State& state) {
    const auto previous = busyHand(1);
    const auto next = busyHand(2);
    for (auto _ : state) {
        const auto events = LogDiff::newEvents(previous, next);
        const auto cues = MotionPlan::cues(events, false, true);
        const auto sounds = SoundPlan::sounds(cues, next.seatIndex, false);
        benchmark::DoNotOptimize(sounds.data());
    }
    state.SetLabel(std::to_string(next.log.size()) + " events");
}
BENCHMARK(BM_PlanTimelineForNewView)->Unit(benchmark::kMicrosecond);

// The presenter's whole ingest: diff, plans, flights, exits, sounds handed over and the view shown.
void BM_PresenterIngestOfANewHand(benchmark::State& state) {
    ManualScheduler scheduler;
    SilentSink sink;
    TablePresenter presenter(scheduler, sink);
    presenter.setSoundsAllowed([] { return true; });
    const auto handA = busyHand(1);
    const auto handB = busyHand(2);
    presenter.ingest(handA);
    bool flip = false;
    for (auto _ : state) {
        presenter.ingest(flip ? handA : handB);
        flip = !flip;
        scheduler.advance(std::chrono::seconds(5));
    }
}
BENCHMARK(BM_PresenterIngestOfANewHand)->Unit(benchmark::kMicrosecond);

// Every rendering a style is warmed up with: four deals, a flip, three bets and five more.
void BM_RenderEverySoundOfOneStyle(benchmark::State& state) {
    const auto style = allTableStyleIDs[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        std::size_t samples = 0;
        for (auto event : allSoundEvents) {
            for (int variant = 0; variant < SoundSynth::variantCount(event); ++variant) {
                samples += SoundSynth::samples(event, style, variant).size();
            }
        }
        benchmark::DoNotOptimize(samples);
    }
    state.SetLabel(std::string(toString(style)));
}
BENCHMARK(BM_RenderEverySoundOfOneStyle)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
