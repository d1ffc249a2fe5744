#include "Table/Screen/TopBarText.h"

#include "Table/ChipText.h"

#include "PokerEngine/BlindSchedule.h"

#include <algorithm>

namespace TopBarText {

namespace {

const QString dot = QStringLiteral(" \u00B7 ");

bool hasSeries(std::optional<std::int64_t> seriesHands) {
    return seriesHands && *seriesHands >= 2;
}

} // namespace

QString modeTitle(std::optional<GameMode> mode) {
    if (!mode) {
        return {};
    }
    switch (*mode) {
    case GameMode::quickHand:
        return QStringLiteral("Quick Hand");
    case GameMode::cashTable:
        return QStringLiteral("Cash");
    case GameMode::sitAndGo:
        return QStringLiteral("Sit & Go");
    case GameMode::practice:
        return QStringLiteral("Practice");
    }
    return {};
}

std::int64_t sitAndGoLevel(std::int64_t handNumber) {
    const std::int64_t perLevel =
        std::max<std::int64_t>(PokerEngine::BlindSchedule::sitAndGoTurbo().handsPerLevel.value_or(1), 1);
    return std::max<std::int64_t>(handNumber - 1, 0) / perLevel + 1;
}

QString levelText(std::int64_t handNumber) {
    return QStringLiteral("L") + QString::number(sitAndGoLevel(handNumber));
}

QString levelSpoken(std::int64_t handNumber) {
    return QStringLiteral("Level ") + QString::number(sitAndGoLevel(handNumber));
}

QString blindsText(const PokerEngine::BlindLevel& blinds) {
    return ChipText::full(blinds.smallBlind) + QLatin1Char('/') + ChipText::full(blinds.bigBlind);
}

QString blindsSpoken(const PokerEngine::BlindLevel& blinds) {
    QString text = QStringLiteral("Blinds ") + blindsText(blinds);
    if (blinds.ante >= 1) {
        text += QStringLiteral(", ante ") + ChipText::full(blinds.ante);
    }
    return text;
}

QString blindsHint() {
    return QStringLiteral("Two forced bets that start the pot each hand: the small blind and the big blind.");
}

QString blindsHelp(const PokerEngine::BlindLevel& blinds) {
    QString text = QStringLiteral("Blinds ") + blindsText(blinds) +
                   QStringLiteral(": the two forced bets that start each pot.");
    if (blinds.ante >= 1) {
        text += QStringLiteral(" Everyone also puts in an ante of ") + ChipText::full(blinds.ante) +
                QLatin1Char('.');
    }
    return text;
}

QString handText(std::int64_t handNumber, std::optional<std::int64_t> seriesHands) {
    QString text = QLatin1Char('#') + QString::number(handNumber);
    if (hasSeries(seriesHands)) {
        text += QLatin1Char('/') + QString::number(*seriesHands);
    }
    return text;
}

QString handSpoken(std::int64_t handNumber, std::optional<std::int64_t> seriesHands) {
    QString text = QStringLiteral("Hand ") + QString::number(handNumber);
    if (hasSeries(seriesHands)) {
        text += QStringLiteral(" of ") + QString::number(*seriesHands);
    }
    return text;
}

QString subtitle(std::optional<GameMode> mode, const PokerEngine::BlindLevel& blinds,
                 std::int64_t handNumber) {
    QString text;
    if (mode == GameMode::sitAndGo) {
        text += levelSpoken(handNumber) + dot;
    }
    text += QStringLiteral("Blinds ") + blindsText(blinds);
    if (blinds.ante >= 1) {
        text += QStringLiteral(" (ante ") + ChipText::full(blinds.ante) + QLatin1Char(')');
    }
    text += dot + QStringLiteral("Hand ") + QString::number(handNumber);
    return text;
}

bool pauseAvailable(bool tableOver) {
    return !tableOver;
}

bool leaveAvailable(bool tableOver) {
    return !tableOver;
}

bool available(TopBarButton button, const TopBarState& state) {
    switch (button) {
    case TopBarButton::pause:
        return state.pauseAvailable;
    case TopBarButton::leave:
        return state.leaveAvailable;
    default:
        return true;
    }
}

bool showsPaused(const PauseReasons& reasons) {
    return std::any_of(reasons.begin(), reasons.end(),
                       [](PauseReason reason) { return reason != PauseReason::practice; });
}

QString soundsTurned(bool soundsOn) {
    return soundsOn ? QStringLiteral("Sounds on.") : QStringLiteral("Sounds off.");
}

QString leaveTitle(std::optional<GameMode> mode) {
    if (mode == GameMode::sitAndGo) {
        return QStringLiteral("Forfeit");
    }
    if (mode == GameMode::quickHand || mode == GameMode::practice) {
        return QStringLiteral("Leave");
    }
    return QStringLiteral("Leave Table");
}

TopBarIcon icon(TopBarButton button, const TopBarState& state) {
    switch (button) {
    case TopBarButton::pause:
        if (state.paused) {
            return {QStringLiteral("play.fill"),
                    {"#....", "###..", "#####", "###..", "#...."},
                    QStringLiteral("Resume (P)")};
        }
        return {QStringLiteral("pause.fill"), PixelGlyph(5, "##.##"), QStringLiteral("Pause (P)")};
    case TopBarButton::sound:
        if (state.soundsOn) {
            return {QStringLiteral("speaker.wave.2.fill"),
                    {"..#..", ".##.#", "###.#", ".##.#", "..#.."},
                    QStringLiteral("Mute Sounds")};
        }
        return {QStringLiteral("speaker.slash.fill"),
                {"..#..", ".##..", "###..", ".##..", "..#.."},
                QStringLiteral("Unmute Sounds")};
    case TopBarButton::guide:
        return {QStringLiteral("questionmark"),
                {".###.", "#...#", "..##.", ".....", "..#.."},
                QStringLiteral("Poker Basics (?)")};
    case TopBarButton::surface:
        if (state.surface == TableSurface::popover) {
            return {QStringLiteral("arrow.up.left.and.arrow.down.right"),
                    {"..###", "...##", "#.#.#", "##...", "###.."},
                    QStringLiteral("Open in Window")};
        }
        return {QStringLiteral("arrow.down.right.and.arrow.up.left"),
                {"###..", "##...", "#.#.#", "...##", "..###"},
                QStringLiteral("Back to System Tray")};
    case TopBarButton::settings:
        return {QStringLiteral("gearshape.fill"),
                {".#.#.", "#####", ".#.#.", "#####", ".#.#."},
                QStringLiteral("Settings")};
    case TopBarButton::leave:
        return {QStringLiteral("rectangle.portrait.and.arrow.right"),
                {"###..", "#....", "#.#..", "#.###", "###.."},
                leaveTitle(state.mode)};
    }
    return {};
}

TopBarPlacement placeRow(const TopBarRow& row, const std::vector<double>& textWidths) {
    constexpr double spacer = 4;
    TopBarPlacement placement;
    const double group = row.buttons * row.faceWidth + std::max(row.buttons - 1, 0) * row.buttonSpacing;
    double face = row.width - row.margin - group;
    for (int i = 0; i < row.buttons; ++i) {
        placement.faces.push_back(face);
        face += row.faceWidth + row.buttonSpacing;
    }
    const double room = row.width - row.margin - group - spacer - row.margin;
    double needed = 0;
    for (std::size_t i = 0; i < textWidths.size(); ++i) {
        needed += std::max(textWidths[i], 0.0) + (i > 0 ? row.spacing : 0);
    }
    double excess = std::max(needed - std::max(room, 0.0), 0.0);
    double x = row.margin;
    for (const double natural : textWidths) {
        double width = std::max(natural, 0.0);
        const double given = std::min(width, excess);
        width -= given;
        excess -= given;
        placement.texts.push_back({x, width});
        x += width + row.spacing;
    }
    return placement;
}

} // namespace TopBarText
