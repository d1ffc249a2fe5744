#include "HandEvents.h"

#include "Table/LogDiff.h"
#include "Table/SeatModel.h"

#include <gtest/gtest.h>

using namespace HandEvents;
using PokerEngine::SeatStatus;

namespace {

std::vector<SeatModel> models(const PokerEngine::PlayerView& view,
                              const SeatModel::ShownCards& unshown = {}) {
    return SeatModel::seats(
        view,
        [](std::int64_t seat) {
            return seat == 0 ? QStringLiteral("You") : QStringLiteral("Bot %1").arg(seat);
        },
        [](std::int64_t seat) {
            return AvatarModel{QString::number(seat).toStdString(), RGB{}, false, std::nullopt};
        },
        unshown);
}

std::vector<int> slotsOf(const std::vector<SeatModel>& seats) {
    std::vector<int> taken;
    for (const auto& seat : seats) {
        taken.push_back(seat.slot);
    }
    return taken;
}

PokerEngine::Card card(const char* code) {
    return *PokerEngine::Card::fromCode(code);
}

} // namespace

TEST(SeatModel, SeatsGoClockwiseFromThePlayerForEveryTableSize) {
    EXPECT_EQ(slotsOf(models(view(2))), (std::vector<int>{0, 3}));
    EXPECT_EQ(slotsOf(models(view(3))), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(slotsOf(models(view(4))), (std::vector<int>{0, 1, 3, 5}));
    EXPECT_EQ(slotsOf(models(view(5))), (std::vector<int>{0, 1, 2, 4, 5}));
    EXPECT_EQ(slotsOf(models(view(6))), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    // The player at seat 3 of six sits at slot 0, and the others follow in seat order.
    EXPECT_EQ(slotsOf(models(view(6, 3))), (std::vector<int>{3, 4, 5, 0, 1, 2}));
    const auto seated = models(view(6, 3));
    EXPECT_TRUE(seated[3].isHero);
    EXPECT_EQ(seated[3].avatar, AvatarModel::hero());
    EXPECT_EQ(seated[4].avatar.initial, "4");
    // A spectator's table starts from seat 0, with no player marked.
    const auto watched = models(view(4, std::nullopt));
    EXPECT_EQ(slotsOf(watched), (std::vector<int>{0, 1, 3, 5}));
    EXPECT_TRUE(std::none_of(watched.begin(), watched.end(), [](const auto& seat) { return seat.isHero; }));
    EXPECT_TRUE(models(PokerEngine::PlayerView{}).empty());
}

TEST(SeatModel, StackLinesFollowTheSeatAndTheStreet) {
    auto v = view(6);
    v.seats[2].status = SeatStatus::folded;
    v.seats[3].status = SeatStatus::busted;
    v.seats[4].status = SeatStatus::sittingOut;
    v.seats[5].status = SeatStatus::empty;
    v.seats[1].status = SeatStatus::allIn;
    v.seats[1].stack = 0;
    v.log = {started(), acted(2, ActionKind::fold)};
    auto seats = models(v);
    EXPECT_EQ(seats[0].stackLine, SeatModel::StackLine::chips(1000));
    EXPECT_EQ(seats[1].stackLine, SeatModel::StackLine::chips(0));
    EXPECT_EQ(seats[2].stackLine, SeatModel::StackLine::folded(1000));
    EXPECT_EQ(seats[3].stackLine, SeatModel::StackLine::out());
    EXPECT_EQ(seats[4].stackLine, SeatModel::StackLine::sittingOut());
    EXPECT_EQ(seats[5].stackLine, SeatModel::StackLine::empty());
    // Once the flop is out, a seat that folded before shows its chips again.
    v.log.push_back(board(Street::flop));
    EXPECT_EQ(models(v)[2].stackLine, SeatModel::StackLine::chips(1000));
    EXPECT_EQ(models(v)[2].status, SeatStatus::folded);
}

TEST(SeatModel, MarkersComeFromTheLog) {
    auto v = view(3);
    v.buttonIndex = 0;
    v.actingIndex = 2;
    v.log = {started(), smallBlind(1), bigBlind(2), smallBlind(2)};
    auto seats = models(v);
    EXPECT_TRUE(seats[0].isDealer);
    EXPECT_EQ(seats[1].blind, QStringLiteral("SB"));
    // A later blind event for the same seat replaces the earlier.
    EXPECT_EQ(seats[2].blind, QStringLiteral("SB"));
    EXPECT_FALSE(seats[0].blind);
    EXPECT_TRUE(seats[2].isActing);
    EXPECT_FALSE(seats[1].isActing);

    // At the end of the hand the dealer stays and the blinds go; winners of every pot are marked.
    v.street = Street::handComplete;
    v.actingIndex.reset();
    v.log.push_back(awarded(0, {{1, 60}}));
    v.log.push_back(awarded(1, {{2, 20}}));
    seats = models(v);
    EXPECT_TRUE(seats[0].isDealer);
    EXPECT_FALSE(seats[1].blind);
    EXPECT_FALSE(seats[0].isWinner);
    EXPECT_TRUE(seats[1].isWinner);
    EXPECT_TRUE(seats[2].isWinner);

    // Between tables (hand complete, empty log) there are no markers at all.
    v.log.clear();
    EXPECT_FALSE(models(v)[0].isDealer);

    // An empty seat never holds the button.
    auto e = view(3);
    e.buttonIndex = 1;
    e.seats[1].status = SeatStatus::empty;
    EXPECT_FALSE(models(e)[1].isDealer);
}

TEST(SeatModel, ShownCardsAreTheViewersOwnTheOnesShownOrTheOnesHandedIn) {
    auto v = view(3);
    v.holeCards = {card("As"), card("Kd")};
    v.seats[1].holeCards = std::vector<PokerEngine::Card>{card("2c"), card("7h")};
    v.seats[2].hasCards = true;
    auto seats = models(v, {{2, {card("Qs"), card("Qh")}}, {1, {card("3c"), card("3d")}}});
    EXPECT_EQ(seats[0].shownCards, v.holeCards);
    EXPECT_EQ(seats[1].shownCards, v.seats[1].holeCards);
    EXPECT_EQ(seats[2].shownCards, (std::vector<PokerEngine::Card>{card("Qs"), card("Qh")}));
    EXPECT_TRUE(seats[2].hasCards);
    EXPECT_FALSE(models(v)[2].shownCards);
}

TEST(SeatModel, SpokenLabels) {
    SeatModel bot;
    bot.name = QStringLiteral("Rascal");
    bot.status = SeatStatus::active;
    bot.stack = 1480;
    bot.streetBet = 40;
    bot.blind = QStringLiteral("BB");
    bot.isActing = true;
    EXPECT_EQ(bot.accessibilityLabel(), QStringLiteral("Rascal, 1,480 chips, bet 40, big blind, to act"));

    bot.status = SeatStatus::allIn;
    bot.isActing = false;
    bot.isDealer = true;
    bot.blind = QStringLiteral("SB");
    bot.isWinner = true;
    bot.shownCards = std::vector<PokerEngine::Card>{card("As"), card("Td")};
    EXPECT_EQ(bot.accessibilityLabel(),
              QStringLiteral(
                  "Rascal, 1,480 chips, bet 40, dealer, small blind, all-in, winner, shows Ace of spades "
                  "and Ten of diamonds"));

    SeatModel hero;
    hero.name = QStringLiteral("You");
    hero.isHero = true;
    hero.isActing = true;
    hero.status = SeatStatus::folded;
    hero.shownCards = std::vector<PokerEngine::Card>{card("As"), card("Td")};
    EXPECT_EQ(hero.accessibilityLabel(), QStringLiteral("You, 0 chips, folded, your turn"));

    SeatModel out;
    out.name = QStringLiteral("Goldie");
    out.status = SeatStatus::busted;
    EXPECT_EQ(out.accessibilityLabel(), QStringLiteral("Goldie, out"));
    out.status = SeatStatus::sittingOut;
    EXPECT_EQ(out.accessibilityLabel(), QStringLiteral("Goldie, sitting out"));
    out.status = SeatStatus::empty;
    EXPECT_EQ(out.accessibilityLabel(), QStringLiteral("Empty seat"));
}

TEST(SeatModel, HintsExplainTheMarkers) {
    SeatModel seat;
    seat.status = SeatStatus::active;
    EXPECT_EQ(seat.accessibilityHint(), QString());
    seat.isDealer = true;
    seat.blind = QStringLiteral("SB");
    EXPECT_EQ(seat.accessibilityHint(),
              QStringLiteral(
                  "Dealer: the D disc. It marks the dealer and moves one seat each hand. Small blind: the "
                  "smaller forced bet, half the big blind, put in by the player after the button."));
    seat.isDealer = false;
    seat.blind = QStringLiteral("BB");
    seat.status = SeatStatus::allIn;
    EXPECT_EQ(
        seat.accessibilityHint(),
        QStringLiteral("Big blind: the larger forced bet, put in by the second player after the button. "
                       "All-in: betting every chip you have. Nobody can make you fold after that."));
}

TEST(LogDiff, NewEventsSinceTheLastView) {
    auto first = view(2);
    first.log = {started(1), smallBlind(0), bigBlind(1)};
    // A table that has just started replays from its first event; one opened mid-play does not.
    EXPECT_EQ(LogDiff::newEvents(std::nullopt, first), first.log);
    auto midPlay = first;
    midPlay.log.push_back(acted(0, ActionKind::call, 10, 20));
    EXPECT_TRUE(LogDiff::newEvents(std::nullopt, midPlay).empty());
    auto laterHand = first;
    laterHand.handNumber = 4;
    EXPECT_TRUE(LogDiff::newEvents(std::nullopt, laterHand).empty());

    EXPECT_EQ(LogDiff::newEvents(first, midPlay), (std::vector<PokerEngine::HandEvent>{midPlay.log.back()}));
    EXPECT_TRUE(LogDiff::newEvents(midPlay, first).empty());
    EXPECT_TRUE(LogDiff::newEvents(first, first).empty());
    EXPECT_EQ(LogDiff::newEvents(laterHand, midPlay), midPlay.log);
    auto empty = first;
    empty.log.clear();
    EXPECT_EQ(LogDiff::newEvents(empty, first), first.log);
}
