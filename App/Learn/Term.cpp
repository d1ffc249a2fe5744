#include "Learn/Term.h"

#include "Game/TableText.h"
#include "Learn/GuideContent.h"
#include "Learn/GuideDestination.h"
#include "Learn/HandNames.h"
#include "Learn/MarkdownText.h"

#include "PokerEngine/EnumText.h"

#include <QLocale>

#include <algorithm>

namespace {

// `example`: two suited cards, as the text shows them or as a reader hears them.
QString suitedExplanation(const QString& example) {
    return QStringLiteral("Your two cards are **suited** when they share a suit, like %1, and **offsuit** "
                          "when they don't. Suited cards can make a flush, so they're a little stronger.")
        .arg(example);
}

constexpr PokerEngine::EnumNames<Term, termCount> termNames{
    "Term",
    {"allIn",     "ante",       "bankroll",  "bet",       "bigBlind",   "blinds", "board",    "button",
     "buyIn",     "call",       "cashTable", "check",     "difficulty", "flop",   "fold",     "headsUp",
     "holeCards", "kicker",     "pot",       "quickHand", "raise",      "river",  "showdown", "sidePot",
     "sitAndGo",  "smallBlind", "stack",     "stakes",    "suited",     "turn"}};

// Where a term's guide link leads; the link's caption names the same place.
enum class Link { options, blinds, starters, rankings, glossary };

struct Entry {
    const char* title;
    const char* shortText;
    Link link;
};

const Entry& entry(Term term) {
    static const std::array<Entry, termCount> entries{{
        {"All-in", "Betting every chip you have. Nobody can make you fold after that.", Link::options},
        {"Ante", "A small forced bet everyone puts in before the cards, in a Sit & Go's later levels.",
         Link::glossary},
        {"Bankroll", "All your chips. Play money only: chips can't be bought or cashed out.", Link::glossary},
        {"Bet", "Putting chips in when nobody has bet yet this round. The others must call, raise or fold.",
         Link::options},
        {"Big blind (BB)", "The larger forced bet, put in by the second player after the button.",
         Link::blinds},
        {"Blinds", "Two forced bets that start the pot each hand: the small blind and the big blind.",
         Link::blinds},
        {"Board", "The five shared cards in the middle: the flop, the turn and the river.", Link::glossary},
        {"Button (dealer)", "The D disc. It marks the dealer and moves one seat each hand.", Link::blinds},
        {"Buy-in", "The chips you bring to a table from your bankroll.", Link::glossary},
        {"Call", "Matching the current bet to stay in the hand.", Link::options},
        {"Cash Table", "Sit down with bots and play as many hands as you like; leave any time.",
         Link::glossary},
        {"Check", "Passing without betting. Only allowed when nobody has bet this round.", Link::options},
        {"Difficulty", "How well the bots play.", Link::glossary},
        {"Flop", "The first three shared cards, dealt face up together.", Link::glossary},
        {"Fold", "Giving up the hand. You lose what you've put in, but nothing more.", Link::options},
        {"Heads-up", "Just two players: you and one opponent.", Link::glossary},
        {"Hole cards", "Your two private cards. Only you see them until the showdown.", Link::starters},
        {"Kicker", "The highest card that isn't part of your hand. It breaks ties.", Link::rankings},
        {"Pot", "All the chips bet this hand. The winner takes it.", Link::glossary},
        {"Quick Hand", "One hand (or a few) against one bot, about a minute each.", Link::glossary},
        {"Raise", "Betting more than the current bet. The others must match it to stay in.", Link::options},
        {"River", "The fifth and last shared card.", Link::glossary},
        {"Showdown", "After the last bet, the players left show their cards. The best five cards win.",
         Link::rankings},
        {"Side pot",
         "A second pot for bets an all-in player couldn't match. Only players who matched them can win it.",
         Link::glossary},
        {"Sit & Go", "A small tournament: six players, rising blinds, play until one has every chip.",
         Link::glossary},
        {"Small blind (SB)",
         "The smaller forced bet, half the big blind, put in by the player after the button.", Link::blinds},
        {"Stack", "The chips in front of a player at the table.", Link::glossary},
        {"Stakes", "The size of the blinds, like 5/10. Higher stakes mean bigger pots.", Link::blinds},
        {"Suited and offsuit", "Suited: your two cards share a suit. Offsuit: they don't.", Link::starters},
        {"Turn", "The fourth shared card.", Link::glossary},
    }};
    return entries[static_cast<std::size_t>(term)];
}

// An amount as the player's locale writes integers ("1,500").
QString grouped(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}

} // namespace

const std::array<Term, termCount>& allTerms() {
    static const std::array<Term, termCount> terms = [] {
        std::array<Term, termCount> list{};
        for (std::size_t i = 0; i < termCount; ++i) {
            list[i] = static_cast<Term>(i);
        }
        return list;
    }();
    return terms;
}

std::string_view toString(Term term) {
    return termNames.toString(term);
}

std::optional<Term> termFromString(std::string_view text) {
    return termNames.fromString(text);
}

QString title(Term term) {
    return QString::fromUtf8(entry(term).title);
}

QString shortText(Term term) {
    return QString::fromUtf8(entry(term).shortText);
}

