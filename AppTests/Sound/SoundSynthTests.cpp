#include "Sound/SoundSynth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

float peak(const std::vector<float>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    const std::size_t end = std::min(to, samples.size());
    const std::size_t begin = std::min(from, end);
    float result = 0;
    for (auto sample = samples.begin() + static_cast<std::ptrdiff_t>(begin);
         sample != samples.begin() + static_cast<std::ptrdiff_t>(end); ++sample) {
        result = std::max(result, std::abs(*sample));
    }
    return result;
}

// Frequency from the spacing of upward zero crossings (interpolated) within [from, to).
double pitch(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    std::vector<double> crossings;
    for (std::size_t i = from + 1; i < to; ++i) {
        const double a = samples[i - 1];
        const double b = samples[i];
        if (a < 0 && b >= 0) {
            crossings.push_back(static_cast<double>(i - 1) + a / (a - b));
        }
    }
    if (crossings.size() < 2) {
        return 0;
    }
    const double periods = static_cast<double>(crossings.size() - 1);
    return periods * SoundSynth::sampleRate / (crossings.back() - crossings.front());
}

std::size_t at(double seconds) {
    return static_cast<std::size_t>(seconds * SoundSynth::sampleRate);
}

} // namespace

TEST(SoundSynth, EveryRenderingIsRepeatableBoundedAndEndsAudibly) {
    for (auto style : allTableStyleIDs) {
        for (auto event : allSoundEvents) {
            for (int variant = 0; variant < 6; ++variant) {
                const auto first = SoundSynth::samples(event, style, variant);
                const auto second = SoundSynth::samples(event, style, variant);
                SCOPED_TRACE(std::string(toString(style)) + " " + std::string(toString(event)) + " " +
                             std::to_string(variant));
                ASSERT_FALSE(first.empty());
                EXPECT_EQ(first, second);
                EXPECT_LE(first.size(), SoundSynth::bufferLength);
                EXPECT_LE(peak(first), 1.0f);
                EXPECT_GT(std::abs(static_cast<double>(first.back())), 0.0005);
                // No sound stops on a step: the last sample is close to silence.
                EXPECT_LT(std::abs(first.back()), 0.01f);
            }
        }
    }
}

TEST(SoundSynth, SquareWavesHaveTheirExactLengthAndLevel) {
    // 0.025 s is 1,102 samples; the 2 ms fade leaves the last one just audible.
    const auto deal = SoundSynth::samples(SoundEvent::cardDeal, TableStyleID::pixel, 0);
    EXPECT_EQ(deal.size(), 1102u);
    EXPECT_EQ(peak(deal), 0.16f);

    const auto flip = SoundSynth::samples(SoundEvent::cardFlip, TableStyleID::pixel, 0);
    EXPECT_EQ(flip.size(), 793u);
    EXPECT_EQ(peak(flip), 0.15f);

    // The second note starts at sample 1,984 and lasts 1,764 samples.
    const auto bet = SoundSynth::samples(SoundEvent::chipBet, TableStyleID::pixel, 0);
    EXPECT_EQ(bet.size(), 1984u + 1764u);
}

TEST(SoundSynth, PitchesFollowTheirNotes) {
    const auto flip = SoundSynth::samples(SoundEvent::cardFlip, TableStyleID::pixel, 0);
    EXPECT_NEAR(pitch(flip, 0, flip.size()), 1600, 16);

    // The pixel chip bet's second note: 1175 Hz for odd variants, 1320 Hz for even ones.
    const auto odd = SoundSynth::samples(SoundEvent::chipBet, TableStyleID::pixel, 1);
    const auto even = SoundSynth::samples(SoundEvent::chipBet, TableStyleID::pixel, 2);
    EXPECT_NEAR(pitch(odd, at(0.05), at(0.08)), 1175, 12);
    EXPECT_NEAR(pitch(even, at(0.05), at(0.08)), 1320, 13);
    EXPECT_NEAR(pitch(odd, at(0.005), at(0.035)), 880, 9);

    // Satin's turn chime: C5 until the second marimba note (F5) comes in at 0.12 s.
    const auto chime = SoundSynth::samples(SoundEvent::turnChime, TableStyleID::satin, 0);
    EXPECT_NEAR(pitch(chime, at(0.085), at(0.118)), 523.25, 5);
    const auto paperChime = SoundSynth::samples(SoundEvent::turnChime, TableStyleID::paper, 0);
    EXPECT_NEAR(pitch(paperChime, at(0.06), at(0.128)), 587.33, 6);

    // Each pixel deal variant has its own pitch.
    const double dealPitches[] = {1200, 1270, 1130, 1320};
    for (int variant = 0; variant < 4; ++variant) {
        const auto deal = SoundSynth::samples(SoundEvent::cardDeal, TableStyleID::pixel, variant);
        EXPECT_NEAR(pitch(deal, 0, deal.size()), dealPitches[variant], dealPitches[variant] / 100);
    }
}

TEST(SoundSynth, PeaksStayWithinTheirLayersGains) {
    // Satin bets: clicks of gain 0.45, whose layers add up to at most 1.3 × 0.45.
    for (int variant = 0; variant < 3; ++variant) {
        const auto bet = SoundSynth::samples(SoundEvent::chipBet, TableStyleID::satin, variant);
        EXPECT_GT(peak(bet), 0.1f);
        EXPECT_LE(peak(bet), 1.3f * 0.45f);
    }
    const auto knock = SoundSynth::samples(SoundEvent::checkKnock, TableStyleID::pixel, 0);
    EXPECT_LE(peak(knock), 0.4f);
    EXPECT_GT(peak(knock), 0.3f);
}

