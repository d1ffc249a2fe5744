#include "BotKit/BotCast.h"
#include "BotKit/Bots.h"
#include "BotKit/TieredBot.h"

#include "TestTable.h"

#include "PokerEngine/Engine.h"
#include "PokerEngine/EngineError.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace BotKit;
using BotKitTesting::TestTable;
using PokerEngine::GameState;
using PokerEngine::SeededRNG;

namespace {

struct TableOfBots {
    std::vector<BotProfile> profiles;
    std::int64_t stackInBB;
    std::int64_t handLimit;
};

std::vector<BotProfile> profilesOf(const std::vector<BotTier>& tiers) {
    std::vector<BotProfile> profiles;
    for (std::size_t i = 0; i < tiers.size(); ++i) {
        const auto characters = BotCast::characters(tiers[i]);
        profiles.push_back(BotProfile::standard(characters[i % characters.size()]));
    }
    return profiles;
}

// Plays hands until one player holds every chip or the limit is reached; every bot action must be
// accepted by the engine. Returns the number of hands played.
std::int64_t playToTheEnd(const TableOfBots& table, std::uint64_t seed) {
    const auto seats = static_cast<std::int64_t>(table.profiles.size());
    std::vector<PokerEngine::PlayerID> players;
    std::vector<SeededRNG> rngs;
    for (std::int64_t seat = 0; seat < seats; ++seat) {
        players.push_back(TestTable::player(seat));
        rngs.push_back(Bots::rng(seed, seat));
    }
    const std::int64_t bigBlind = 20;
    const PokerEngine::TableConfig config{seats, PokerEngine::BlindSchedule::fixed(10, bigBlind, 0),
                                          bigBlind * table.stackInBB};
    GameState state = PokerEngine::newTable(config, players, seed);
    const std::int64_t chips = state.totalChips();
    const TieredBot bot;
    std::int64_t hands = 0;
    while (hands < table.handLimit) {
        try {
            state = PokerEngine::startHand(state);
        } catch (const PokerEngine::EngineError& error) {
            EXPECT_EQ(error, PokerEngine::EngineError::notEnoughPlayers());
            break;
        }
        ++hands;
        while (PokerEngine::isBetting(state.street())) {
            const auto seat = static_cast<std::size_t>(*state.actingIndex());
            const auto view = PokerEngine::view(state, players[seat]);
            const auto action = bot.decide(view, table.profiles[seat], rngs[seat]);
            try {
                state = PokerEngine::apply(action, players[seat], state);
            } catch (const PokerEngine::EngineError& error) {
                ADD_FAILURE() << "refused " << error.what() << " from seat " << seat << " (seed " << seed
                              << ")";
                return hands;
            }
        }
        EXPECT_EQ(state.totalChips(), chips);
    }
    return hands;
}

} // namespace

TEST(BotTables, EasyAndMediumTablesPlayToTheEndAtEverySize) {
    for (std::int64_t seats = 2; seats <= 6; ++seats) {
        for (const BotTier tier : {BotTier::easy, BotTier::medium}) {
            for (const std::int64_t depth : {8, 40, 150}) {
                const TableOfBots table{
                    profilesOf(std::vector<BotTier>(static_cast<std::size_t>(seats), tier)), depth, 120};
                for (std::uint64_t seed = 1; seed <= 2; ++seed) {
                    EXPECT_GT(playToTheEnd(table, seed * 1000 + static_cast<std::uint64_t>(seats)), 0);
                }
            }
        }
    }
}

TEST(BotTables, HardTablesPlayWithoutARefusal) {
    for (std::int64_t seats = 2; seats <= 6; ++seats) {
        for (const std::int64_t depth : {6, 100}) {
            const TableOfBots table{
                profilesOf(std::vector<BotTier>(static_cast<std::size_t>(seats), BotTier::hard)), depth,
                seats == 2 ? 150 : 40};
            playToTheEnd(table, 77 + static_cast<std::uint64_t>(seats));
        }
    }
}

TEST(BotTables, MixedTablesPlayToTheEnd) {
    const std::vector<std::vector<BotTier>> lineups{
        {BotTier::easy, BotTier::hard},
        {BotTier::hard, BotTier::medium, BotTier::easy},
        {BotTier::easy, BotTier::medium, BotTier::hard, BotTier::easy, BotTier::medium, BotTier::hard},
    };
    for (const auto& lineup : lineups) {
        for (const std::int64_t depth : {5, 12, 60}) {
            const TableOfBots table{profilesOf(lineup), depth, depth <= 12 ? 200 : 25};
            playToTheEnd(table, 4242 + static_cast<std::uint64_t>(lineup.size() * 10 +
                                                                  static_cast<std::size_t>(depth)));
        }
    }
}

TEST(BotTables, ShortStackedTablesFinish) {
    // At a few big blinds the bots push and fold: such tables end with one player holding every chip.
    for (std::int64_t seats = 2; seats <= 6; ++seats) {
        const TableOfBots table{
            profilesOf(std::vector<BotTier>(static_cast<std::size_t>(seats), BotTier::easy)), 3, 2000};
        EXPECT_LT(playToTheEnd(table, 9 + static_cast<std::uint64_t>(seats)), 2000);
    }
}

TEST(TieredBot, SameViewProfileAndGeneratorGiveTheSameActionAndEndState) {
    const TieredBot bot;
    for (const BotTier tier : allBotTiers) {
        TestTable table(3, 2000, 10, 20, 0,
                        BotKitTesting::rigged({{0, "Ah Kh"}, {1, "7c 2d"}, {2, "9s 9d"}}, "Qh Jh 3c 4d 5s"));
        const auto profile = BotProfile::standard(tier);
        for (int step = 0; step < 8 && PokerEngine::isBetting(table.state().street()); ++step) {
            const auto view = table.actorView();
            SeededRNG a = Bots::rng(5, table.actor());
            SeededRNG b = a;
            const auto first = bot.decide(view, profile, a);
            const auto second = bot.decide(view, profile, b);
            EXPECT_EQ(first, second);
            EXPECT_EQ(a, b);
            table.act(first);
        }
    }
}
