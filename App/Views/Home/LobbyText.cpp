#include "Views/Home/LobbyText.h"

#include "Game/GameModeRules.h"
#include "Persistence/DailyRefill.h"

#include "PokerEngine/BlindSchedule.h"

#include <QDir>
#include <QLocale>

#include <algorithm>

namespace LobbyText {

namespace {

std::int64_t chipsInPlay(const PokerEngine::Seat& seat) {
    return seat.stack + seat.totalCommitted;
}

// The player's stack plus what they have put into the current hand; 0 without a seat.
std::int64_t heroChips(const SavedGame& saved) {
    const auto seat = saved.state.seatIndex(saved.hero);
    return seat ? chipsInPlay(saved.state.seat(*seat)) : 0;
}

std::int64_t sitAndGoHandsPerLevel() {
    static const std::int64_t hands = PokerEngine::BlindSchedule::sitAndGoTurbo().handsPerLevel.value_or(8);
    return hands;
}

} // namespace

bool isAffordable(GameMode mode, std::int64_t spendable) {
    return spendable >= GameModeRules::entryCost(mode);
}

QString modeTitle(GameMode mode) {
    return QString::fromUtf8(title(mode).data());
}

QString difficultyTitle(TableDifficulty difficulty) {
    QString name =
        QString::fromLatin1(toString(difficulty).data(), static_cast<int>(toString(difficulty).size()));
    name[0] = name[0].toUpper();
    return name;
}

QString grouped(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}

QString spokenBankroll(std::int64_t chips) {
    return QStringLiteral("Bankroll: %1 chips").arg(grouped(chips));
}

QString needsLine(std::int64_t cost) {
    return QStringLiteral("Needs %1 chips").arg(grouped(cost));
}

std::int64_t quickHandHands(const NewGameChoices& choices) {
    return std::clamp<std::int64_t>(choices.quickHandHands, 1, 50);
}

std::optional<QString> status(const std::optional<SavedGame>& saved, std::int64_t lastRefillAmount) {
    if (saved) {
        const GameMode mode = saved->setup.mode();
        const QString chips = grouped(saved->chipsAtTable());
        if (mode == GameMode::sitAndGo)
            return QStringLiteral("%1 of it is in your Sit & Go").arg(chips);
        return QStringLiteral("%1 of it is on your %2").arg(chips, modeTitle(mode));
    }
    if (lastRefillAmount >= 1)
        return QStringLiteral("Daily refill: +%1 chips").arg(grouped(lastRefillAmount));
    return std::nullopt;
}

QString detail(GameMode mode, bool isLong, const NewGameChoices& choices) {
    switch (mode) {
    case GameMode::quickHand: {
        const std::int64_t hands = quickHandHands(choices);
        const QString count = hands == 1 ? QStringLiteral("One hand") : QStringLiteral("%1 hands").arg(hands);
        const QString minute = isLong && hands == 1 ? QStringLiteral("about a minute · ") : QString();
        return QStringLiteral("%1 against one bot · %2%3")
            .arg(count, minute, difficultyTitle(choices.quickHandDifficulty));
    }
    case GameMode::cashTable:
        return QStringLiteral("2–6 players · leave any time");
    case GameMode::sitAndGo:
        return QStringLiteral("6 players · %1 · %2")
            .arg(isLong ? QStringLiteral("blinds rise every %1 hands").arg(sitAndGoHandsPerLevel())
                        : QStringLiteral("rising blinds"),
                 difficultyTitle(choices.sitAndGoDifficulty));
    case GameMode::practice:
        return QStringLiteral("Free · about 2 minutes · each step explained");
    }
    return {};
}

std::int64_t sitAndGoLevel(std::int64_t handNumber) {
    return std::max<std::int64_t>(handNumber - 1, 0) / sitAndGoHandsPerLevel() + 1;
}

QString resumeDetail(const SavedGame& saved) {
    const QString stack = grouped(heroChips(saved));
    const std::int64_t hand = saved.state.handNumber();
    const auto& setup = saved.setup.value();
    if (const auto* quick = std::get_if<QuickHandSetup>(&setup); quick && quick->hands >= 2)
        return QStringLiteral("10/20 · your stack %1 · hand %2 of %3").arg(stack).arg(hand).arg(quick->hands);
    if (const auto* cash = std::get_if<CashTableSetup>(&setup)) {
        const std::int64_t big = bigBlind(cash->stakes);
        return QStringLiteral("%1/%2 · your stack %3 · hand %4").arg(big / 2).arg(big).arg(stack).arg(hand);
    }
    if (std::holds_alternative<SitAndGoSetup>(setup)) {
        const auto left =
            std::count_if(saved.state.seats().begin(), saved.state.seats().end(),
                          [](const auto& seat) { return seat.player && chipsInPlay(seat) > 0; });
        return QStringLiteral("Level %1 · %2 chips · %3 left").arg(sitAndGoLevel(hand)).arg(stack).arg(left);
    }
    return QStringLiteral("10/20 · your stack %1 · hand in progress").arg(stack);
}

std::vector<BotKit::BotProfile> seatedBots(const SavedGame& saved) {
    std::vector<BotKit::BotProfile> bots;
    for (const auto& seat : saved.state.seats()) {
        if (bots.size() == 5)
            break;
        if (!seat.player || *seat.player == saved.hero || chipsInPlay(seat) <= 0)
            continue;
        const auto index = static_cast<std::size_t>(seat.index);
        if (index >= saved.seatKinds.size() || !saved.seatKinds[index])
            continue;
        if (const auto* bot = saved.seatKinds[index]->botProfile())
            bots.push_back(*bot);
    }
    return bots;
}

std::vector<PokerEngine::Card> resumeBoard(const SavedGame& saved) {
    const auto& board = saved.state.board();
    return {board.begin(),
            board.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(board.size(), 3))};
}

