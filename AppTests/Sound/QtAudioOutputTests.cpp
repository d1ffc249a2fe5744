// The real output on the desktop's default device, loaded from the audio module as the game loads it.
// Without a sound server (as on CI) there is none; scripts/test starts a PulseAudio null sink so the
// device tests run too.
#include "BuiltAudioModule.h"

#include "Sound/SoundSynth.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

#include <unistd.h>

TEST(QtAudioOutput, ReportsTheCauseWhenThereIsNoOutputDevice) {
    if (!QMediaDevices::defaultAudioOutput().isNull()) {
        GTEST_SKIP() << "an audio output device is present";
    }
    SoundMixer mixer;
    const auto output = builtModuleOutput(mixer);
    const auto failure = output->start();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, QStringLiteral("no audio output device"));
    EXPECT_FALSE(output->isRunning());
}

TEST(QtAudioOutput, PlaysQueuedSoundsThroughTheDefaultDevice) {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        GTEST_SKIP() << "no audio output device";
    }
    SoundMixer mixer;
    const auto output = builtModuleOutput(mixer);
    ASSERT_EQ(output->start(), std::nullopt);
    EXPECT_TRUE(output->isRunning());
    auto chime = std::make_shared<const std::vector<float>>(
        SoundSynth::samples(SoundEvent::turnChime, TableStyleID::satin, 0));
    mixer.schedule(2, chime);
    mixer.play(2);
    // A null sink takes its samples in large blocks, and a busy machine delays them further: the
    // deadline is only there to end a test that would otherwise hang.
    const QDeadlineTimer deadline(30000);
    while (mixer.queuedCount(2) > 0 && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_EQ(mixer.queuedCount(2), 0u);
    output->stop();
    EXPECT_FALSE(output->isRunning());
}

// The sound server's events keep coming until the very end, and the audio library's own teardown at
// exit races them: once the output has played, a process ends with its status before that teardown.
// The handler registered first stands for the library's destructors, which must not run.
TEST(QtAudioOutputDeathTest, AProcessThatPlayedEndsWithItsStatusBeforeTheAudioLibraryTearsDown) {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        GTEST_SKIP() << "no audio output device";
    }
    // A fresh process: a forked copy of this one would hold the audio library without its threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::atexit([] { _exit(4); });
            SoundMixer mixer;
            const auto output = builtModuleOutput(mixer);
            if (output->start()) {
                _exit(5);
            }
            output->stop();
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
}
