#include "Table/Screen/TableOverModel.h"

#include "Game/CashStakes.h"
#include "Game/GameModeRules.h"
#include "Persistence/ChoicesSetup.h"
#include "Table/ActionBarModel.h"
#include "Table/ChipText.h"

#include "PokerEngine/Overloaded.h"

#include <algorithm>

namespace {

QString handPlayedDetail(std::int64_t hands, std::int64_t bankroll) {
    QString detail;
    if (hands >= 2) {
        detail = QStringLiteral("Over ") + QString::number(hands) + QStringLiteral(" hands. ");
    }
    return detail + QStringLiteral("Bankroll: ") + ChipText::full(bankroll) + QStringLiteral(" chips.");
}

QString finishedDetail(std::int64_t prize, std::int64_t bankroll) {
    const QString tail = QStringLiteral("Bankroll: ") + ChipText::full(bankroll) + QLatin1Char('.');
    if (prize < 1) {
        return QStringLiteral("The top two get paid. ") + tail;
    }
    return QLatin1Char('+') + ChipText::full(prize) + QStringLiteral(" chips (") +
           ChipText::full(prize - GameModeRules::sitAndGoBuyIn) + QStringLiteral(" after the buy-in). ") +
           tail;
}

QString netTitle(std::int64_t net) {
    if (net > 0) {
        return QStringLiteral("You won ") + ChipText::full(net);
    }
    if (net < 0) {
        return QStringLiteral("You lost ") + ChipText::full(-net);
    }
    return QStringLiteral("Even");
}

} // namespace

std::optional<std::int64_t> TableOverModel::broughtIn(const GameSetup& setup) {
    if (const auto* cash = std::get_if<CashTableSetup>(&setup.value())) {
        return cash->buyInBB * bigBlind(cash->stakes);
    }
    if (setup.mode() == GameMode::quickHand) {
        return GameModeRules::quickHandStack;
    }
    return std::nullopt;
}

QString TableOverModel::leftTable(std::int64_t takenBack, std::int64_t broughtIn, std::int64_t bankroll) {
    return QStringLiteral("You left the table with ") + ChipText::full(takenBack) +
           QStringLiteral(" chips. ") + netTitle(takenBack - broughtIn) + QStringLiteral(". Bankroll: ") +
           ChipText::full(bankroll) + QStringLiteral(" chips.");
}

std::optional<TableOverModel::Leaving> TableOverModel::leaving(const GameSetup& setup, std::int64_t stack,
                                                               std::int64_t forfeit) {
    if (setup.mode() == GameMode::sitAndGo) {
        return Leaving{0, 0, forfeit};
    }
    if (const auto brought = broughtIn(setup)) {
        return Leaving{stack, *brought, std::nullopt};
    }
    return std::nullopt;
}

QString TableOverModel::leftTable(const Leaving& leaving, std::int64_t bankroll) {
    if (!leaving.forfeited) {
        return leftTable(leaving.takenBack, leaving.broughtIn, bankroll);
    }
    // The words of the question the player has just answered: "You lose the 500-chip buy-in."
    return QStringLiteral("You left the Sit & Go and lost the ") + ChipText::full(*leaving.forfeited) +
           QStringLiteral("-chip buy-in. Bankroll: ") + ChipText::full(bankroll) + QStringLiteral(" chips.");
}

TableOverModel::Text TableOverModel::text(const TableOver& over, std::int64_t bankroll) {
    return std::visit(
        PokerEngine::Overloaded{
            [&](const TableOver::HandPlayed& played) {
                return Text{netTitle(played.net), handPlayedDetail(played.hands, bankroll)};
            },
            [&](const TableOver::Finished& finished) {
                const QString title = finished.place == 1
                                          ? QStringLiteral("You won the Sit & Go!")
                                          : QStringLiteral("You finished ") + ordinal(finished.place);
                return Text{title, finishedDetail(finished.prize, bankroll)};
            },
            [&](const TableOver::HeroBusted&) {
                return Text{QStringLiteral("You're out of chips"), QStringLiteral("Your bankroll has ") +
                                                                       ChipText::full(bankroll) +
                                                                       QStringLiteral(" chips.")};
            },
            [&](const TableOver::Practiced&) {
                return Text{
                    QStringLiteral("That's a hand of poker"),
                    QStringLiteral("Cards, blinds, four rounds of betting and a showdown. A Quick Hand "
                                   "plays the same way for real chips.")};
            },
        },
        over.value);
}

std::optional<GameSetup> TableOverModel::nextSetup(const std::optional<GameSetup>& current,
                                                   const NewGameChoices& choices, std::int64_t spendable,
                                                   std::uint64_t seed) {
    if (!current) {
        return std::nullopt;
    }
    return ChoicesSetup::setupFromChoices(current->mode(), choices, spendable, seed);
}

QString TableOverModel::refusal(std::int64_t cost, std::int64_t spendable) {
    return QStringLiteral("Not enough chips: the next game takes ") + ChipText::full(cost) +
           QStringLiteral(" and you have ") + ChipText::full(spendable) + QStringLiteral(" to spend.");
}

TableOverModel::Press TableOverModel::press(Action action, std::int64_t spendable) const {
    if (action == Action::home || action == Action::leaveTable) {
        return {true, std::nullopt, std::nullopt};
    }
    if (!offer || spendable < offerCost) {
        return {false, std::nullopt, refusal(offerCost, spendable)};
    }
    return {false, offer, std::nullopt};
}

TableOverModel TableOverModel::make(const Inputs& in) {
    TableOverModel panel;
    const Text words = text(in.over, in.bankroll);
    panel.title = words.title;
    panel.detail = words.detail;
    const Button home{QStringLiteral("Home"), Action::home};

    if (std::holds_alternative<TableOver::HeroBusted>(in.over.value)) {
        panel.primary = Button{QStringLiteral("Leave Table"), Action::leaveTable};
        return panel;
    }
    if (std::holds_alternative<TableOver::Practiced>(in.over.value)) {
        panel.primary = home;
        if (!in.savedGame && in.spendable >= GameModeRules::entryCost(GameMode::quickHand)) {
            panel.offer =
                ChoicesSetup::setupFromChoices(GameMode::quickHand, in.choices, in.spendable, in.seed);
            panel.offerCost = GameModeRules::entryCost(GameMode::quickHand);
            panel.primary = Button{QStringLiteral("Play a Quick Hand"), Action::quickHand};
            panel.secondary = home;
        }
        return panel;
    }
    panel.primary = home;
    if (const auto next = nextSetup(in.setup, in.choices, in.spendable, in.seed);
        next && in.spendable >= GameModeRules::setupCost(*next)) {
        panel.offer = next;
        panel.offerCost = GameModeRules::setupCost(*next);
        panel.primary = Button{QStringLiteral("Play Again"), Action::playAgain};
        panel.secondary = home;
    }
    return panel;
}
