#include "BotKit/BotCast.h"
#include "BotKit/BotProfile.h"
#include "BotKit/PlayerKind.h"

#include "PokerEngine/DecodingError.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unordered_set>

using namespace BotKit;
using nlohmann::json;

namespace {

std::vector<std::string> slugs(const std::vector<BotCharacter>& characters) {
    std::vector<std::string> result;
    for (const auto& character : characters) {
        result.push_back(character.slug);
    }
    return result;
}

std::string decodingDescription(const json& value) {
    try {
        (void)value.get<PlayerKind>();
    } catch (const PokerEngine::DecodingError& error) {
        return error.description();
    }
    return "decoded";
}

} // namespace

TEST(BotCast, HasTwelveCharactersFourPerTierInTableOrder) {
    ASSERT_EQ(BotCast::all().size(), 12u);
    EXPECT_EQ(slugs(BotCast::characters(BotTier::easy)),
              (std::vector<std::string>{"biscuit", "goldie", "pancake", "aunt-clucky"}));
    EXPECT_EQ(slugs(BotCast::characters(BotTier::medium)),
              (std::vector<std::string>{"shelldon", "rascal", "duchess", "professor-hoot"}));
    EXPECT_EQ(slugs(BotCast::characters(BotTier::hard)),
              (std::vector<std::string>{"finn", "vivian", "inky", "big-lou"}));
    std::unordered_set<std::string> distinct;
    for (const auto& character : BotCast::all()) {
        distinct.insert(character.slug);
    }
    EXPECT_EQ(distinct.size(), 12u);
}

TEST(BotCast, LooksUpBySlugExactly) {
    const auto hoot = BotCast::character("professor-hoot");
    ASSERT_TRUE(hoot.has_value());
    EXPECT_EQ(hoot->name, "Dr. Hoot");
    EXPECT_EQ(hoot->tier, BotTier::medium);
    EXPECT_EQ(BotCast::character("aunt-clucky")->name, "Clucky");
    EXPECT_FALSE(BotCast::character("Finn").has_value());
    EXPECT_FALSE(BotCast::character("").has_value());
}

TEST(BotTier, TextFormIsTheCaseName) {
    EXPECT_EQ(toString(BotTier::medium), "medium");
    EXPECT_EQ(botTierFromString("hard"), BotTier::hard);
    EXPECT_FALSE(botTierFromString("Hard").has_value());
    EXPECT_EQ(json(BotTier::easy), json("easy"));
    EXPECT_THROW((void)json("expert").get<BotTier>(), PokerEngine::DecodingError);
}

TEST(BotProfile, StandardProfilesCarryTheTierNumbers) {
    const auto hard = BotProfile::standard(BotTier::hard);
    EXPECT_EQ(hard, (BotProfile{"Finn", "finn", BotTier::hard, 0.5, 0.6, 0.2}));

    const auto goldie = BotProfile::standard(BotTier::easy, "Goldie", "goldie");
    EXPECT_EQ(goldie, (BotProfile{"Goldie", "goldie", BotTier::easy, 0.5, 0.2, 0.02}));

    const auto medium = BotProfile::standard(BotTier::medium);
    EXPECT_EQ(medium, (BotProfile{"Shelldon", "shelldon", BotTier::medium, 0.5, 0.6, 0.1}));

    const auto hoot = BotProfile::standard(*BotCast::character("professor-hoot"));
    EXPECT_EQ(hoot, (BotProfile{"Dr. Hoot", "professor-hoot", BotTier::medium, 0.5, 0.6, 0.1}));
}

TEST(BotProfile, EqualityAndHashCoverEveryField) {
    auto a = BotProfile::standard(BotTier::hard);
    auto b = a;
    EXPECT_EQ(std::hash<BotProfile>{}(a), std::hash<BotProfile>{}(b));
    b.bluffFrequency = 0.21;
    EXPECT_NE(a, b);
}

