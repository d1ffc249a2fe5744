#include "Learn/ShowdownWhy.h"

#include "Learn/HandNames.h"

#include "BotKit/StartingHand.h"
#include "PokerEngine/HandCategory.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/PlayerView.h"

#include <set>

using PokerEngine::HandCategory;
using PokerEngine::HandEvent;
using PokerEngine::HandValue;

namespace ShowdownWhy {

std::optional<std::int64_t> soleWinner(const std::vector<HandEvent>& log) {
    std::set<std::int64_t> winners;
    for (const HandEvent& event : log) {
        if (const auto* awarded = event.as<HandEvent::PotAwarded>()) {
            if (awarded->shares.size() != 1) {
                return std::nullopt;
            }
            winners.insert(awarded->shares.front().seat);
        }
    }
    if (winners.size() != 1) {
        return std::nullopt;
    }
    return *winners.begin();
}

std::optional<HandValue> winningHand(const std::vector<HandEvent>& log) {
    for (const HandEvent& event : log) {
        if (const auto* awarded = event.as<HandEvent::PotAwarded>(); awarded && awarded->potIndex == 0) {
            return awarded->hand;
        }
    }
    return std::nullopt;
}

QString held(const std::vector<PokerEngine::Card>& hole, const std::vector<PokerEngine::Card>& board) {
    if (board.size() < 3) {
        return QStringLiteral("They had ") + spokenName(BotKit::StartingHand(hole.at(0), hole.at(1))) +
               QLatin1Char('.');
    }
    std::vector<PokerEngine::Card> cards = hole;
    cards.insert(cards.end(), board.begin(), board.end());
    const HandValue value = PokerEngine::HandEvaluator::evaluate(cards);
    const QString described = withLowerArticle(plainName(value));
    if (value.category() == HandCategory::highCard) {
        return QStringLiteral("It was a bluff: they had ") + described + QLatin1Char('.');
    }
    return QStringLiteral("They had ") + described + QLatin1Char('.');
}

std::optional<QString> line(const std::vector<HandEvent>& log, std::optional<std::int64_t> heroSeat,
                            const std::function<QString(std::int64_t)>& name,
                            const std::vector<PokerEngine::Card>& board,
                            const std::map<std::int64_t, std::vector<PokerEngine::Card>>& unshown) {
    const auto winner = soleWinner(log);
    if (!winner) {
        return std::nullopt;
    }
    const bool heroWon = heroSeat && *heroSeat == *winner;
    const auto won = winningHand(log);
    if (!won) {
        if (heroWon) {
            return QStringLiteral("Everyone else folded, so you take the pot without showing.");
        }
        const auto cards = unshown.find(*winner);
        if (cards != unshown.end() && cards->second.size() == 2) {
            return QStringLiteral("Everyone else folded, so ") + name(*winner) +
                   QStringLiteral(" takes the pot. ") + held(cards->second, board);
        }
        return QStringLiteral("Everyone else folded, so ") + name(*winner) +
               QStringLiteral(" takes the pot without showing.");
    }

    std::map<std::int64_t, HandValue> revealed;
    for (const HandEvent& event : log) {
        if (const auto* shown = event.as<HandEvent::HandRevealed>()) {
            revealed.insert_or_assign(shown->seat, shown->value);
        }
    }
    std::optional<std::int64_t> loser;
    if (heroSeat && *heroSeat != *winner && revealed.contains(*heroSeat)) {
        loser = heroSeat;
    } else {
        for (const auto& [seat, value] : revealed) {
            if (seat != *winner && (!loser || value > revealed.at(*loser))) {
                loser = seat;
            }
        }
    }
    if (!loser) {
        return std::nullopt;
    }
    const bool heroLost = heroSeat && *heroSeat == *loser;
    const QString label = heroLost ? QStringLiteral("your") : name(*loser) + QStringLiteral("'s");
    const HandValue& lost = revealed.at(*loser);
    const HandValue& best = *won;

    if (plainName(best) != plainName(lost)) {
        const QString described = best.category() == lost.category() || best.category() == HandCategory::pair
                                      ? plainName(best)
                                      : categoryName(best);
        if (heroWon) {
            return QStringLiteral("Your ") + described + QStringLiteral(" beats ") + label +
                   QLatin1Char(' ') + plainName(lost) + QLatin1Char('.');
        }
        if (heroLost) {
            return withArticle(described) + QStringLiteral(" beats your ") + plainName(lost) +
                   QLatin1Char('.');
        }
        return name(*winner) + QStringLiteral("'s ") + described + QStringLiteral(" beats ") + label +
               QLatin1Char(' ') + plainName(lost) + QLatin1Char('.');
    }
    const QString both = kickerName(best);
    const QString word = best.category() == HandCategory::highCard || best.category() == HandCategory::flush
                             ? QStringLiteral("next card")
                             : QStringLiteral("kicker");
    if (heroWon) {
        return QStringLiteral("You both have ") + both + QStringLiteral(", and your ") + word +
               QStringLiteral(" is higher.");
    }
    const QString winners = name(*winner) + QStringLiteral("'s");
    return (heroLost ? QStringLiteral("You both have ") : QStringLiteral("Both have ")) + both +
           QStringLiteral(", and ") + winners + QLatin1Char(' ') + word + QStringLiteral(" is higher.");
}

std::optional<std::int64_t> betYouOff(const std::vector<HandEvent>& log,
                                      std::optional<std::int64_t> heroSeat) {
    const auto winner = soleWinner(log);
    if (!heroSeat || !winner || *winner == *heroSeat || winningHand(log) || log.empty()) {
        return std::nullopt;
    }
    bool winnerBet = false;
    for (const HandEvent& event : log) {
        const auto* action = event.as<HandEvent::Acted>();
        if (!action) {
            continue;
        }
        if (action->seat == *heroSeat && action->kind == PokerEngine::ActionKind::fold) {
            return winnerBet ? winner : std::nullopt;
        }
        if (action->seat == *winner && (action->kind == PokerEngine::ActionKind::bet ||
                                        action->kind == PokerEngine::ActionKind::raise)) {
            winnerBet = true;
        }
    }
    return std::nullopt;
}

std::optional<std::unordered_set<PokerEngine::Card>> winningFive(const PokerEngine::PlayerView& view) {
    if (view.street != PokerEngine::Street::handComplete || view.board.size() != 5 ||
        !winningHand(view.log)) {
        return std::nullopt;
    }
    const auto winner = soleWinner(view.log);
    if (!winner) {
        return std::nullopt;
    }
    std::vector<PokerEngine::Card> hole;
    if (view.seatIndex == winner) {
        hole = view.holeCards;
    } else {
        for (const PokerEngine::SeatView& seat : view.seats) {
            if (seat.index == *winner && seat.holeCards) {
                hole = *seat.holeCards;
            }
        }
    }
    if (hole.size() != 2) {
        return std::nullopt;
    }
    hole.insert(hole.end(), view.board.begin(), view.board.end());
    const auto best = PokerEngine::HandEvaluator::bestFive(hole);
    return std::unordered_set<PokerEngine::Card>(best.begin(), best.end());
}

} // namespace ShowdownWhy
