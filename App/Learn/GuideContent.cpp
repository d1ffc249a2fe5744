#include "Learn/GuideContent.h"

#include "BotKit/PreflopChart.h"
#include "PokerEngine/Precondition.h"

#include <QStringList>

std::optional<BasicsPage> basicsPageFromRawValue(int raw) {
    if (raw < 0 || raw >= basicsPageCount) {
        return std::nullopt;
    }
    return static_cast<BasicsPage>(raw);
}

QString title(BasicsPage page) {
    switch (page) {
    case BasicsPage::goal:
        return QStringLiteral("The goal");
    case BasicsPage::cards:
        return QStringLiteral("Your cards and the board");
    case BasicsPage::blinds:
        return QStringLiteral("Blinds and the button");
    case BasicsPage::options:
        return QStringLiteral("Your options");
    case BasicsPage::showdown:
        return QStringLiteral("Showdown");
    case BasicsPage::chips:
        break;
    }
    return QStringLiteral("Chips and your bankroll");
}

QString body(BasicsPage page) {
    switch (page) {
    case BasicsPage::goal:
        return QStringLiteral(
            "Win chips. Each hand, everyone bets into the **pot**, and you take it in one of two ways: have "
            "the best hand at the end, or bet so that everyone else gives up first. You don't need the best "
            "cards to win a pot.");
    case BasicsPage::cards:
        return QStringLiteral(
            "You get two cards only you can see, your **hole cards**. Then five shared cards come out in the "
            "middle: three at once (the **flop**), then one (the **turn**), then one more (the **river**). "
            "Your hand is the best five cards out of those seven.");
    case BasicsPage::blinds:
        return QStringLiteral(
            "The **button** (D) marks the dealer. The two players after it put in the **small blind** and "
            "the **big blind** before any cards, so there's always a pot to play for. The button moves one "
            "seat each hand, so everyone takes a turn.");
    case BasicsPage::options:
        return QStringLiteral(
            "When it's your turn you can **fold** (give up the hand), **check** (pass, if nobody has bet), "
            "**call** (match the bet), or **bet** or **raise** (put in more). **All-in** bets everything you "
            "have. There's a round of betting before the flop and after each new card.");
    case BasicsPage::showdown:
        return QStringLiteral(
            "If more than one player is left after the river, everyone shows their cards. The best five-card "
            "hand wins the pot; see Rankings for what beats what. If everyone else folds earlier, the last "
            "player left wins without showing.");
    case BasicsPage::chips:
        break;
    }
    return QStringLiteral(
        "Chips are play money: you can't buy them or cash them out. You start with 10,000. If your bankroll "
        "drops under 2,000, it tops back up to 2,000 the first time you open Chipwhistle each day.");
}

const std::vector<HandRank>& HandRank::all() {
    static const std::vector<HandRank> ranks = [] {
        struct Row {
            const char* name;
            const char* detail;
            const char* example;
        };
        const Row rows[] = {
            {"Royal Flush", "A, K, Q, J and 10, all one suit", "As Ks Qs Js Ts"},
            {"Straight Flush", "Five in a row, all one suit", "9h 8h 7h 6h 5h"},
            {"Four of a Kind", "Four cards of the same rank", "Qc Qd Qh Qs 4d"},
            {"Full House", "Three of a kind plus a pair", "Kd Kc Ks 7h 7c"},
            {"Flush", "Any five of one suit", "Ad Jd 8d 6d 2d"},
            {"Straight", "Five in a row, any suits", "Tc 9d 8s 7h 6c"},
            {"Three of a Kind", "Three of the same rank", "8s 8h 8d Kc 3s"},
            {"Two Pair", "Two different pairs", "Jh Jc 4s 4d Ah"},
            {"Pair", "Two of the same rank", "Tc Th Ks 6d 3c"},
            {"High Card", "None of the above: the highest card plays", "Ah Jd 8c 5s 2h"},
        };
        std::vector<HandRank> list;
        for (const Row& row : rows) {
            HandRank rank{QString::fromUtf8(row.name), QString::fromUtf8(row.detail), {}};
            for (const QString& code : QString::fromUtf8(row.example).split(QLatin1Char(' '))) {
                if (const auto card = PokerEngine::Card::fromCode(code.toStdString())) {
                    rank.cards.push_back(*card);
                }
            }
            list.push_back(std::move(rank));
        }
        return list;
    }();
    return ranks;
}

QString HandRank::spoken(int number, bool held) const {
    QStringList names;
    for (const PokerEngine::Card& card : cards) {
        names.append(QString::fromStdString(card.name()));
    }
    return QStringLiteral("%1. %2: %3. For example %4.%5")
        .arg(QString::number(number), name, detail, names.join(QStringLiteral(", ")),
             held ? QStringLiteral(" You have this now.") : QString());
}

StartingBand startingBand(const BotKit::StartingHand& hand) {
    const auto group = BotKit::PreflopChart::group(hand);
    if (!group) {
        return StartingBand::fold;
    }
    if (*group <= 2) {
        return StartingBand::great;
    }
    if (*group <= 4) {
        return StartingBand::good;
    }
    if (*group <= 6) {
        return StartingBand::playable;
    }
    return StartingBand::risky;
}

namespace {
// Index 0 is the ace, 12 the two.
int chartIndex(PokerEngine::Rank rank) {
    return 12 - PokerEngine::rankIndex(rank);
}
PokerEngine::Rank rankAt(int index) {
    return PokerEngine::allRanks[static_cast<std::size_t>(12 - index)];
}
} // namespace

ChartPosition chartPosition(const BotKit::StartingHand& hand) {
    const int high = chartIndex(hand.high);
    const int low = chartIndex(hand.low);
    if (hand.suited) {
        return {high, low};
    }
    return {low, high};
}

BotKit::StartingHand chartCell(int row, int column) {
    CW_PRECONDITION(row >= 0 && row < chartSide && column >= 0 && column < chartSide);
    const PokerEngine::Rank a = rankAt(row);
    const PokerEngine::Rank b = rankAt(column);
    return BotKit::StartingHand(std::max(a, b), std::min(a, b), row < column);
}
