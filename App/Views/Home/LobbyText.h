#pragma once

#include "Game/GameMode.h"
#include "Game/TableDifficulty.h"
#include "Persistence/NewGameChoices.h"
#include "Persistence/SavedGame.h"
#include "Views/Home/HomeNotice.h"

#include "BotKit/BotProfile.h"
#include "PokerEngine/Card.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Every rule and text of the lobby that needs no screen: what each mode costs to enter, how it is
// named and described, what the saved game and the day's refill say under the bankroll, and the
// notice's words. Amounts use the locale's grouping; hand counts and blinds are plain digits.
namespace LobbyText {

// Whether the spendable chips cover the mode's entry cost; exactly enough is enough.
bool isAffordable(GameMode mode, std::int64_t spendable);

// "Quick Hand", "Cash Table", "Sit & Go", "Practice Hand".
QString modeTitle(GameMode mode);
// "Easy", "Medium", "Hard", "Mixed".
QString difficultyTitle(TableDifficulty difficulty);
// An amount in the locale's integer format: 2000 reads "2,000".
QString grouped(std::int64_t amount);
// "Bankroll: 10,000 chips", as a reader hears the bankroll.
QString spokenBankroll(std::int64_t chips);
// "Needs 2,000 chips".
QString needsLine(std::int64_t cost);

// The remembered hand count as a table would play it, 1 to 50.
std::int64_t quickHandHands(const NewGameChoices& choices);

// The line under the bankroll: the chips at the saved table, else the day's refill, else none.
std::optional<QString> status(const std::optional<SavedGame>& saved, std::int64_t lastRefillAmount);
// One line on a mode from the remembered choices: the hero card's long form, the rows' short form.
QString detail(GameMode mode, bool isLong, const NewGameChoices& choices);
// The Sit & Go blind level a hand number plays at: a new level every 8 hands, from 1.
std::int64_t sitAndGoLevel(std::int64_t handNumber);
// Blinds, stack and progress of a saved table.
QString resumeDetail(const SavedGame& saved);
// The bots still holding chips at a saved table, in seat order, at most five.
std::vector<BotKit::BotProfile> seatedBots(const SavedGame& saved);
// At most the first three cards of the saved board.
std::vector<PokerEngine::Card> resumeBoard(const SavedGame& saved);

// The notice panel's words, for the saved game and the spendable chips of the moment.
QString noticeTitle(const HomeNotice& notice, const std::optional<SavedGame>& saved);
QString noticeMessage(const HomeNotice& notice, const std::optional<SavedGame>& saved,
                      std::int64_t spendable);
// "Start Quick Hand": the mode of the setup that would be started, not of the saved game.
QString startTitle(const GameSetup& setup);

} // namespace LobbyText