QString noticeTitle(const HomeNotice& notice, const std::optional<SavedGame>& saved) {
    if (const auto* cant = notice.asCantAfford())
        return QStringLiteral("%1 needs %2 chips").arg(modeTitle(cant->mode), grouped(cant->needs));
    if (notice.asSaveSetAside())
        return QStringLiteral("Your saved game couldn't be resumed");
    return QStringLiteral("End your %1?")
        .arg(saved ? modeTitle(saved->setup.mode()) : QStringLiteral("game"));
}

QString noticeMessage(const HomeNotice& notice, const std::optional<SavedGame>& saved,
                      std::int64_t spendable) {
    if (notice.asCantAfford()) {
        const QString refill = grouped(DailyRefill::floor);
        return QStringLiteral(
                   "You have %1 to play with. When your bankroll is under %2, it tops back up to %2 "
                   "the first time you open Chipwhistle each day.")
            .arg(grouped(spendable), refill);
    }
    if (const auto* setAside = notice.asSaveSetAside()) {
        if (setAside->reason == SetAsideReason::bookedAhead)
            return QStringLiteral("Chipwhistle stopped after your last hand at this table was counted "
                                  "but before the table was saved, so the table was closed. That hand "
                                  "counts once.");
        // Written from the home folder, as the shell writes it, the path is short enough to read.
        QString keptAt = setAside->keptAt;
        if (const QString home = QDir::homePath() + u'/'; keptAt.startsWith(home))
            keptAt = QStringLiteral("~/") + keptAt.mid(home.size());
        // Two stops in a row may be power cuts as well as a fault in the save: say only what is known.
        const QString why = setAside->reason == SetAsideReason::stoppedResuming
                                ? QStringLiteral("Chipwhistle stopped twice while resuming this table")
                                : QStringLiteral("It was damaged");
        return QStringLiteral("%1, so it was set aside. The file is kept at %2.").arg(why, keptAt);
    }
    if (!saved)
        return {};
    const std::int64_t forfeit = SavedGame::forfeit(saved->setup, saved->state, saved->hero);
    if (saved->setup.mode() == GameMode::sitAndGo)
        return QStringLiteral("Starting a new game forfeits the Sit & Go and its %1-chip buy-in.")
            .arg(grouped(forfeit));
    return QStringLiteral(
               "You're mid-hand: starting a new game folds it, and the %1 chips you put in are lost.")
        .arg(grouped(forfeit));
}

QString startTitle(const GameSetup& setup) {
    return QStringLiteral("Start %1").arg(modeTitle(setup.mode()));
}

} // namespace LobbyText