TEST(SoundSynth, VariantsChangeOnlyWhatTheyShould) {
    // Satin deals 0 and 4 share the tone (variant mod 4) but not the noise (seeded by the variant).
    EXPECT_NE(SoundSynth::samples(SoundEvent::cardDeal, TableStyleID::satin, 0),
              SoundSynth::samples(SoundEvent::cardDeal, TableStyleID::satin, 4));
    // Pixel deals depend on the variant mod 4 alone.
    EXPECT_EQ(SoundSynth::samples(SoundEvent::cardDeal, TableStyleID::pixel, 1),
              SoundSynth::samples(SoundEvent::cardDeal, TableStyleID::pixel, 5));
    // Events without variants ignore it.
    EXPECT_EQ(SoundSynth::samples(SoundEvent::winChime, TableStyleID::paper, 0),
              SoundSynth::samples(SoundEvent::winChime, TableStyleID::paper, 7));
    // Collecting and winning chips sound alike.
    EXPECT_EQ(SoundSynth::samples(SoundEvent::chipCollect, TableStyleID::satin, 0),
              SoundSynth::samples(SoundEvent::chipWin, TableStyleID::satin, 0));
    EXPECT_EQ(SoundSynth::variantCount(SoundEvent::cardDeal), 4);
    EXPECT_EQ(SoundSynth::variantCount(SoundEvent::chipBet), 3);
    EXPECT_EQ(SoundSynth::variantCount(SoundEvent::turnChime), 1);
}

TEST(SoundSynth, AClickUsesTheSameNoiseWhereverItStarts) {
    SoundSynth::Buffer early;
    early.click(0, 3600, 0.45);
    SoundSynth::Buffer late;
    late.click(0.01, 3600, 0.45);
    const std::size_t offset = at(0.01);
    for (std::size_t i = 0; i < 1323; ++i) {
        ASSERT_EQ(early.samples()[i], late.samples()[offset + i]) << i;
    }
}

TEST(SoundSynth, NoiseSeedsMultiplyByTheGoldenRatioAndSetTheLowBit) {
    EXPECT_EQ(SoundSynth::noiseSeed(0), 1u);
    EXPECT_EQ(SoundSynth::noiseSeed(1), 0x9E3779B97F4A7C15ULL);
    EXPECT_EQ(SoundSynth::noiseSeed(2), (2 * 0x9E3779B97F4A7C15ULL) | 1);
}

TEST(SoundSynth, TheBufferNeverGrowsAndTrimsToTheLastAudibleSample) {
    SoundSynth::Buffer buffer(100);
    buffer.tone(0, 440, 1.0, 0.5, 0);
    EXPECT_EQ(buffer.samples().size(), 100u);
    EXPECT_TRUE(buffer.wasCutOff());

    SoundSynth::Buffer silent(50);
    EXPECT_EQ(silent.trimmed().size(), 1u);
    EXPECT_TRUE(SoundSynth::Buffer(0).trimmed().empty());

    SoundSynth::Buffer loud(10);
    loud.square(0, 100, 1.0, 3.0);
    for (float sample : loud.trimmed()) {
        EXPECT_LE(std::abs(sample), 1.0f);
    }
}

// The satin and paper win chimes and the paper turn chime run past 0.4 s. Cut off there, they would end
// on a click; instead the last 3 ms fade out.
TEST(SoundSynth, SoundsCutOffByTheBufferFadeOutInsteadOfClicking) {
    SoundSynth::Buffer raw;
    raw.marimba(0, 523.25, 0.45);
    raw.marimba(0.1, 659.25, 0.45);
    raw.marimba(0.2, 783.99, 0.45);
    ASSERT_TRUE(raw.wasCutOff());
    EXPECT_GT(peak(raw.samples(), SoundSynth::bufferLength - 441), 0.01f);

    for (auto [event, style] : {std::pair{SoundEvent::winChime, TableStyleID::satin},
                                std::pair{SoundEvent::winChime, TableStyleID::paper},
                                std::pair{SoundEvent::turnChime, TableStyleID::paper}}) {
        const auto rendered = SoundSynth::samples(event, style, 0);
        ASSERT_GT(rendered.size(), SoundSynth::bufferLength - SoundSynth::cutOffFadeLength);
        // Inside the fade the level falls steadily towards zero.
        EXPECT_LT(std::abs(rendered.back()), 0.002f);
        EXPECT_LT(peak(rendered, rendered.size() - 20), 0.01f);
    }

    // A sound that fits keeps every sample as rendered.
    SoundSynth::Buffer fits;
    fits.noiseBurst(0, SoundSynth::noiseSeed(2), 0.8, 0.025, 0.35, 140);
    EXPECT_FALSE(fits.wasCutOff());
    EXPECT_EQ(fits.trimmed(), SoundSynth::samples(SoundEvent::cardFlip, TableStyleID::satin, 0));
}

TEST(SoundSynthDeathTest, ANegativeVariantStopsTheProgram) {
    EXPECT_DEATH(SoundSynth::samples(SoundEvent::cardDeal, TableStyleID::satin, -1), "variant >= 0");
}

TEST(SoundEvent, RawValuesRoundTripExactly) {
    for (auto event : allSoundEvents) {
        EXPECT_EQ(soundEventFromString(toString(event)), event);
    }
    EXPECT_EQ(toString(SoundEvent::checkKnock), "check.knock");
    EXPECT_EQ(soundEventFromString("Card.deal"), std::nullopt);
    EXPECT_EQ(soundEventFromString(""), std::nullopt);
}
