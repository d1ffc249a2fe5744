#include "Learn/HandTag.h"

#include "Learn/HandNames.h"

#include "PokerEngine/HandCategory.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/PlayerView.h"
#include "PokerEngine/Precondition.h"

#include <algorithm>

using PokerEngine::Card;
using PokerEngine::HandCategory;
using PokerEngine::HandEvent;
using PokerEngine::PlayerView;

namespace {

struct BandWords {
    const char* title;
    const char* phrase;
};

BandWords words(StartingBand band) {
    switch (band) {
    case StartingBand::great:
        return {"Great start", "one of the best hands to start with."};
    case StartingBand::good:
        return {"Good start", "a strong hand to start with."};
    case StartingBand::playable:
        return {"Playable start", "worth playing, more so with fewer players."};
    case StartingBand::risky:
        return {"Risky start", "it can win, but it often loses to better hands."};
    case StartingBand::fold:
        break;
    }
    return {"Weak start", "most players fold hands like this before the flop."};
}

int position(StartingBand band) {
    return static_cast<int>(band);
}

int pipsOf(StartingBand band) {
    return 5 - position(band);
}

// The viewer's seat when it holds exactly two cards and has not folded.
const PokerEngine::SeatView* liveSeat(const PlayerView& view) {
    if (view.holeCards.size() != 2 || !view.seatIndex) {
        return nullptr;
    }
    const auto seat = std::find_if(view.seats.begin(), view.seats.end(), [&](const PokerEngine::SeatView& s) {
        return s.index == *view.seatIndex;
    });
    if (seat == view.seats.end() || seat->status == PokerEngine::SeatStatus::folded) {
        return nullptr;
    }
    return &*seat;
}

std::vector<Card> joined(const std::vector<Card>& hole, const std::vector<Card>& board) {
    std::vector<Card> cards = hole;
    cards.insert(cards.end(), board.begin(), board.end());
    return cards;
}

const char* singular(PokerEngine::Suit suit) {
    switch (suit) {
    case PokerEngine::Suit::clubs:
        return "club";
    case PokerEngine::Suit::diamonds:
        return "diamond";
    case PokerEngine::Suit::hearts:
        return "heart";
    case PokerEngine::Suit::spades:
        break;
    }
    return "spade";
}

} // namespace

std::optional<HandTag> HandTag::make(const PlayerView& view) {
    if (!liveSeat(view)) {
        return std::nullopt;
    }
    if (view.board.size() < 3) {
        const auto players = std::count_if(view.log.begin(), view.log.end(), [](const HandEvent& event) {
            return event.as<HandEvent::HoleCardsDealt>() != nullptr;
        });
        return preflop(BotKit::StartingHand(view.holeCards[0], view.holeCards[1]), static_cast<int>(players));
    }
    return postflop(view.holeCards, view.board);
}

StartingBand HandTag::band(const BotKit::StartingHand& hand, int players) {
    const StartingBand base = startingBand(hand);
    if (players >= 4 || base == StartingBand::great) {
        return base;
    }
    return static_cast<StartingBand>(position(base) - 1);
}

HandTag HandTag::preflop(const BotKit::StartingHand& hand, int players) {
    const StartingBand rated = band(hand, players);
    const int pips = pipsOf(rated);
    const BandWords said = words(rated);
    const QString name = spokenName(hand);
    const QString title = QString::fromUtf8(said.title);
    QString help =
        QStringLiteral("%1 (%2 of 5): %3").arg(title).arg(pips).arg(QString::fromUtf8(said.phrase));
    QStringList lines{name};
    QString spoken = QStringLiteral("%1, %2 of 5. %3.").arg(title).arg(pips).arg(name);
    if (rated != startingBand(hand)) {
        help += QStringLiteral(
            " With fewer players, more hands are worth playing, so this rates one step higher.");
        // The guide's chart rates every hand for a full table, so the step up is said where it shows.
        const QString why = QStringLiteral("Rated up for %1 players").arg(players);
        lines.append(why);
        spoken += QLatin1Char(' ') + why + QLatin1Char('.');
    }
    return HandTag{title, pips, lines, help, spoken};
}

HandTag HandTag::postflop(const std::vector<Card>& hole, const std::vector<Card>& board) {
    const BotKit::HandReading reading(hole, board);
    const QString name = QString::fromStdString(reading.value.name());
    HandTag tag;
    const auto comma = name.indexOf(QStringLiteral(", "));
    tag.title = comma < 0 ? name : name.left(comma);
    if (comma >= 0) {
        tag.lines.append(name.mid(comma + 2));
    }
    const auto hint = helper(reading, hole, board);
    if (hint) {
        tag.lines.append(hint->text);
    }
    tag.help = QStringLiteral("Your best five cards make ") + withLowerArticle(plainName(reading.value)) +
               QLatin1Char('.');
    tag.spoken = name;
    if (hint) {
        tag.help += QLatin1Char(' ') + hint->explanation;
        tag.spoken += QStringLiteral(". ") + hint->text;
    }
    tag.spoken += QLatin1Char('.');
    return tag;
}

std::optional<HandTag::Hint> HandTag::helper(const BotKit::HandReading& reading,
                                             const std::vector<Card>& hole, const std::vector<Card>& board) {
    const HandCategory category = reading.value.category();
    // Only five shared cards can make a whole hand: before the river the best five always take a hole
    // card, even when the board alone holds the pair.
    if (board.size() == 5 && !reading.usesHoleCards) {
        return Hint{
            QStringLiteral("Board plays"),
            QStringLiteral("Board plays: your best five are all on the board, so everyone still in has "
                           "this hand too.")};
    }
    if (category == HandCategory::pair && hole.size() == 2 && hole[0].rank != hole[1].rank &&
        !board.empty()) {
        const auto pairRank = reading.value.ranks().front();
        const auto highest = std::max_element(board.begin(), board.end(), [](const Card& a, const Card& b) {
                                 return a.rank < b.rank;
                             })->rank;
        if (pairRank == highest && (hole[0].rank == pairRank || hole[1].rank == pairRank)) {
            return Hint{QStringLiteral("Top pair"),
                        QStringLiteral("Top pair: one of your cards pairs the highest card on the board.")};
        }
    }
    if (reading.flushDraw) {
        const std::vector<Card> cards = joined(hole, board);
        for (const PokerEngine::Suit suit : PokerEngine::allSuits) {
            const auto shared =
                std::count_if(cards.begin(), cards.end(), [&](const Card& c) { return c.suit == suit; });
            const bool inHand =
                std::any_of(hole.begin(), hole.end(), [&](const Card& c) { return c.suit == suit; });
            if (shared == 4 && inHand) {
                return Hint{QStringLiteral("Flush draw ") + suitText(suit),
                            QStringLiteral("Flush draw: one more %1 makes a flush.")
                                .arg(QString::fromUtf8(singular(suit)))};
            }
        }
    }
    if (reading.straightDrawOuts >= 1) {
        return Hint{QStringLiteral("Straight draw"),
                    QStringLiteral("Straight draw: the right card makes a straight, five in a row.")};
    }
    return std::nullopt;
}

std::optional<QString> heldRankName(const PlayerView& view) {
    if (view.board.size() < 3 || !liveSeat(view)) {
        return std::nullopt;
    }
    return categoryName(PokerEngine::HandEvaluator::evaluate(joined(view.holeCards, view.board)));
}
