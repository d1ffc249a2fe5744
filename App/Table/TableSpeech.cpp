#include "Table/TableSpeech.h"

#include "Table/ActionBarModel.h"
#include "Table/ChipText.h"
#include "Table/LogDiff.h"

namespace TableSpeech {

using PokerEngine::PlayerView;

namespace {

QString named(const std::vector<PokerEngine::Card>& cards) {
    QStringList names;
    for (const auto& card : cards) {
        names << QString::fromStdString(card.name());
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

std::optional<QString> line(const PokerEngine::HandEvent& event, std::optional<std::int64_t> heroSeat,
                            const TableText& text) {
    if (event.as<PokerEngine::HandEvent::HandRevealed>()) {
        return text.spokenSentence(event).value_or(QString()) + QLatin1Char('.');
    }
    const QStringList lines = TableAnnouncer::lines({event}, heroSeat, std::nullopt, text);
    return lines.isEmpty() ? std::nullopt : std::optional(lines.join(QLatin1Char(' ')));
}

QStringList events(const std::optional<PlayerView>& from, const PlayerView& to, const TableText& text) {
    QStringList lines;
    for (const auto& event : LogDiff::newEvents(from, to)) {
        if (const auto said = line(event, to.seatIndex, text)) {
            lines << *said;
        }
    }
    return lines;
}

Decision decision(std::uint64_t table, const PlayerView& view) {
    return Decision{table, view.handNumber, view.log.size()};
}

bool promptDue(bool wasOpen, const std::optional<Decision>& prompted, const Decision& now) {
    return !wasOpen || prompted != now;
}

QString actionKeys(const PokerEngine::LegalActions& legal) {
    QStringList keys{legal.canCheck ? QStringLiteral("C to check") : QStringLiteral("C to call")};
    if (legal.minRaiseTo) {
        keys << (legal.opensBetting ? QStringLiteral("R to bet") : QStringLiteral("R to raise"));
    }
    keys << QStringLiteral("F to fold");
    return QStringLiteral("Press ") + keys.join(QStringLiteral(", ")) + QStringLiteral(".");
}

QString prompt(const PlayerView& view, bool namingKeys) {
    const PokerEngine::LegalActions& legal = *view.legalActions;
    QString turn = TableAnnouncer::turnPrompt(legal);
    if (ActionBarModel{view, legal, 0, std::nullopt}.callIsAllIn()) {
        turn += QStringLiteral(" Calling puts you all in.");
    }
    return namingKeys ? turn + QLatin1Char(' ') + actionKeys(legal) : turn;
}

std::optional<QString> holeCards(const PlayerView& view, const std::optional<QString>& tag) {
    if (view.holeCards.size() != 2) {
        return std::nullopt;
    }
    QString said = QStringLiteral("Your cards: ") + named(view.holeCards) + QLatin1Char('.');
    if (tag && !tag->isEmpty()) {
        said += QLatin1Char(' ') + *tag;
    }
    return said;
}

QString standing(const PlayerView& view, bool withCards, const std::optional<QString>& tag) {
    QStringList said;
    if (withCards) {
        if (const auto cards = holeCards(view, tag)) {
            said << *cards;
        }
    }
    for (const auto& seat : view.seats) {
        if (view.seatIndex && seat.index == *view.seatIndex) {
            said << QStringLiteral("You have ") + ChipText::full(seat.stack) + QStringLiteral(" chips.");
        }
    }
    if (!view.board.empty()) {
        said << QStringLiteral("Board: ") + named(view.board) + QLatin1Char('.');
    }
    if (view.totalPot() > 0) {
        said << QStringLiteral("Pot: ") + ChipText::full(view.totalPot()) + QStringLiteral(" chips.");
    }
    return said.join(QLatin1Char(' '));
}

QString nextHandWaits(bool over) {
    return over ? QStringLiteral("Press Return to continue.")
                : QStringLiteral("Press Return for the next hand.");
}

} // namespace TableSpeech