TEST(BotProfileJson, RoundTripsWithFieldNamesAsKeys) {
    const auto profile = BotProfile{"Big Lou", "big-lou", BotTier::hard, 0.75, 0.6, 0.2};
    const json written = profile;
    EXPECT_EQ(written.dump(), R"({"aggression":0.6,"avatar":"big-lou","bluffFrequency":0.2,)"
                              R"("looseness":0.75,"name":"Big Lou","tier":"hard"})");
    EXPECT_EQ(written.get<BotProfile>(), profile);

    json withExtra = written;
    withExtra["mood"] = "grumpy";
    EXPECT_EQ(withExtra.get<BotProfile>(), profile);

    json integerNumbers = written;
    integerNumbers["looseness"] = 1;
    EXPECT_EQ(integerNumbers.get<BotProfile>().looseness, 1.0);
}

TEST(BotProfileJson, FailsOnAMissingKeyAWrongTypeOrAnUnknownTier) {
    const json written = BotProfile::standard(BotTier::easy);
    for (const char* key : {"name", "avatar", "tier", "looseness", "aggression", "bluffFrequency"}) {
        json missing = written;
        missing.erase(key);
        EXPECT_THROW((void)missing.get<BotProfile>(), PokerEngine::DecodingError) << key;
    }
    json wrongType = written;
    wrongType["aggression"] = "high";
    EXPECT_THROW((void)wrongType.get<BotProfile>(), PokerEngine::DecodingError);
    json badTier = written;
    badTier["tier"] = "expert";
    EXPECT_THROW((void)badTier.get<BotProfile>(), PokerEngine::DecodingError);
    EXPECT_THROW((void)json::array().get<BotProfile>(), PokerEngine::DecodingError);
}

TEST(BotCharacterJson, RoundTrips) {
    const auto finn = *BotCast::character("finn");
    const json written = finn;
    EXPECT_EQ(written.dump(), R"({"name":"Finn","slug":"finn","tier":"hard"})");
    EXPECT_EQ(written.get<BotCharacter>(), finn);
    EXPECT_THROW((void)json::parse(R"({"name":"Finn","slug":"finn"})").get<BotCharacter>(),
                 PokerEngine::DecodingError);
}

TEST(PlayerKind, ComparesByCaseAndProfile) {
    const auto finn = BotProfile::standard(BotTier::hard);
    EXPECT_EQ(PlayerKind::human(), PlayerKind::human());
    EXPECT_EQ(PlayerKind::bot(finn), PlayerKind::bot(finn));
    EXPECT_NE(PlayerKind::bot(finn), PlayerKind::human());
    auto other = finn;
    other.looseness = 0.6;
    EXPECT_NE(PlayerKind::bot(finn), PlayerKind::bot(other));
    EXPECT_EQ(*PlayerKind::bot(finn).botProfile(), finn);
    EXPECT_EQ(PlayerKind::human().botProfile(), nullptr);
}

TEST(PlayerKindJson, WritesCaseKeyedObjects) {
    EXPECT_EQ(json(PlayerKind::human()).dump(), R"({"human":{}})");
    const auto finn = BotProfile::standard(BotTier::hard);
    const json bot = PlayerKind::bot(finn);
    EXPECT_EQ(bot, (json{{"bot", {{"_0", json(finn)}}}}));
    EXPECT_EQ(bot.get<PlayerKind>(), PlayerKind::bot(finn));
    EXPECT_EQ(json::parse(R"({"human":{"ignored":1}})").get<PlayerKind>(), PlayerKind::human());
    EXPECT_EQ(json::parse(R"({"human":{},"other":3})").get<PlayerKind>(), PlayerKind::human());
}

TEST(PlayerKindJson, NeedsExactlyOneCaseKey) {
    const std::string expected = "Invalid number of keys found, expected one.";
    json both = json::parse(R"({"human":{}})");
    both["bot"] = {{"_0", json(BotProfile::standard(BotTier::easy))}};
    EXPECT_EQ(decodingDescription(both), expected);
    EXPECT_EQ(decodingDescription(json::object()), expected);
    EXPECT_EQ(decodingDescription(json::parse(R"({"robot":{}})")), expected);
    EXPECT_NE(decodingDescription(json::parse(R"({"bot":{}})")), "decoded");
    EXPECT_NE(decodingDescription(json::parse(R"({"human":3})")), "decoded");
    EXPECT_NE(decodingDescription(json::parse(R"({"bot":{"_0":{"name":"x"}}})")), "decoded");
}
