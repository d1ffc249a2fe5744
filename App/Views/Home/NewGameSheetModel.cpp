#include "Views/Home/NewGameSheetModel.h"

#include "Game/BotSeating.h"
#include "Game/GameModeRules.h"
#include "Persistence/ChoicesSetup.h"
#include "Style/SeatedTableLayout.h"
#include "Style/SheetControls.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/LobbyText.h"

#include "BotKit/BotTier.h"

#include <QtGlobal>

#include <algorithm>

GameSetup NewGameSheetModel::practiceSetup() {
    return GameSetup::practice(
        PracticeSetup{BotKit::BotProfile::standard(BotKit::BotTier::easy), PracticeSetup::defaultSeed});
}

QString NewGameSheetModel::title(GameMode mode) {
    return LobbyText::modeTitle(mode);
}

std::int64_t NewGameSheetModel::hands(const NewGameChoices& choices) {
    return LobbyText::quickHandHands(choices);
}

std::int64_t NewGameSheetModel::opponents(const NewGameChoices& choices) {
    return std::clamp<std::int64_t>(choices.cashOpponents, 1, 5);
}

BuyInFigures NewGameSheetModel::buyIn(const NewGameChoices& choices, std::int64_t spendable) {
    BuyInFigures figures;
    const std::int64_t big = bigBlind(choices.cashStakes);
    const std::int64_t reach = spendable / big;
    figures.cap = std::clamp(reach, Stakes::minimumBigBlinds, Stakes::maximumBigBlinds);
    figures.shown = BuyInScale::shown(choices.cashBuyInBB, figures.cap);
    figures.amount = big * figures.shown;
    figures.isShort = spendable < Stakes::minimumBuyIn(choices.cashStakes);
    figures.range = QStringLiteral("%1 – %2").arg(
        LobbyText::grouped(Stakes::minimumBuyIn(choices.cashStakes)), LobbyText::grouped(big * figures.cap));
    if (reach < Stakes::maximumBigBlinds)
        figures.range += QStringLiteral(" (your bankroll)");
    figures.spoken = QStringLiteral("Buy-in: %1 chips, %2 big blinds")
                         .arg(LobbyText::grouped(figures.amount))
                         .arg(figures.shown);
    return figures;
}

GameSetup NewGameSheetModel::setup(const NewGameChoices& choices, std::int64_t spendable) const {
    return ChoicesSetup::setupFromChoices(mode_, choices, spendable, seed_);
}

std::optional<QString> NewGameSheetModel::blockedReason(const NewGameChoices& choices,
                                                        std::int64_t spendable) const {
    const std::int64_t price = GameModeRules::setupCost(setup(choices, spendable));
    if (spendable >= price)
        return std::nullopt;
    if (mode_ == GameMode::cashTable)
        return Stakes::shortfall(choices.cashStakes, spendable);
    return QStringLiteral("Needs %1 chips. You have %2.")
        .arg(LobbyText::grouped(price), LobbyText::grouped(spendable));
}

QString NewGameSheetModel::startTitle(const NewGameChoices& choices, std::int64_t spendable) const {
    switch (mode_) {
    case GameMode::quickHand:
        return QStringLiteral("Deal · ") + LobbyText::grouped(GameModeRules::quickHandStack);
    case GameMode::cashTable:
        return QStringLiteral("Sit Down · ") +
               LobbyText::grouped(GameModeRules::setupCost(setup(choices, spendable)));
    case GameMode::sitAndGo:
        return QStringLiteral("Register · ") + LobbyText::grouped(GameModeRules::sitAndGoBuyIn);
    case GameMode::practice:
        return QStringLiteral("Deal");
    }
    return {};
}

std::vector<BotKit::BotProfile> NewGameSheetModel::previewPlayers(const NewGameChoices& choices,
                                                                  std::int64_t spendable) const {
    return GameModeRules::botsOf(setup(choices, spendable));
}

QString NewGameSheetModel::previewSpoken(const NewGameChoices& choices, std::int64_t spendable) const {
    const QString seated = SeatedTableLayout::accessibleName(previewPlayers(choices, spendable));
    const std::optional<StepperUnit> unit = countUnit(mode_);
    if (!unit)
        return seated;
    return unit->value(mode_ == GameMode::quickHand ? hands(choices) : opponents(choices)) +
           QStringLiteral(". ") + seated;
}

std::optional<StepperUnit> NewGameSheetModel::countUnit(GameMode mode) {
    switch (mode) {
    case GameMode::quickHand:
        return StepperUnit{QStringLiteral("hand"), QStringLiteral("hands")};
    case GameMode::cashTable:
        return StepperUnit{QStringLiteral("opponent"), QStringLiteral("opponents")};
    default:
        return std::nullopt;
    }
}

PokerEngine::BlindLevel NewGameSheetModel::termBlinds(const NewGameChoices& choices) const {
    if (mode_ != GameMode::cashTable)
        return {10, 20, 0};
    const std::int64_t big = bigBlind(choices.cashStakes);
    return {big >> 1, big, 0};
}

QString NewGameSheetModel::messageLine(const std::optional<QString>& lockedReason,
                                       const std::optional<QString>& blocked) {
    return lockedReason.value_or(blocked.value_or(QStringLiteral(" ")));
}

int NewGameSheetModel::previewHeight(int overflow) {
    constexpr int natural = 140;
    constexpr int least = 96;
    return std::clamp(natural - std::max(overflow, 0), least, natural);
}

QRect NewGameSheetModel::formFrame(const QRect& sheet, const std::optional<QSize>& column, int natural) {
    if (!column)
        return sheet;
    return HomeColumn::frame(sheet, QSize(column->width(), std::clamp(natural, 0, column->height())));
}
