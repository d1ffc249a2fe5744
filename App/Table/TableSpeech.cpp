#include "Table/TableSpeech.h"

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

QStringList events(const std::optional<PlayerView>& from, const PlayerView& to, const TableText& text) {
    return TableAnnouncer::lines(LogDiff::newEvents(from, to), to.seatIndex, std::nullopt, text);
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

QString prompt(const PokerEngine::LegalActions& legal, bool namingKeys) {
    const QString turn = TableAnnouncer::turnPrompt(legal);
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

QString standing(const PlayerView& view) {
    QStringList said;
    if (view.holeCards.size() == 2) {
        said << QStringLiteral("Your cards: ") + named(view.holeCards) + QLatin1Char('.');
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
