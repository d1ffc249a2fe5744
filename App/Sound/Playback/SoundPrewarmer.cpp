#include "Sound/Playback/SoundPrewarmer.h"

#include "Sound/Playback/SoundPlayer.h"
#include "Sound/TestHost.h"

namespace {
constexpr Scheduler::Duration warmUpDelay{400};
}

SoundPrewarmer::SoundPrewarmer(Scheduler& scheduler, SoundPlayer& player,
                               std::function<bool()> testHostWithoutUI)
    : scheduler_(scheduler)
    , player_(player)
    , testHostWithoutUI_(testHostWithoutUI ? std::move(testHostWithoutUI)
                                           : std::function<bool()>(isTestHostWithoutUI)) {}

SoundPrewarmer::~SoundPrewarmer() {
    pending_.cancel();
}

void SoundPrewarmer::setKey(SoundPrewarmKey key) {
    if (key_ == key) {
        return;
    }
    key_ = key;
    pending_.cancel();
    pending_ = {};
    // With sounds off, or in a test host, nothing is rendered and the audio output is never touched.
    if (!key.on || testHostWithoutUI_()) {
        return;
    }
    const TableStyleID style = offeredOrSatin(key.style);
    pending_ = scheduler_.after(warmUpDelay, [this, style] { player_.prepare(style); });
}
