#pragma once

#include "PokerEngine/Action.h"
#include "PokerEngine/LegalActions.h"

// Turns whatever a strategy wished for into an action the engine accepts.
namespace BotKit::Legalizer {

// Bets and raises are clamped into the legal range and take the kind the street calls for; a bot
// never folds when checking is free; anything else not allowed falls back to check, call or fold.
PokerEngine::Action legalize(const PokerEngine::Action& wished, const PokerEngine::LegalActions& legal);

} // namespace BotKit::Legalizer
