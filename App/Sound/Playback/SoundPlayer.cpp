#include "Sound/Playback/SoundPlayer.h"

#include "Sound/Playback/AudioModule.h"
#include "Sound/SoundLog.h"
#include "Sound/SoundSynth.h"

#include <QCoreApplication>
#include <QPointer>

#include <array>
#include <chrono>

namespace {

constexpr Scheduler::Duration stopAfterHidden{500};

// The order in which a style is warmed up: 13 renderings.
constexpr std::array<std::pair<SoundEvent, int>, 13> preparedSounds{{
    {SoundEvent::cardDeal, 0},
    {SoundEvent::cardDeal, 1},
    {SoundEvent::cardDeal, 2},
    {SoundEvent::cardDeal, 3},
    {SoundEvent::cardFlip, 0},
    {SoundEvent::chipBet, 0},
    {SoundEvent::chipBet, 1},
    {SoundEvent::chipBet, 2},
    {SoundEvent::chipCollect, 0},
    {SoundEvent::chipWin, 0},
    {SoundEvent::turnChime, 0},
    {SoundEvent::winChime, 0},
    {SoundEvent::checkKnock, 0},
}};

} // namespace

SoundPlayer::SoundPlayer(Scheduler& scheduler, OutputFactory makeOutput, QObject* parent)
    : QObject(parent)
    , scheduler_(scheduler)
    , makeOutput_(std::move(makeOutput)) {}

SoundPlayer::~SoundPlayer() {
    pendingStop_.cancel();
    // The output pulls from the mixer, so it goes first.
    output_.reset();
}

SoundPlayer& SoundPlayer::shared() {
    // Kept for the whole process and never destroyed: the audio device must not be torn down after
    // the application object is gone. It falls silent when the application quits.
    static SoundPlayer* const player = [] {
        auto* scheduler = new QTimerScheduler();
        // The module is looked for at the first sound, when the application knows its folder.
        auto* made = new SoundPlayer(*scheduler, [](SoundMixer& mixer) {
            static AudioModule module(AudioModule::folders(QCoreApplication::applicationDirPath()));
            return module.makeOutput([&mixer](float* out, std::size_t frames) { mixer.render(out, frames); });
        });
        if (auto* application = QCoreApplication::instance()) {
            QObject::connect(application, &QCoreApplication::aboutToQuit, made, [made] { made->stop(); });
        }
        return made;
    }();
    return *player;
}

std::string SoundPlayer::bufferKey(SoundEvent event, TableStyleID style, int variant) {
    std::string key = "sound.";
    key += toString(style);
    key += '.';
    key += toString(event);
    key += '.';
    key += std::to_string(variant);
    return key;
}

void SoundPlayer::setSoundsEnabled(bool enabled) {
    if (enabled == soundsEnabled_) {
        return;
    }
    soundsEnabled_ = enabled;
    if (!enabled) {
        stop();
    }
}

void SoundPlayer::markUnavailable(const QString& cause) {
    if (!unavailable_) {
        qCWarning(soundLog).noquote() << "sound is unavailable:" << cause;
    }
    unavailable_ = true;
}

bool SoundPlayer::startOutput() {
    if (unavailable_ || restarting_) {
        return false;
    }
    if (output_) {
        if (output_->isRunning()) {
            return true;
        }
        if (auto failure = output_->start()) {
            markUnavailable(*failure);
            return false;
        }
        return true;
    }
    auto output = makeOutput_ ? makeOutput_(mixer_) : nullptr;
    if (!output) {
        markUnavailable(QStringLiteral("no audio output"));
        return false;
    }
    if (auto failure = output->start()) {
        markUnavailable(*failure);
        return false;
    }
    output_ = std::move(output);
    return true;
}

SoundMixer::Samples SoundPlayer::cachedBuffer(SoundEvent event, TableStyleID style, int variant) const {
    const auto found = buffers_.find(bufferKey(event, style, variant));
    return found == buffers_.end() ? nullptr : found->second;
}

