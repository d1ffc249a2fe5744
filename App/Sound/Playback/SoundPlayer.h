#pragma once

#include "Scheduler.h"
#include "Sound/Playback/AudioOutput.h"
#include "Sound/SoundMixer.h"
#include "Sound/SoundSink.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

// Plays the table's synthesized sounds. One shared instance lives for the whole process, on the GUI
// thread. The output starts lazily, six voices take sounds in turn, every rendering is cached, card
// deals and chip bets rotate their variants, and the output stops half a second after the table is
// hidden. Nothing plays while no table is on screen. If the output cannot start, sound is off for the
// rest of the process: logged once with its cause, never shown to the player.
class SoundPlayer final : public QObject, public SoundSink {
    Q_OBJECT

  public:
    using OutputFactory = std::function<std::unique_ptr<AudioOutput>(SoundMixer&)>;

    SoundPlayer(Scheduler& scheduler, OutputFactory makeOutput, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // The process's player: the app's timer scheduler and the default audio output.
    static SoundPlayer& shared();

    // "sound.<style>.<event>.<variant>", the cache key of one rendering.
    static std::string bufferKey(SoundEvent event, TableStyleID style, int variant);

    bool soundsEnabled() const { return soundsEnabled_; }
    // Mirrors the sounds setting; switching it off stops everything at once.
    void setSoundsEnabled(bool enabled);

    // Starts the output (when a table is on screen) and renders the style's 13 sounds into the cache.
    void prepare(TableStyleID style);

    void play(SoundEvent event, TableStyleID style, double after, std::function<bool()> shouldPlay) override;

    // Whether a table surface is on screen (reported by the surface coordinator).
    void setSurfaceVisible(bool visible);
    bool surfaceVisible() const { return surfaceVisible_; }

    // Stops every voice and the output.
    void stop();

    bool isUnavailable() const { return unavailable_; }
    bool hasOutput() const { return output_ != nullptr; }
    bool isOutputRunning() const { return output_ && output_->isRunning(); }
    bool isRestarting() const { return restarting_; }
    std::size_t cachedBufferCount() const { return buffers_.size(); }
    // The cached rendering, or null when it has not been rendered.
    SoundMixer::Samples cachedBuffer(SoundEvent event, TableStyleID style, int variant) const;
    const SoundMixer& mixer() const { return mixer_; }

  private:
    bool startOutput();
    void markUnavailable(const QString& cause);
    SoundMixer::Samples buffer(SoundEvent event, TableStyleID style, int variant);
    std::optional<int> nextVoice();
    void playNow(SoundEvent event, TableStyleID style);
    void restartOutputLater();

    Scheduler& scheduler_;
    OutputFactory makeOutput_;
    SoundMixer mixer_;
    std::unique_ptr<AudioOutput> output_;
    int next_ = 0;
    std::map<std::string, SoundMixer::Samples> buffers_;
    int variant_ = 0;
    bool unavailable_ = false;
    bool soundsEnabled_ = true;
    bool surfaceVisible_ = false;
    ScheduledWork pendingStop_;
    bool restarting_ = false;
};
