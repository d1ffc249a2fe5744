#include "Learn/HandNames.h"

#include "PokerEngine/HandCategory.h"

using PokerEngine::HandCategory;
using PokerEngine::Rank;

namespace {

QString rankName(Rank rank) {
    return QString::fromUtf8(PokerEngine::name(rank));
}

QString plural(Rank rank) {
    return QString::fromStdString(PokerEngine::pluralName(rank));
}

Rank firstRank(const PokerEngine::HandValue& value) {
    return value.ranks().front();
}

} // namespace

QString spokenName(const BotKit::StartingHand& hand) {
    if (hand.isPair()) {
        return QStringLiteral("Pair of ") + plural(hand.high).toLower();
    }
    return rankName(hand.high) + QLatin1Char('-') + rankName(hand.low).toLower() +
           (hand.suited ? QStringLiteral(" suited") : QStringLiteral(" offsuit"));
}

QString plainName(const PokerEngine::HandValue& value) {
    switch (value.category()) {
    case HandCategory::straight:
        return rankName(firstRank(value)) + QStringLiteral("-high Straight");
    case HandCategory::flush:
        return rankName(firstRank(value)) + QStringLiteral("-high Flush");
    case HandCategory::straightFlush:
        if (firstRank(value) == Rank::ace) {
            return QStringLiteral("Royal Flush");
        }
        return rankName(firstRank(value)) + QStringLiteral("-high Straight Flush");
    default:
        return QString::fromStdString(value.name());
    }
}

QString categoryName(const PokerEngine::HandValue& value) {
    if (value.category() == HandCategory::straightFlush && firstRank(value) == Rank::ace) {
        return QStringLiteral("Royal Flush");
    }
    return QString::fromUtf8(PokerEngine::name(value.category()));
}

QString kickerName(const PokerEngine::HandValue& value) {
    switch (value.category()) {
    case HandCategory::fourOfAKind:
        return QStringLiteral("four ") + plural(firstRank(value));
    case HandCategory::threeOfAKind:
        return QStringLiteral("three ") + plural(firstRank(value));
    case HandCategory::twoPair:
        return plural(value.ranks()[0]) + QStringLiteral(" and ") + plural(value.ranks()[1]);
    default:
        return withLowerArticle(plainName(value));
    }
}

QString withArticle(const QString& text) {
    for (const char* bare : {"Two Pair", "Three of a Kind", "Four of a Kind"}) {
        if (text.startsWith(QLatin1String(bare))) {
            return text;
        }
    }
    if (text.endsWith(QStringLiteral(" High"))) {
        return text;
    }
    if (!text.isEmpty() && QStringLiteral("AEIOU").contains(text.front())) {
        return QStringLiteral("An ") + text;
    }
    return QStringLiteral("A ") + text;
}

QString withLowerArticle(const QString& text) {
    QString result = withArticle(text);
    if (result.startsWith(QStringLiteral("A ")) || result.startsWith(QStringLiteral("An "))) {
        result[0] = QLatin1Char('a');
    }
    return result;
}

QString suitText(PokerEngine::Suit suit) {
    return QString::fromUtf8(PokerEngine::symbol(suit)) + QChar(0xFE0E);
}
