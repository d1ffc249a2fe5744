#include "Table/Screen/ShowdownText.h"

#include "Table/ChipText.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace {

struct Winnings {
    std::vector<std::int64_t> pots;
    std::int64_t total = 0;
    std::optional<QString> handName;
};

QString potLabel(std::int64_t pot, std::int64_t potCount) {
    if (pot == 0) {
        return QStringLiteral("main");
    }
    return potCount == 2 ? QStringLiteral("side") : QStringLiteral("side ") + QString::number(pot);
}

QString awardText(const QString& who, const Winnings& won, std::int64_t potCount) {
    const QString verb = who == QLatin1String("You") ? QStringLiteral("win") : QStringLiteral("wins");
    const QString lead = who + QLatin1Char(' ') + verb + QLatin1Char(' ');
    const auto wonCount = static_cast<std::int64_t>(won.pots.size());
    if (potCount < 2 || wonCount == potCount) {
        return lead + ChipText::full(won.total);
    }
    if (wonCount == 1) {
        return lead + potLabel(won.pots.front(), potCount) + QStringLiteral(" pot ") +
               ChipText::full(won.total);
    }
    QStringList labels;
    for (const auto pot : won.pots) {
        labels << potLabel(pot, potCount);
    }
    return lead + ChipText::full(won.total) + QStringLiteral(" (") + labels.join(QStringLiteral(" + ")) +
           QLatin1Char(')');
}

} // namespace

std::vector<ShowdownRow> ShowdownRow::rows(const std::vector<PokerEngine::HandEvent>& log,
                                           const std::function<QString(std::int64_t)>& name) {
    std::int64_t potCount = 0;
    std::vector<std::int64_t> order;
    std::map<std::int64_t, Winnings> winnings;
    for (const auto& event : log) {
        const auto* awarded = event.as<PokerEngine::HandEvent::PotAwarded>();
        if (!awarded) {
            continue;
        }
        potCount = std::max(potCount, awarded->potIndex + 1);
        for (const auto& share : awarded->shares) {
            auto [entry, isNew] = winnings.try_emplace(share.seat);
            if (isNew) {
                order.push_back(share.seat);
                if (awarded->hand) {
                    entry->second.handName = QString::fromStdString(awarded->hand->name());
                }
            }
            entry->second.pots.push_back(awarded->potIndex);
            entry->second.total += share.amount;
        }
    }
    std::vector<ShowdownRow> rows;
    for (const auto seat : order) {
        const Winnings& won = winnings.at(seat);
        rows.push_back(ShowdownRow{seat, won.handName, awardText(name(seat), won, potCount)});
    }
    return rows;
}

QString ShowdownRow::spokenSummary(const std::vector<ShowdownRow>& rows, const std::optional<QString>& why) {
    QStringList sentences;
    for (const auto& row : rows) {
        QString sentence = row.award + QLatin1Char('.');
        if (row.handName) {
            sentence += QLatin1Char(' ') + *row.handName + QLatin1Char('.');
        }
        sentences << sentence;
    }
    if (rows.size() == 1 && why) {
        sentences << *why;
    }
    return sentences.join(QLatin1Char(' '));
}

namespace NextHandText {

QString title(bool over, std::optional<std::int64_t> seconds) {
    if (!seconds) {
        return over ? QStringLiteral("Continue") : QStringLiteral("Next Hand");
    }
    return (over ? QStringLiteral("Continue in ") : QStringLiteral("Next hand in ")) +
           QString::number(*seconds) + QChar(0x2026);
}

QString spokenValue(std::optional<std::int64_t> seconds) {
    if (!seconds) {
        return {};
    }
    return QStringLiteral("deals in ") + QString::number(*seconds) +
           (*seconds == 1 ? QStringLiteral(" second") : QStringLiteral(" seconds"));
}

std::optional<std::int64_t> secondsLeft(std::optional<std::chrono::system_clock::time_point> dealAt,
                                        std::chrono::system_clock::time_point now) {
    if (!dealAt) {
        return std::nullopt;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*dealAt - now).count();
    const std::int64_t seconds = left <= 0 ? 0 : (left + 999) / 1000;
    return std::max<std::int64_t>(seconds, 1);
}

} // namespace NextHandText
