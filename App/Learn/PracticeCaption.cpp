#include "Learn/PracticeCaption.h"

#include "Learn/HandNames.h"
#include "Learn/MarkdownText.h"
#include "Learn/PracticeNarration.h"
#include "Learn/ShowdownWhy.h"
#include "Style/SpokenSentences.h"

#include "BotKit/StartingHand.h"
#include "PokerEngine/HandCategory.h"
#include "PokerEngine/HandEvaluator.h"
#include "PokerEngine/PlayerView.h"

#include <QLocale>

using PokerEngine::HandEvent;
using PokerEngine::HandValue;
using PokerEngine::PlayerView;

namespace {

QString chips(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}

QString lowerFirst(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toLower();
    }
    return text;
}

QString upperFirst(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

HandValue evaluateWithBoard(const PlayerView& view, std::size_t boardCards) {
    std::vector<PokerEngine::Card> cards = view.holeCards;
    cards.insert(cards.end(), view.board.begin(),
                 view.board.begin() + static_cast<std::ptrdiff_t>(boardCards));
    return PokerEngine::HandEvaluator::evaluate(cards);
}

// What the player's two cards make with the first `shared` board cards, said in one sentence.
QString handSentence(const PlayerView& view, std::size_t shared) {
    if (view.holeCards.size() != 2 || view.board.size() < shared) {
        return {};
    }
    const HandValue value = evaluateWithBoard(view, shared);
    const QString described = withLowerArticle(plainName(value));
    if (shared == 3) {
        if (value.category() == PokerEngine::HandCategory::pair &&
            view.holeCards[0].rank != view.holeCards[1].rank) {
            for (const auto& hole : view.holeCards) {
                for (std::size_t i = 0; i < shared; ++i) {
                    if (view.board[i].rank == hole.rank) {
                        const QString rank = QString::fromUtf8(PokerEngine::name(hole.rank)).toLower();
                        return QStringLiteral("Your %1 pairs the %1 on the board, so you have %2.")
                            .arg(rank, described);
                    }
                }
            }
        }
        if (value.category() != PokerEngine::HandCategory::highCard) {
            return QStringLiteral("Your best five cards make ") + described + QLatin1Char('.');
        }
        return QStringLiteral("Nothing pairs yet, so your hand is ") + described + QLatin1Char('.');
    }
    const HandValue before = evaluateWithBoard(view, shared - 1);
    if (plainName(before) != plainName(value)) {
        return QStringLiteral("Now you have ") + described + QLatin1Char('.');
    }
    return QStringLiteral("You still have ") + described + QLatin1Char('.');
}

QString yourCardsBody(const PracticeNarration& narration, const PlayerView& view) {
    const QString name =
        view.holeCards.size() == 2
            ? lowerFirst(spokenName(BotKit::StartingHand(view.holeCards[0], view.holeCards[1])))
            : QStringLiteral("two cards");
    return QStringLiteral("Only you can see these two: ") + name + QStringLiteral(". ") + narration.opponent +
           QStringLiteral(
               " has two cards too, face down. The tag beside yours says how good a start they are.");
}

QString blindsBody(const PracticeNarration& narration, const PlayerView& view) {
    const QString opening =
        QStringLiteral("Before any cards, two forced bets start the pot so there's something to win.");
    const HandEvent::BlindPosted* small = nullptr;
    const HandEvent::BlindPosted* big = nullptr;
    for (const HandEvent& event : view.log) {
        if (const auto* blind = event.as<HandEvent::BlindPosted>()) {
            (blind->blind == PokerEngine::BlindKind::small ? small : big) = blind;
        }
    }
    if (!small || !big) {
        return opening;
    }
    const bool heroSmall = view.seatIndex && small->seat == *view.seatIndex;
    const bool heroBig = view.seatIndex && big->seat == *view.seatIndex;
    return opening + QLatin1Char(' ') + (heroSmall ? QStringLiteral("You") : narration.opponent) +
           QStringLiteral(" put in the small blind of ") + chips(small->amount) + QStringLiteral(" and ") +
           (heroBig ? QStringLiteral("you") : narration.opponent) + QStringLiteral(" the big blind of ") +
           chips(big->amount) + QLatin1Char('.');
}

QString firstDecisionBody(const PracticeNarration& narration, const PlayerView& view) {
    if (!view.legalActions) {
        return QStringLiteral("Now it's your turn to choose: fold, check or call, or bet more.");
    }
    if (const auto toCall = view.legalActions->callAmount) {
        const QString first =
            view.currentBet <= view.blinds.bigBlind
                ? QStringLiteral("The big blind is ") + chips(view.currentBet) + QLatin1Char('.')
                : narration.opponent + QStringLiteral(" raised to ") + chips(view.currentBet) +
                      QLatin1Char('.');
        return first + QStringLiteral(" To stay in, **call** ") + chips(*toCall) +
               QStringLiteral(
                   " more. You can also **raise** to bet more, or **fold** and give up what you've put in.");
    }
    return narration.opponent +
           QStringLiteral(
               " called, so the bets are even. You can **check** to see the flop for free, or **raise** to "
               "bet more.");
}

std::int64_t potsAwarded(const PlayerView& view) {
    std::int64_t pot = 0;
    for (const HandEvent& event : view.log) {
        if (const auto* awarded = event.as<HandEvent::PotAwarded>()) {
            pot += awarded->amount;
        }
    }
    return pot;
}

QString showdownBody(const PracticeNarration& narration, const PlayerView& view) {
    const QString pot = chips(potsAwarded(view));
    const auto winner = ShowdownWhy::soleWinner(view.log);
    const bool heroWon = winner && view.seatIndex && *winner == *view.seatIndex;
    if (ShowdownWhy::winningHand(view.log)) {
        const QString subject = !winner   ? QStringLiteral("you split")
                                : heroWon ? QStringLiteral("you win")
                                          : narration.opponent + QStringLiteral(" wins");
        const QString result = subject + QStringLiteral(" the pot of ") + pot + QLatin1Char('.');
        const auto heroSeat = view.seatIndex;
        const auto why = ShowdownWhy::line(view.log, heroSeat,
                                           [&](std::int64_t seat) {
                                               return heroSeat && seat == *heroSeat ? QStringLiteral("You")
                                                                                    : narration.opponent;
                                           },
                                           {}, {});
        QString said =
            why ? why->chopped(why->endsWith(QLatin1Char('.')) ? 1 : 0) + QStringLiteral(", so ") + result
                : upperFirst(result);
        return QStringLiteral("Both hands are shown, and the best five cards win. ") + said;
    }
    if (!heroWon) {
        return QStringLiteral("Everyone else folded, so ") + narration.opponent +
               QStringLiteral(" wins the pot of ") + pot + QLatin1Char('.');
    }
    return narration.opponent + QStringLiteral(" folded, so you win the pot of ") + pot +
           QStringLiteral(" without showing your cards. Betting can win a pot even without the best hand.");
}

QString body(PracticeStep step, const PracticeNarration& narration, const PlayerView& view) {
    switch (step) {
    case PracticeStep::yourCards:
        return yourCardsBody(narration, view);
    case PracticeStep::blinds:
        return blindsBody(narration, view);
    case PracticeStep::firstDecision:
        return firstDecisionBody(narration, view);
    case PracticeStep::flop:
        return QStringLiteral("Three shared cards that everyone can use. ") + handSentence(view, 3);
    case PracticeStep::turn:
        return QStringLiteral("The fourth shared card. ") + handSentence(view, 4) +
               QStringLiteral(" Then another round of betting.");
    case PracticeStep::river:
        return QStringLiteral("The fifth and last shared card. ") + handSentence(view, 5) +
               QStringLiteral(" After this round of betting, the cards are shown.");
    case PracticeStep::showdown:
        return showdownBody(narration, view);
    }
    return {};
}

PracticeCaption foldedCaption(const PracticeNarration& narration, const PlayerView& view) {
    std::int64_t put = 0;
    if (view.seatIndex) {
        const auto seat = *view.seatIndex;
        for (const HandEvent& event : view.log) {
            if (const auto* blind = event.as<HandEvent::BlindPosted>(); blind && blind->seat == seat) {
                put += blind->amount;
            } else if (const auto* acted = event.as<HandEvent::Acted>(); acted && acted->seat == seat) {
                put += acted->amount;
            } else if (const auto* back = event.as<HandEvent::UncalledBetReturned>();
                       back && back->seat == seat) {
                put -= back->amount;
            }
        }
    }
    const QString gaveUp = put > 0
                               ? QStringLiteral("the ") + chips(put) + QStringLiteral(" chips you'd put in")
                               : QStringLiteral("your cards");
    return PracticeCaption{
        PracticeCaption::Folded{}, QStringLiteral("You folded"),
        QStringLiteral("Folding gave up ") + gaveUp + QStringLiteral(", so ") + narration.opponent +
            QStringLiteral(" took the pot of ") + chips(potsAwarded(view)) +
            QStringLiteral(" without showing. Try again and play it through to the showdown.")};
}

} // namespace

