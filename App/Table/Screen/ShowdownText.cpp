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

namespace ShowdownLayout {

LeftControl leftControl(bool dealScheduled, bool resultHeld) {
    if (dealScheduled) {
        return LeftControl::hold;
    }
    return resultHeld ? LeftControl::heldCaption : LeftControl::none;
}

Bands bands(const TableTheme& theme, QSizeF banner, double smallButtonHeight) {
    const double row = smallButtonHeight + 4;
    const double nextWidth = theme.style == TableStyleID::pixel ? 64 * theme.pixelUnit : 150;
    Bands bands;
    bands.controls = QRectF(0, banner.height() - row, banner.width(), row);
    bands.results = QRectF(0, 0, banner.width(), std::max(banner.height() - row - 8, 0.0));
    bands.next = QRectF(banner.width() - nextWidth, bands.controls.top(), nextWidth, row);
    return bands;
}

double discDiameter(const TableTheme& theme, bool single) {
    const bool pixel = theme.style == TableStyleID::pixel;
    if (!single) {
        return pixel ? 9 * theme.pixelUnit : 18;
    }
    if (pixel) {
        return 18 * theme.pixelUnit;
    }
    return theme.surface == TableSurface::popover ? 28 : 34;
}

double dividerHeight(const TableTheme& theme) {
    return theme.style == TableStyleID::pixel ? theme.pixelUnit : 1;
}

Results results(const TableTheme& theme, double width, const std::vector<RowWords>& rows,
                std::optional<double> whyHeight) {
    const bool single = rows.size() == 1;
    const bool pixel = theme.style == TableStyleID::pixel;
    const double spacing = single ? 6 : 4;
    const double left = 12;
    const double right = width - 12;
    const double disc = discDiameter(theme, single);
    Results results;
    double y = single ? 8 : 6;
    bool first = true;
    const auto next = [&](double height) {
        if (!first) {
            y += spacing;
        }
        first = false;
        const double top = y;
        y += height;
        return top;
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowWords& words = rows[i];
        RowPlace place;
        if (i > 0) {
            place.divider = QRectF(left, next(dividerHeight(theme)), right - left, dividerHeight(theme));
        }
        if (single) {
            const double lineGap = pixel ? 2 * theme.pixelUnit : 1;
            const double textLeft = left + disc + 10;
            const double text =
                words.hand ? words.hand->height() + lineGap + words.award.height() : words.award.height();
            const double height = std::max(disc, text);
            const double top = next(height);
            place.disc = QRectF(left, top + (height - disc) / 2, disc, disc);
            double line = top + (height - text) / 2;
            if (words.hand) {
                place.first = QRectF(textLeft, line, right - textLeft, words.hand->height());
                line += words.hand->height() + lineGap;
                place.second = QRectF(textLeft, line, right - textLeft, words.award.height());
            } else {
                place.first = QRectF(textLeft, line, right - textLeft, words.award.height());
            }
        } else {
            const double textLeft = left + disc + 8;
            const double height =
                std::max({disc, words.award.height(), words.hand ? words.hand->height() : 0.0});
            const double top = next(height);
            place.disc = QRectF(left, top + (height - disc) / 2, disc, disc);
            // The award keeps its width first; the hand's name takes what is left.
            const double award = std::min(words.award.width(), right - textLeft);
            place.first = QRectF(textLeft, top, award, height);
            if (words.hand) {
                const double handLeft = textLeft + award + 8;
                place.second = QRectF(handLeft, top, std::max(right - handLeft, 0.0), height);
            }
        }
        results.rows.push_back(place);
    }
    if (single && whyHeight) {
        results.why = QRectF(left, next(*whyHeight), right - left, *whyHeight);
    }
    results.height = y + (single ? 8 : 6);
    return results;
}

} // namespace ShowdownLayout
