#include "PokerEngine/DecodingError.h"
#include "PokerEngine/SeededRNG.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>

using namespace PokerEngine;

namespace {

SeededRNG decode(const nlohmann::json& words) {
    return nlohmann::json{{"state", words}}.get<SeededRNG>();
}

void expectWords(const SeededRNG& rng, std::uint64_t s0, std::uint64_t s1, std::uint64_t s2,
                 std::uint64_t s3) {
    EXPECT_EQ(rng.s0, s0);
    EXPECT_EQ(rng.s1, s1);
    EXPECT_EQ(rng.s2, s2);
    EXPECT_EQ(rng.s3, s3);
}

} // namespace

TEST(SeededRNGSeeding, SeedZeroGivesThePublishedWords) {
    const SeededRNG rng(0);
    expectWords(rng, 0xE220A8397B1DCDAFULL, 0x6E789E6AA1B965F4ULL, 0x06C45D188009454FULL,
                0xF88BB8A8724C81ECULL);
    EXPECT_EQ(splitMix64(0x9E3779B97F4A7C15ULL), 0xE220A8397B1DCDAFULL);
}

TEST(SeededRNGSeeding, StreamsMixTheSeedFirst) {
    expectWords(SeededRNG(7, 3), 0xD40D0A4FFA679748ULL, 0x2000C298C383E25CULL, 0xCBB7B98DEA9F3567ULL,
                0x3FB2DDF95625B922ULL);
    expectWords(SeededRNG(1, 0), 0x5E41AB087439611EULL, 0xF18D6CE93D6CF1EEULL, 0x0B95F66D327E8D78ULL,
                0xC7061B1B93322BA9ULL);
    EXPECT_NE(SeededRNG(1, 0), SeededRNG(1));
}

TEST(SeededRNGDraws, OutputsFromSeedZero) {
    SeededRNG rng(0);
    EXPECT_EQ(rng.next(), 0x99EC5F36CB75F2B4ULL);
    EXPECT_EQ(rng.next(), 0xBF6E1F784956452AULL);

    SeededRNG unit(0);
    EXPECT_DOUBLE_EQ(unit.nextUnit(), 0.6012629994179048);

    SeededRNG bounded(0);
    EXPECT_EQ(bounded.next(52), 31);
    EXPECT_EQ(bounded.next(52), 38);
    EXPECT_EQ(bounded.next(52), 5);
}

TEST(SeededRNGDraws, SameSeedSameSequenceAndCopiesAreIndependent) {
    SeededRNG a(12345);
    SeededRNG b(12345);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(a.next(), b.next());
    }
    SeededRNG copy = a;
    const auto fromCopy = copy.next();
    EXPECT_EQ(a.next(), fromCopy);
}

TEST(SeededRNGDraws, BoundedDrawOfOneConsumesAnOutput) {
    SeededRNG drawn(9);
    SeededRNG reference(9);
    EXPECT_EQ(drawn.next(1), 0);
    reference.next();
    EXPECT_EQ(drawn, reference);
}

TEST(SeededRNGDraws, BoundedDrawsStayInRange) {
    SeededRNG rng(77);
    for (int i = 0; i < 1000; ++i) {
        const auto value = rng.next(7);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 7);
    }
}

TEST(SeededRNGDraws, UnitDrawNeverReachesOne) {
    // The largest output maps just below 1; the smallest outputs map to 0.
    SeededRNG high = SeededRNG::fromState(1, 0, 0, 0);
    const double value = high.nextUnit();
    EXPECT_LT(value, 1.0);
    EXPECT_GE(value, 0.0);
    EXPECT_LT(static_cast<double>(UINT64_MAX >> 11) * 0x1.0p-53, 1.0);
}

TEST(SeededRNGDeathTest, BoundBelowOneStops) {
    SeededRNG rng(1);
    EXPECT_DEATH(rng.next(0), "Precondition failed");
    EXPECT_DEATH(rng.next(-5), "Precondition failed");
}

TEST(SeededRNGJson, WritesLowerCaseHexWithoutLeadingZeros) {
    const nlohmann::json expected = {
        {"state", {"e220a8397b1dcdaf", "6e789e6aa1b965f4", "6c45d188009454f", "f88bb8a8724c81ec"}}};
    EXPECT_EQ(nlohmann::json(SeededRNG(0)), expected);
    EXPECT_EQ(nlohmann::json(SeededRNG::fromState(255, 0, 0, 1))["state"][0], "ff");
    EXPECT_EQ(nlohmann::json(SeededRNG::fromState(255, 0, 0, 1))["state"][1], "0");
}

TEST(SeededRNGJson, ReadsHexInEitherCaseWithASign) {
    EXPECT_EQ(decode({"ff", "0", "0", "1"}).s0, 255u);
    EXPECT_EQ(decode({"FF", "0", "0", "1"}).s0, 255u);
    EXPECT_EQ(decode({"+ff", "0", "0", "1"}).s0, 255u);
    EXPECT_EQ(decode({"-0", "0", "0", "1"}).s3, 1u);
    expectWords(decode({"0", "0", "0", "1"}), 0, 0, 0, 1);
}

TEST(SeededRNGJson, ContinuesIdenticallyAfterARoundTrip) {
    SeededRNG rng(2024);
    rng.next();
    auto restored = nlohmann::json(rng).get<SeededRNG>();
    EXPECT_EQ(restored, rng);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(restored.next(), rng.next());
    }
}

TEST(SeededRNGJson, RefusesAnythingButFourValidNonZeroWords) {
    const nlohmann::json bad[] = {
        {"1", "zz", "2", "3", "4"}, // a word that does not parse is not dropped
        {"0", "0", "0", "0"},       {"1", "2", "3"},
        {"1", "2", "3", "4", "5"},  {"-1", "2", "3", "4"},
        {"", "2", "3", "4"},        {"0x1", "2", "3", "4"},
        {" 1", "2", "3", "4"},      {"10000000000000000", "2", "3", "4"},
    };
    for (const auto& words : bad) {
        try {
            decode(words);
            ADD_FAILURE() << words.dump() << " decoded";
        } catch (const DecodingError& error) {
            EXPECT_EQ(error.kind(), DecodingError::Kind::dataCorrupted);
            EXPECT_EQ(error.description(), "Expected 4 non-zero hex words");
        }
    }
    EXPECT_THROW((void)nlohmann::json::object().get<SeededRNG>(), DecodingError);
    EXPECT_THROW(decode({1, 2, 3, 4}), DecodingError);
}
