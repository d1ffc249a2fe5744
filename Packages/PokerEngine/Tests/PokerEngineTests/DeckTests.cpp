#include "PokerEngine/Deck.h"
#include "PokerEngine/SeededRNG.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

using namespace PokerEngine;

namespace {

std::vector<std::string> drawCodes(Deck deck, int count) {
    std::vector<std::string> codes;
    for (int i = 0; i < count; ++i) {
        codes.push_back(deck.draw().code());
    }
    return codes;
}

Card card(const char* code) {
    return *Card::fromCode(code);
}

} // namespace

TEST(DeckShuffle, SeedZeroDealsThePinnedOrder) {
    SeededRNG rng(0);
    const auto deck = Deck::shuffled(rng);
    EXPECT_EQ(drawCodes(deck, 10),
              (std::vector<std::string>{"Qh", "9c", "8s", "2d", "5s", "Kc", "Ac", "7s", "8h", "2c"}));
}

TEST(DeckShuffle, SeedFortyTwoDealsThePinnedOrder) {
    SeededRNG rng(42);
    EXPECT_EQ(drawCodes(Deck::shuffled(rng), 9),
              (std::vector<std::string>{"3s", "3c", "As", "Jh", "7h", "5c", "7d", "Td", "5s"}));
}

TEST(DeckShuffle, SameGeneratorStateSameDeckAndSameAdvance) {
    SeededRNG a(99);
    SeededRNG b(99);
    EXPECT_EQ(Deck::shuffled(a), Deck::shuffled(b));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, SeededRNG(99));
    EXPECT_TRUE(Deck::shuffled(a).isWellFormed());
}

TEST(DeckStacked, DrawsInTheGivenOrder) {
    auto deck = Deck::stacked({card("As"), card("Kd"), card("2c")});
    EXPECT_EQ(deck.remaining(), 3);
    EXPECT_EQ(deck.draw(), card("As"));
    EXPECT_EQ(deck.draw(), card("Kd"));
    EXPECT_EQ(deck.draw(), card("2c"));
    EXPECT_EQ(deck.remaining(), 0);
    EXPECT_FALSE(deck.isWellFormed()); // only full decks are dealt from
    EXPECT_TRUE(Deck().isWellFormed());
}

TEST(DeckDeathTest, RepeatedCardsAndEmptyDrawsStop) {
    EXPECT_DEATH(Deck::stacked({card("As"), card("as")}), "Precondition failed");
    EXPECT_DEATH(Deck().draw(), "Precondition failed");
}

TEST(DeckJson, RoundTripKeepsOrderAndPosition) {
    SeededRNG rng(5);
    auto deck = Deck::shuffled(rng);
    deck.draw();
    deck.draw();
    const nlohmann::json json = deck;
    EXPECT_EQ(json["position"], 2);
    EXPECT_EQ(json["cards"].size(), 52u);
    auto restored = json.get<Deck>();
    EXPECT_EQ(restored, deck);
    EXPECT_EQ(restored.draw(), deck.draw());
}

TEST(DeckJson, ReadsAnyListButRequiresBothKeys) {
    const auto deck = nlohmann::json{{"cards", {"As", "As"}}, {"position", 7}}.get<Deck>();
    EXPECT_FALSE(deck.isWellFormed());
    EXPECT_ANY_THROW((void)nlohmann::json::parse(R"({"cards": ["As"]})").get<Deck>());
    EXPECT_ANY_THROW((void)nlohmann::json::parse(R"({"position": 0})").get<Deck>());
    EXPECT_ANY_THROW((void)nlohmann::json::parse(R"({"cards": ["1s"], "position": 0})").get<Deck>());
}
