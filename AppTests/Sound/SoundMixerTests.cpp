#include "Sound/SoundMixer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

SoundMixer::Samples make(std::vector<float> samples) {
    return std::make_shared<const std::vector<float>>(std::move(samples));
}

std::vector<float> pull(SoundMixer& mixer, std::size_t frames) {
    std::vector<float> out(frames, 99.0f);
    mixer.render(out.data(), frames);
    return out;
}

} // namespace

TEST(SoundMixer, VoicesAreSummedAndScaledByTheMasterGain) {
    SoundMixer mixer;
    mixer.schedule(1, make({1.0f, 0.5f}));
    mixer.schedule(2, make({1.0f, 1.0f, 1.0f}));
    mixer.play(1);
    mixer.play(2);
    const auto out = pull(mixer, 4);
    EXPECT_FLOAT_EQ(out[0], 2.0f * 0.35f);
    EXPECT_FLOAT_EQ(out[1], 1.5f * 0.35f);
    EXPECT_FLOAT_EQ(out[2], 1.0f * 0.35f);
    EXPECT_EQ(out[3], 0.0f);
}

TEST(SoundMixer, AVoicePlaysItsQueueInOrderAcrossPulls) {
    SoundMixer mixer;
    mixer.schedule(0, make({1, 2, 3}));
    mixer.schedule(0, make({4, 5}));
    mixer.play(0);
    EXPECT_EQ(mixer.queuedCount(0), 2u);
    const auto first = pull(mixer, 2);
    const auto second = pull(mixer, 4);
    const float g = SoundMixer::masterGain;
    EXPECT_EQ(first, (std::vector<float>{1 * g, 2 * g}));
    EXPECT_EQ(second,
              (std::vector<float>{std::min(3 * g, 1.0f), std::min(4 * g, 1.0f), std::min(5 * g, 1.0f), 0}));
    EXPECT_EQ(mixer.queuedCount(0), 0u);
    EXPECT_TRUE(mixer.isPlaying(0));
}

TEST(SoundMixer, AVoiceThatIsNotPlayingHoldsItsQueue) {
    SoundMixer mixer;
    mixer.schedule(3, make({1, 1}));
    EXPECT_EQ(pull(mixer, 2), (std::vector<float>{0, 0}));
    EXPECT_EQ(mixer.queuedCount(3), 1u);
}

TEST(SoundMixer, StoppingSilencesEveryVoiceAndDropsTheirQueues) {
    SoundMixer mixer;
    for (int voice = 0; voice < SoundMixer::voiceCount; ++voice) {
        mixer.schedule(voice, make({0.5f, 0.5f}));
        mixer.play(voice);
    }
    pull(mixer, 1);
    mixer.stopAll();
    for (int voice = 0; voice < SoundMixer::voiceCount; ++voice) {
        EXPECT_FALSE(mixer.isPlaying(voice));
        EXPECT_EQ(mixer.queuedCount(voice), 0u);
    }
    EXPECT_EQ(pull(mixer, 2), (std::vector<float>{0, 0}));
}

TEST(SoundMixer, TheMixIsClampedAtFullScale) {
    SoundMixer mixer;
    for (int voice = 0; voice < SoundMixer::voiceCount; ++voice) {
        mixer.schedule(voice, make({1.0f, -1.0f}));
        mixer.play(voice);
    }
    EXPECT_EQ(pull(mixer, 2), (std::vector<float>{1.0f, -1.0f}));
}
