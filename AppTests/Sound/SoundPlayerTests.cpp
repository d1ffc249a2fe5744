#include "FakeAudioOutput.h"

#include "Sound/Playback/SoundPlayer.h"
#include "Sound/SoundSynth.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace {

const auto always = [] { return true; };

class SoundPlayerTest : public ::testing::Test {
  protected:
    ManualScheduler scheduler;
    FakeAudioDevice device;
    SoundPlayer player{scheduler, device.factory()};

    // The voices that hold something, in voice order, with how much each holds.
    std::vector<std::size_t> queued() const {
        std::vector<std::size_t> counts;
        for (int voice = 0; voice < SoundMixer::voiceCount; ++voice) {
            counts.push_back(player.mixer().queuedCount(voice));
        }
        return counts;
    }
    std::size_t totalQueued() const {
        std::size_t total = 0;
        for (auto count : queued()) {
            total += count;
        }
        return total;
    }
};

// Collects warnings of the sound log while alive.
class LogCapture {
  public:
    LogCapture() {
        messages().clear();
        previous_ =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
                if (QString::fromLatin1(context.category) == QLatin1String("Chipwhistle.sound")) {
                    messages().push_back(text);
                }
            });
    }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    static std::vector<QString>& messages() {
        static std::vector<QString> collected;
        return collected;
    }

  private:
    QtMessageHandler previous_;
};

} // namespace

TEST_F(SoundPlayerTest, SixVoicesTakeSoundsInTurnStartingWithTheSecond) {
    player.setSurfaceVisible(true);
    for (int i = 0; i < 7; ++i) {
        player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    }
    EXPECT_EQ(queued(), (std::vector<std::size_t>{1, 2, 1, 1, 1, 1}));
    for (int voice = 0; voice < SoundMixer::voiceCount; ++voice) {
        EXPECT_TRUE(player.mixer().isPlaying(voice));
    }
    EXPECT_EQ(device.made, 1);
    EXPECT_EQ(device.starts, 1);
}

TEST_F(SoundPlayerTest, DealsAndBetsShareOneVariantCounter) {
    player.setSurfaceVisible(true);
    const auto style = TableStyleID::paper;
    for (int i = 0; i < 4; ++i) {
        player.play(SoundEvent::cardDeal, style, 0, always);
    }
    // Voices 1 to 4 got deal variants 1, 2, 3, 0.
    for (int i = 0; i < 4; ++i) {
        const auto sounds = player.mixer().queued(i + 1);
        ASSERT_EQ(sounds.size(), 1u);
        EXPECT_EQ(sounds.front(), player.cachedBuffer(SoundEvent::cardDeal, style, (i + 1) % 4));
    }
    // The counter is now 4: a bet takes 5 mod 3 = 2, the next deal 6 mod 4 = 2.
    player.play(SoundEvent::chipBet, style, 0, always);
    player.play(SoundEvent::cardDeal, style, 0, always);
    EXPECT_EQ(player.mixer().queued(5).front(), player.cachedBuffer(SoundEvent::chipBet, style, 2));
    EXPECT_EQ(player.mixer().queued(0).front(), player.cachedBuffer(SoundEvent::cardDeal, style, 2));
    // Other events neither use nor move it.
    player.play(SoundEvent::checkKnock, style, 0, always);
    EXPECT_EQ(player.mixer().queued(1).back(), player.cachedBuffer(SoundEvent::checkKnock, style, 0));
    EXPECT_EQ(SoundPlayer::bufferKey(SoundEvent::cardDeal, TableStyleID::satin, 2),
              "sound.satin.card.deal.2");
}

TEST_F(SoundPlayerTest, DelaysAreWholeMillisecondsAndTheCheckDecidesAtPlayTime) {
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0.0005, always);
    EXPECT_EQ(totalQueued(), 1u);

    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0.0016, always);
    EXPECT_EQ(totalQueued(), 1u);
    scheduler.advance(1ms);
    EXPECT_EQ(totalQueued(), 2u);

    bool wanted = true;
    player.play(SoundEvent::chipBet, TableStyleID::satin, 0.35, [&] { return wanted; });
    wanted = false;
    scheduler.advance(350ms);
    EXPECT_EQ(totalQueued(), 2u);

    player.play(SoundEvent::chipBet, TableStyleID::satin, 0, [] { return false; });
    EXPECT_EQ(totalQueued(), 2u);
}

TEST_F(SoundPlayerTest, NothingPlaysOrStartsWhileNoTableIsOnScreen) {
    player.play(SoundEvent::chipWin, TableStyleID::satin, 0, always);
    EXPECT_EQ(device.made, 0);
    EXPECT_EQ(totalQueued(), 0u);

    // A sound planned while the table showed, coming due after it was hidden, is dropped.
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    player.play(SoundEvent::winChime, TableStyleID::satin, 0.8, always);
    player.setSurfaceVisible(false);
    scheduler.advance(400ms);
    const auto beforeDue = totalQueued();
    scheduler.advance(400ms);
    EXPECT_EQ(totalQueued(), 0u);
    EXPECT_LE(beforeDue, 1u);
    EXPECT_FALSE(device.running);
    EXPECT_EQ(device.starts, 1);
}