QString explanation(Term term, const TermNumbers& numbers) {
    switch (term) {
    case Term::blinds:
        return QStringLiteral(
            "Two forced bets that start the pot each hand, so there's always something to win. The player "
            "after the **button** puts in the **small blind** and the next player the **big blind**, twice "
            "as much. The button moves every hand, so everyone takes a turn.");
    case Term::cashTable:
        return QStringLiteral(
            "Sit down with 1 to 5 bots and play as many hands as you like. Your **buy-in** comes from your "
            "bankroll, and whatever you have when you leave goes back. A bot that runs out of chips is "
            "replaced by a new one.");
    case Term::difficulty:
        return QStringLiteral(
            "How well the bots play. **Easy** bots call too often and rarely bluff. **Medium** bots play "
            "solid, sensible poker. **Hard** bots read the board and bluff about as often as good players "
            "do. **Mixed** seats a bit of everything.");
    case Term::showdown:
        return QStringLiteral(
            "After the last round of betting, everyone still in shows their cards. Each player makes the "
            "best five-card hand from their two cards and the five on the **board**, and the best hand wins "
            "the **pot**. Equal hands split it.");
    case Term::sidePot:
        return QStringLiteral(
            "When a player goes **all-in** with fewer chips than the others bet, they can only win what they "
            "matched. The extra chips go into a side pot that only the players who matched them can win.");
    case Term::suited:
        return suitedExplanation(QStringLiteral("A%1 J%1").arg(suitText(PokerEngine::Suit::spades)));
    case Term::quickHand:
        return QStringLiteral(
                   "One hand, or as many as you pick, **heads-up**: just you and one bot. You each "
                   "start with %1 chips and %2/%3 **blinds**. After every hand your chips go back "
                   "to your bankroll, and it ends early if either of you runs out.")
            .arg(grouped(2000), grouped(10), grouped(20));
    case Term::sitAndGo:
        return QStringLiteral(
                   "A small tournament. 6 players start with %1 chips each, and the **blinds** go "
                   "up every 8 hands, so the game keeps moving. It ends when one player has every "
                   "chip, and the top two share the %2-chip prize: %3 for first and %4 for second.")
            .arg(grouped(1500), grouped(3000), grouped(1950), grouped(1050));
    case Term::stakes: {
        const QString small = grouped(numbers.blinds ? numbers.blinds->smallBlind : 5);
        const QString big = grouped(numbers.blinds ? numbers.blinds->bigBlind : 10);
        return QStringLiteral("Stakes are the two **blinds**: the bets two players must put in before the "
                              "cards come out, so every hand has something to win. At %1/%2 the small blind "
                              "is %1 and the big blind is %2. Higher stakes mean bigger pots and a bigger "
                              "buy-in.")
            .arg(small, big);
    }
    case Term::buyIn: {
        QString range;
        if (numbers.blinds) {
            range = QStringLiteral(" At these stakes that's %1 to %2 chips.")
                        .arg(grouped(40 * numbers.blinds->bigBlind), grouped(100 * numbers.blinds->bigBlind));
        }
        return QStringLiteral("The chips you bring to the table from your bankroll: 40 to 100 **big "
                              "blinds**.") +
               range +
               QStringLiteral(" Whatever's in front of you when you leave goes back to your bankroll.");
    }
    default:
        return shortText(term);
    }
}

QString spokenExplanation(Term term, const TermNumbers& numbers) {
    if (term == Term::suited) {
        using PokerEngine::Card;
        using PokerEngine::Rank;
        using PokerEngine::Suit;
        return MarkdownText(suitedExplanation(shownCardNames(
                                {Card{Rank::ace, Suit::spades}, Card{Rank::jack, Suit::spades}})))
            .plain();
    }
    return MarkdownText(explanation(term, numbers)).plain();
}

QString guideLinkTitle(Term term) {
    switch (entry(term).link) {
    case Link::options:
        return title(BasicsPage::options) + QStringLiteral(" in Poker Basics");
    case Link::blinds:
        return title(BasicsPage::blinds) + QStringLiteral(" in Poker Basics");
    case Link::starters:
        return QStringLiteral("Starting hands in Poker Basics");
    case Link::rankings:
        return QStringLiteral("Hand rankings in Poker Basics");
    case Link::glossary:
        break;
    }
    return QStringLiteral("Glossary in Poker Basics");
}

GuideDestination guideDestination(Term term) {
    switch (entry(term).link) {
    case Link::options:
        return GuideDestination::basics(rawValue(BasicsPage::options));
    case Link::blinds:
        return GuideDestination::basics(rawValue(BasicsPage::blinds));
    case Link::starters:
        return GuideDestination::starters();
    case Link::rankings:
        return GuideDestination::rankings();
    case Link::glossary:
        break;
    }
    return GuideDestination::glossary(term);
}

const std::vector<Term>& alphabeticalTerms() {
    static const std::vector<Term> sorted = [] {
        std::vector<Term> list(allTerms().begin(), allTerms().end());
        std::stable_sort(list.begin(), list.end(), [](Term a, Term b) {
            return title(a).toLower().compare(title(b).toLower(), Qt::CaseSensitive) < 0;
        });
        return list;
    }();
    return sorted;
}