SoundMixer::Samples SoundPlayer::buffer(SoundEvent event, TableStyleID style, int variant) {
    const std::string key = bufferKey(event, style, variant);
    if (const auto found = buffers_.find(key); found != buffers_.end()) {
        return found->second;
    }
    auto samples = SoundSynth::samples(event, style, variant);
    if (samples.empty()) {
        return nullptr;
    }
    auto rendered = std::make_shared<const std::vector<float>>(std::move(samples));
    buffers_.emplace(key, rendered);
    return rendered;
}

void SoundPlayer::prepare(TableStyleID style) {
    if (unavailable_) {
        return;
    }
    // The output is only started for a table on screen; rendering ahead is useful either way.
    if (surfaceVisible_ && !startOutput()) {
        return;
    }
    for (const auto& [event, variant] : preparedSounds) {
        buffer(event, style, variant);
    }
}

std::optional<int> SoundPlayer::nextVoice() {
    if (!startOutput()) {
        return std::nullopt;
    }
    next_ = (next_ + 1) % SoundMixer::voiceCount;
    return next_;
}

void SoundPlayer::playNow(SoundEvent event, TableStyleID style) {
    // A hidden table is silent, and a sound must not wake a stopped output behind the player's back.
    if (!surfaceVisible_ || !soundsEnabled_ || unavailable_) {
        return;
    }
    const int count = SoundSynth::variantCount(event);
    if (event == SoundEvent::cardDeal || event == SoundEvent::chipBet) {
        ++variant_;
    }
    auto samples = buffer(event, style, variant_ % count);
    if (!samples) {
        return;
    }
    const auto voice = nextVoice();
    if (!voice) {
        return;
    }
    mixer_.schedule(*voice, std::move(samples));
    mixer_.play(*voice);
}

void SoundPlayer::play(SoundEvent event, TableStyleID style, double after, std::function<bool()> shouldPlay) {
    if (after <= 0.001) {
        if (!shouldPlay || shouldPlay()) {
            playNow(event, style);
        }
        return;
    }
    const auto wait = Scheduler::Duration(static_cast<Scheduler::Duration::rep>(after * 1000));
    QPointer<SoundPlayer> self(this);
    scheduler_.after(wait, [self, event, style, shouldPlay = std::move(shouldPlay)] {
        if (self && (!shouldPlay || shouldPlay())) {
            self->playNow(event, style);
        }
    });
}

void SoundPlayer::stop() {
    pendingStop_.cancel();
    pendingStop_ = {};
    if (restarting_) {
        return;
    }
    mixer_.stopAll();
    if (output_) {
        output_->stop();
    }
}

void SoundPlayer::setSurfaceVisible(bool visible) {
    if (visible == surfaceVisible_) {
        return;
    }
    surfaceVisible_ = visible;
    pendingStop_.cancel();
    pendingStop_ = {};
    if (!visible) {
        if (output_ && output_->isRunning()) {
            QPointer<SoundPlayer> self(this);
            pendingStop_ = scheduler_.after(stopAfterHidden, [self] {
                if (self) {
                    self->stop();
                }
            });
        }
        return;
    }
    if (soundsEnabled_ && output_ && !output_->isRunning()) {
        restartOutputLater();
    }
}

// The restart runs after the current event rather than inline, so showing the table never waits on
// the audio device; plays in between are silent and a stop in between waits for the restart.
void SoundPlayer::restartOutputLater() {
    if (!output_ || restarting_ || unavailable_) {
        return;
    }
    restarting_ = true;
    QPointer<SoundPlayer> self(this);
    scheduler_.post([self] {
        if (!self) {
            return;
        }
        self->restarting_ = false;
        if (auto failure = self->output_->start()) {
            self->markUnavailable(*failure);
        }
        if (!self->surfaceVisible_ || !self->soundsEnabled_) {
            self->stop();
        }
    });
}
