#include "Table/TableSpeech.h"

#include "Table/LogDiff.h"

namespace TableSpeech {

using PokerEngine::PlayerView;

QStringList events(const std::optional<PlayerView>& from, const PlayerView& to, const TableText& text) {
    return TableAnnouncer::lines(LogDiff::newEvents(from, to), to.seatIndex, std::nullopt, text);
}

Decision decision(std::uint64_t table, const PlayerView& view) {
    return Decision{table, view.handNumber, view.log.size()};
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

} // namespace TableSpeech
