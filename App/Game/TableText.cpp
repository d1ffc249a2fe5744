#include "Game/TableText.h"

#include <QLocale>

using PokerEngine::ActionKind;
using PokerEngine::HandEvent;

namespace {

QString amountText(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}

QString streetName(PokerEngine::Street street) {
    QString name = QString::fromUtf8(PokerEngine::toString(street));
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

QString cardsText(const std::vector<PokerEngine::Card>& cards) {
    QStringList parts;
    for (const auto& card : cards) {
        parts << cardText(card);
    }
    return parts.join(QLatin1Char(' '));
}

QString cardNames(const std::vector<PokerEngine::Card>& cards) {
    QStringList names;
    for (const auto& card : cards) {
        names << QString::fromStdString(card.name());
    }
    return names.join(QStringLiteral(", "));
}

// Only the player's own name, exactly "You", takes the plain form of the verb.
QString withVerb(const QString& name, const char* plain, const char* thirdPerson) {
    return name + QLatin1Char(' ') + QString::fromUtf8(name == QStringLiteral("You") ? plain : thirdPerson);
}

QString allInSuffix(bool isAllIn) {
    return isAllIn ? QStringLiteral(" (all-in)") : QString();
}

QString handName(const PokerEngine::HandValue& value) {
    return QString::fromStdString(value.name());
}

} // namespace

QString cardText(const PokerEngine::Card& card) {
    const QString rank = card.rank == PokerEngine::Rank::ten
                             ? QStringLiteral("10")
                             : QString(QLatin1Char(PokerEngine::letter(card.rank)));
    return rank + QString::fromUtf8(PokerEngine::symbol(card.suit));
}

QString shownCardNames(const std::vector<PokerEngine::Card>& cards) {
    QStringList names;
    for (const auto& card : cards) {
        names << QString::fromStdString(card.name());
    }
    return names.join(QStringLiteral(" and "));
}

std::optional<QString> TableText::sentence(const HandEvent& event) const {
    return worded(event, false);
}

std::optional<QString> TableText::spokenSentence(const HandEvent& event) const {
    return worded(event, true);
}

std::optional<QString> TableText::worded(const HandEvent& event, bool spoken) const {
    if (const auto* started = event.as<HandEvent::HandStarted>()) {
        QString text = QStringLiteral("Hand %1 · blinds %2/%3")
                           .arg(QString::number(started->handNumber), amountText(started->blinds.smallBlind),
                                amountText(started->blinds.bigBlind));
        if (started->blinds.ante >= 1) {
            text += QStringLiteral(" · ante ") + amountText(started->blinds.ante);
        }
        return text;
    }
    if (const auto* ante = event.as<HandEvent::AntePosted>()) {
        return withVerb(name(ante->seat), "post", "posts") + QStringLiteral(" an ante of ") +
               amountText(ante->amount);
    }
    if (const auto* blind = event.as<HandEvent::BlindPosted>()) {
        const QString which =
            blind->blind == PokerEngine::BlindKind::small ? QStringLiteral("small") : QStringLiteral("big");
        return withVerb(name(blind->seat), "post", "posts") + QStringLiteral(" the ") + which +
               QStringLiteral(" blind of ") + amountText(blind->amount);
    }
    if (event.as<HandEvent::HoleCardsDealt>()) {
        return std::nullopt;
    }
    if (const auto* board = event.as<HandEvent::BoardDealt>()) {
        return streetName(board->street) + QStringLiteral(": ") +
               (spoken ? cardNames(board->cards) : cardsText(board->cards));
    }
    if (const auto* acted = event.as<HandEvent::Acted>()) {
        const QString who = name(acted->seat);
        switch (acted->kind) {
        case ActionKind::fold:
            return withVerb(who, "fold", "folds");
        case ActionKind::check:
            return withVerb(who, "check", "checks");
        case ActionKind::call:
            return withVerb(who, "call", "calls") + QLatin1Char(' ') + amountText(acted->amount) +
                   allInSuffix(acted->isAllIn);
        case ActionKind::bet:
            return withVerb(who, "bet", "bets") + QLatin1Char(' ') + amountText(acted->streetBet) +
                   allInSuffix(acted->isAllIn);
        case ActionKind::raise:
            return withVerb(who, "raise", "raises") + QStringLiteral(" to ") + amountText(acted->streetBet) +
                   allInSuffix(acted->isAllIn);
        }
        return std::nullopt;
    }
    if (const auto* returned = event.as<HandEvent::UncalledBetReturned>()) {
        QString who = name(returned->seat);
        if (who == QStringLiteral("You")) {
            who = QStringLiteral("you");
        }
        return amountText(returned->amount) + QStringLiteral(" returned to ") + who;
    }
    if (const auto* revealed = event.as<HandEvent::HandRevealed>()) {
        return withVerb(name(revealed->seat), "show", "shows") + QLatin1Char(' ') +
               (spoken ? shownCardNames(revealed->cards) : cardsText(revealed->cards)) +
               QStringLiteral(", ") + handName(revealed->value);
    }
    if (const auto* awarded = event.as<HandEvent::PotAwarded>()) {
        QStringList clauses;
        for (const auto& share : awarded->shares) {
            clauses << withVerb(name(share.seat), "win", "wins") + QLatin1Char(' ') +
                           amountText(share.amount);
        }
        QString text = clauses.join(QStringLiteral(", "));
        if (awarded->potIndex != 0) {
            text += QStringLiteral(" from side pot ") + QString::number(awarded->potIndex);
        }
        if (awarded->hand) {
            text += QStringLiteral(" with ") + handName(*awarded->hand);
        }
        return text;
    }
    if (const auto* eliminated = event.as<HandEvent::PlayerEliminated>()) {
        return withVerb(name(eliminated->seat), "are", "is") + QStringLiteral(" out of chips");
    }
    return std::nullopt;
}

namespace TableAnnouncer {

QStringList lines(const std::vector<HandEvent>& events, std::optional<std::int64_t> heroSeat,
                  const std::optional<PokerEngine::LegalActions>& heroTurn, const TableText& text) {
    QStringList spoken;
    for (const HandEvent& event : events) {
        if (const auto* started = event.as<HandEvent::HandStarted>()) {
            spoken << QStringLiteral("Hand %1. Blinds %2 %3.")
                          .arg(QString::number(started->handNumber), amountText(started->blinds.smallBlind),
                               amountText(started->blinds.bigBlind));
        } else if (const auto* board = event.as<HandEvent::BoardDealt>()) {
            QStringList names;
            for (const auto& card : board->cards) {
                names << QString::fromStdString(card.name());
            }
            spoken << streetName(board->street) + QStringLiteral(": ") + names.join(QStringLiteral(", ")) +
                          QLatin1Char('.');
        } else if (const auto* acted = event.as<HandEvent::Acted>()) {
            if (heroSeat && acted->seat == *heroSeat) {
                continue;
            }
            spoken << text.sentence(event).value_or(QString()) + QLatin1Char('.');
        } else if (event.as<HandEvent::PotAwarded>() || event.as<HandEvent::PlayerEliminated>()) {
            spoken << text.sentence(event).value_or(QString()) + QLatin1Char('.');
        }
    }
    if (heroTurn) {
        spoken << turnPrompt(*heroTurn);
    }
    return spoken;
}

QString turnPrompt(const PokerEngine::LegalActions& legal) {
    if (legal.callAmount) {
        return QStringLiteral("Your turn. %1 to call.").arg(amountText(*legal.callAmount));
    }
    if (!legal.minRaiseTo) {
        return QStringLiteral("Your turn. Check.");
    }
    return QStringLiteral("Your turn. Check or bet.");
}

} // namespace TableAnnouncer
