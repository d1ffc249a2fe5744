#include "Table/TableSpeech.h"

#include "Table/HandEvents.h"

#include <gtest/gtest.h>

namespace {

using PokerEngine::PlayerView;
using namespace HandEvents;

const TableText names{
    [](std::int64_t seat) { return seat == 0 ? QStringLiteral("You") : QStringLiteral("Goldie"); }};

PlayerView at(std::vector<PokerEngine::HandEvent> log, bool heroToAct, std::int64_t hand = 1) {
    PlayerView seen = view();
    seen.handNumber = hand;
    seen.log = std::move(log);
    if (heroToAct) {
        PokerEngine::LegalActions legal;
        legal.canCheck = true;
        legal.minRaiseTo = 40;
        seen.legalActions = legal;
    }
    return seen;
}

} // namespace

TEST(TableSpeech, EveryMomentTheGameWaitsForThePlayerIsToldOnce) {
    const std::vector<PokerEngine::HandEvent> dealt{started(), smallBlind(1), bigBlind(0), hole(0)};
    auto called = dealt;
    called.push_back(acted(1, ActionKind::call, 10, 20));
    auto flop = called;
    flop.push_back(acted(0, ActionKind::check));
    flop.push_back(board(Street::flop));
    const QString flopLine = "Flop: Two of clubs, Two of clubs, Two of clubs.";
    struct Row {
        const char* moment;
        std::optional<PlayerView> from;
        PlayerView to;
        QStringList said;
    };
    const std::vector<Row> rows{
        {"a bot's action hands the player the turn",
         at(dealt, false),
         at(called, true),
         {"Goldie calls 10.", "Your turn. Check or bet."}},
        {"the player's own check closes a street they open",
         at(called, true),
         at(flop, true),
         {flopLine, "Your turn. Check or bet."}},
        {"the same view again", at(flop, true), at(flop, true), {}},
        {"a new hand dealt with the player first",
         at(flop, true),
         at(dealt, true, 2),
         {"Hand 1. Blinds 10 20.", "Your turn. Check or bet."}},
        {"a table first seen mid-hand", std::nullopt, at(flop, true), {"Your turn. Check or bet."}},
        {"the player's turn is over", at(called, true), at(flop, false), {flopLine}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TableSpeech::change(row.from, row.to, names), row.said) << row.moment;
    }
}

TEST(TableSpeech, AScreenAppearingTellsTheTableAsItStands) {
    const std::vector<PokerEngine::HandEvent> dealt{started(), smallBlind(0), bigBlind(1), hole(0)};
    const PlayerView fresh = at(dealt, true);
    // A table just dealt, nothing told yet: the hand, then the turn.
    EXPECT_EQ(TableSpeech::appearing(std::nullopt, fresh, true, names),
              (QStringList{"Hand 1. Blinds 10 20.", "Your turn. Check or bet."}));
    // Shown again on the turn it was hidden on: the turn alone; with the table stopped, nothing.
    EXPECT_EQ(TableSpeech::appearing(fresh, fresh, true, names), QStringList{"Your turn. Check or bet."});
    EXPECT_EQ(TableSpeech::appearing(fresh, fresh, false, names), QStringList{});
    EXPECT_EQ(TableSpeech::appearing(fresh, at(dealt, false), true, names), QStringList{});
}
