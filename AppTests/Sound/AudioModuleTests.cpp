// An audio module that is missing or broken must leave the game silent rather than stop it.
#include "Scheduler.h"
#include "Sound/Playback/AudioModule.h"
#include "Sound/Playback/SoundPlayer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SamplePull pullFrom(SoundMixer& mixer) {
    return [&mixer](float* out, std::size_t frames) { mixer.render(out, frames); };
}

} // namespace

TEST(AudioModule, AMissingOrBrokenModuleGivesAnOutputThatSaysWhy) {
    SoundMixer mixer;
    QTemporaryDir empty;
    AudioModule missing({empty.path()});
    const auto output = missing.makeOutput(pullFrom(mixer));
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->start(),
              QStringLiteral("the audio module chipwhistle-audio.so is in none of %1").arg(empty.path()));
    EXPECT_FALSE(output->isRunning());
    output->stop();

    // A file of the module's name that is no library at all, found after a folder without one.
    QTemporaryDir broken;
    const QString path = broken.filePath(AudioModule::fileName);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library\n");
    file.close();
    AudioModule notALibrary({empty.path(), broken.path()});
    const auto failure = notALibrary.makeOutput(pullFrom(mixer))->start();
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->startsWith(QStringLiteral("the audio module %1 could not be loaded: ").arg(path)))
        << failure->toStdString();
}

TEST(AudioModule, WithoutItTheTableIsSilentAndNothingIsQueued) {
    ManualScheduler scheduler;
    QTemporaryDir empty;
    AudioModule module({empty.path()});
    SoundPlayer player(scheduler,
                       [&module](SoundMixer& mixer) { return module.makeOutput(pullFrom(mixer)); });
    player.setSurfaceVisible(true);
    player.play(SoundEvent::cardFlip, TableStyleID::satin, 0, [] { return true; });
    EXPECT_TRUE(player.isUnavailable());
    EXPECT_FALSE(player.hasOutput());
    for (int voice = 0; voice < SoundMixer::voiceCount; ++voice) {
        EXPECT_EQ(player.mixer().queuedCount(voice), 0u);
    }
}