QString title(PracticeStep step) {
    switch (step) {
    case PracticeStep::yourCards:
        return QStringLiteral("Your cards");
    case PracticeStep::blinds:
        return QStringLiteral("The blinds");
    case PracticeStep::firstDecision:
        return QStringLiteral("Your first decision");
    case PracticeStep::flop:
        return QStringLiteral("The flop");
    case PracticeStep::turn:
        return QStringLiteral("The turn");
    case PracticeStep::river:
        return QStringLiteral("The river");
    case PracticeStep::showdown:
        return QStringLiteral("Showdown");
    }
    return {};
}

std::optional<QString> PracticeCaption::stepLabel() const {
    const auto* step = std::get_if<PracticeStep>(&kind);
    if (!step) {
        return std::nullopt;
    }
    return QStringLiteral("Step %1 of 7").arg(rawValue(*step) + 1);
}

QString PracticeCaption::keys() const {
    return std::holds_alternative<Folded>(kind)
               ? QStringLiteral("Press Return to try again, or Escape for Home.")
               : QStringLiteral("Press Return for Got It.");
}

QString PracticeCaption::announcement() const {
    return SpokenSentences::join(
        {stepLabel().value_or(QString()), title, MarkdownText(body).plain(), keys()});
}

std::optional<PracticeCaption> PracticeNarration::caption(const PlayerView& view) const {
    if (heroFolded(view)) {
        return foldedCaption(*this, view);
    }
    const auto step = pendingStep(view);
    if (!step) {
        return std::nullopt;
    }
    // The hand can end with the bot folding: calling that a showdown would promise cards never shown.
    const bool shown = *step != PracticeStep::showdown || ShowdownWhy::winningHand(view.log);
    return PracticeCaption{*step, shown ? title(*step) : QStringLiteral("No showdown"),
                           body(*step, *this, view)};
}
