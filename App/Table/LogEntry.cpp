#include "Table/LogEntry.h"

#include <QHash>
#include <QLocale>

#include "PokerEngine/Street.h"
#include "Style/AvatarModel.h"
#include "Style/SpokenSentences.h"
#include "Table/CardGeometry.h"

using PokerEngine::HandEvent;

namespace {

QString capitalised(std::string_view name) {
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toLower();
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

std::optional<std::int64_t> seatOf(const HandEvent& event) {
    return std::visit(
        [](const auto& payload) -> std::optional<std::int64_t> {
            using Case = std::decay_t<decltype(payload)>;
            if constexpr (std::is_same_v<Case, HandEvent::PotAwarded>) {
                if (payload.shares.empty())
                    return std::nullopt;
                return payload.shares.front().seat;
            } else if constexpr (requires { payload.seat; }) {
                return payload.seat;
            } else {
                return std::nullopt;
            }
        },
        event.payload());
}

} // namespace

std::vector<LogEntry> LogEntry::entries(const PokerEngine::PlayerView& view, const TableText& text,
                                        const std::vector<int>& newcomers) {
    std::vector<LogEntry> rows;
    for (const HandEvent& event : view.log) {
        if (event.is<HandEvent::HandStarted>()) {
            rows.push_back({Heading{QStringLiteral("Preflop"), {}}});
            for (int seat : newcomers)
                rows.push_back({Line{seat, text.name(seat) + QStringLiteral(" sits down")}});
            const QString dealer = text.name(view.buttonIndex);
            rows.push_back({Line{
                view.buttonIndex,
                dealer + (dealer == QStringLiteral("You") ? QStringLiteral(" are") : QStringLiteral(" is")) +
                    QStringLiteral(" the dealer")}});
        } else if (const auto* board = event.as<HandEvent::BoardDealt>()) {
            rows.push_back({Heading{capitalised(PokerEngine::toString(board->street)), board->cards}});
        } else if (!event.is<HandEvent::HoleCardsDealt>()) {
            if (const auto sentence = text.sentence(event)) {
                const QString spoken = text.spokenSentence(event).value_or(*sentence);
                rows.push_back({Line{seatOf(event), *sentence, spoken == *sentence ? QString() : spoken}});
            }
        }
    }
    if (view.legalActions) {
        const auto& call = view.legalActions->callAmount;
        rows.push_back({YourTurn{
            call
                ? QStringLiteral("Your turn · %1 to call").arg(QLocale().toString(static_cast<qint64>(*call)))
                : QStringLiteral("Your turn · check or bet")}});
    }
    return rows;
}

std::size_t std::hash<LogEntry>::operator()(const LogEntry& entry) const noexcept {
    std::size_t seed = entry.kind.index();
    const auto mix = [&seed](std::size_t value) {
        seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    };
    std::visit(
        [&](const auto& row) {
            using Row = std::decay_t<decltype(row)>;
            if constexpr (std::is_same_v<Row, LogEntry::Heading>) {
                mix(qHash(row.title));
                for (const auto& card : row.cards)
                    mix(std::hash<PokerEngine::Card>{}(card));
            } else if constexpr (std::is_same_v<Row, LogEntry::Line>) {
                mix(row.seat ? std::hash<std::int64_t>{}(*row.seat) + 1 : 0);
                mix(qHash(row.text));
            } else {
                mix(qHash(row.text));
            }
        },
        entry.kind);
    return seed;
}

QSizeF logCardSize(const TableTheme& theme) {
    if (theme.style == TableStyleID::pixel)
        return {9 * theme.pixelUnit, 12 * theme.pixelUnit};
    return {17, 24};
}

RGB logSeatColor(const std::optional<BotKit::BotProfile>& profile) {
    if (profile)
        return CharacterBackdrop::color(profile->avatar);
    return CharacterBackdrop::hero();
}

QString LogEntry::spoken() const {
    return std::visit(
        [](const auto& row) {
            using Row = std::decay_t<decltype(row)>;
            if constexpr (std::is_same_v<Row, Heading>) {
                QStringList words{row.title};
                for (const auto& card : row.cards)
                    words << CardGeometry::spokenName(card);
                return words.join(QStringLiteral(", "));
            } else if constexpr (std::is_same_v<Row, Line>) {
                return row.spoken.isEmpty() ? row.text : row.spoken;
            } else {
                return row.text;
            }
        },
        kind);
}

QString LogEntry::spoken(const std::vector<LogEntry>& rows) {
    QStringList parts;
    for (const LogEntry& row : rows)
        parts << row.spoken();
    // The last row is closed too, so the reader pauses after the log as between its rows.
    const QString said = SpokenSentences::join(parts);
    return said.isEmpty() || SpokenSentences::endsSentence(said) ? said : said + QLatin1Char('.');
}