TEST_F(SoundPlayerTest, HidingBrieflyKeepsTheOutputAndHidingLongerStopsIt) {
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    ASSERT_TRUE(device.running);

    player.setSurfaceVisible(false);
    scheduler.advance(499ms);
    player.setSurfaceVisible(true);
    scheduler.advance(1s);
    EXPECT_TRUE(device.running);
    EXPECT_EQ(device.stops, 0);

    player.setSurfaceVisible(false);
    scheduler.advance(500ms);
    EXPECT_FALSE(device.running);
    EXPECT_EQ(device.stops, 1);
    EXPECT_EQ(totalQueued(), 0u);

    // Showing again restarts it after the current event; plays meanwhile are silent.
    player.setSurfaceVisible(true);
    EXPECT_TRUE(player.isRestarting());
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    EXPECT_EQ(totalQueued(), 0u);
    scheduler.runDue();
    EXPECT_FALSE(player.isRestarting());
    EXPECT_TRUE(device.running);
    EXPECT_EQ(device.starts, 2);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    EXPECT_EQ(totalQueued(), 1u);
}

TEST_F(SoundPlayerTest, ARestartThatFindsTheTableHiddenAgainStopsAtOnce) {
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    player.setSurfaceVisible(false);
    scheduler.advance(500ms);
    player.setSurfaceVisible(true);
    player.setSurfaceVisible(false);
    // A stop during the restart leaves the output to the restart's own check.
    player.stop();
    EXPECT_EQ(device.stops, 1);
    scheduler.runDue();
    EXPECT_FALSE(device.running);
    EXPECT_EQ(device.stops, 2);
}

TEST_F(SoundPlayerTest, ShowingTheTableWithSoundsOffDoesNotRestart) {
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    player.setSurfaceVisible(false);
    scheduler.advance(500ms);
    player.setSoundsEnabled(false);
    player.setSurfaceVisible(true);
    scheduler.runUntilIdle();
    EXPECT_FALSE(device.running);
    EXPECT_EQ(device.starts, 1);
}

TEST_F(SoundPlayerTest, SwitchingSoundsOffStopsAtOnceAndOnAgainStartsNothing) {
    player.setSurfaceVisible(true);
    player.play(SoundEvent::winChime, TableStyleID::satin, 0, always);
    player.setSoundsEnabled(false);
    EXPECT_FALSE(device.running);
    EXPECT_EQ(totalQueued(), 0u);
    for (int voice = 0; voice < SoundMixer::voiceCount; ++voice) {
        EXPECT_FALSE(player.mixer().isPlaying(voice));
    }
    player.play(SoundEvent::winChime, TableStyleID::satin, 0, always);
    EXPECT_EQ(totalQueued(), 0u);

    player.setSoundsEnabled(true);
    EXPECT_FALSE(device.running);
    EXPECT_EQ(device.starts, 1);
    player.play(SoundEvent::winChime, TableStyleID::satin, 0, always);
    EXPECT_TRUE(device.running);
    EXPECT_EQ(totalQueued(), 1u);
}

TEST_F(SoundPlayerTest, PrepareRendersAStylesThirteenSounds) {
    player.prepare(TableStyleID::pixel);
    EXPECT_EQ(player.cachedBufferCount(), 13u);
    // Hidden: rendered ahead, but the output is left alone.
    EXPECT_EQ(device.made, 0);
    player.setSurfaceVisible(true);
    player.prepare(TableStyleID::satin);
    EXPECT_EQ(player.cachedBufferCount(), 26u);
    EXPECT_TRUE(device.running);
    EXPECT_EQ(*player.cachedBuffer(SoundEvent::chipBet, TableStyleID::satin, 2),
              SoundSynth::samples(SoundEvent::chipBet, TableStyleID::satin, 2));
}

TEST_F(SoundPlayerTest, AnOutputThatCannotStartTurnsSoundOffForGoodAndSaysWhyOnce) {
    LogCapture log;
    device.failure = QStringLiteral("no audio output device");
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    EXPECT_TRUE(player.isUnavailable());
    EXPECT_FALSE(player.hasOutput());

    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    player.prepare(TableStyleID::satin);
    player.setSurfaceVisible(false);
    player.setSurfaceVisible(true);
    scheduler.runUntilIdle();
    EXPECT_EQ(device.made, 1);
    EXPECT_EQ(device.starts, 1);
    EXPECT_EQ(totalQueued(), 0u);
    ASSERT_EQ(LogCapture::messages().size(), 1u);
    EXPECT_TRUE(LogCapture::messages().front().contains("no audio output device"));
}

TEST_F(SoundPlayerTest, ARestartThatFailsTurnsSoundOff) {
    LogCapture log;
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    player.setSurfaceVisible(false);
    scheduler.advance(500ms);
    device.failure = QStringLiteral("the audio device could not be opened");
    player.setSurfaceVisible(true);
    scheduler.runDue();
    EXPECT_TRUE(player.isUnavailable());
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, always);
    EXPECT_EQ(totalQueued(), 0u);
    EXPECT_EQ(LogCapture::messages().size(), 1u);
}
