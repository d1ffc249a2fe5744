#pragma once

#include "BotKit/Situation.h"

#include "TestPrinting.h"
#include "TestTable.h"

#include <string>

namespace BotKitTesting {

// The first player to act before the flop at a six-seat table (button 0, blinds 1 and 2, the
// actor in seat 3, early position) with the given hole cards and 100 big blinds each; a test then
// sets the fields the rule under test reads.
inline BotKit::Situation preflopSituation(const std::string& hole, std::int64_t bigBlind = 20) {
    const TestTable table(6, 100 * bigBlind, bigBlind / 2, bigBlind, 0, rigged({{3, hole}}));
    return BotKit::Situation(table.actorView());
}

// The same seat after the flop: the given board, `pot` in the middle (any bet faced included),
// `toCall` to call, and `opponents` other seats still holding cards.
inline BotKit::Situation postflopSituation(const std::string& hole, const std::string& board,
                                           std::int64_t pot, std::int64_t toCall, std::size_t opponents = 1) {
    auto situation = preflopSituation(hole);
    situation.board = cards(board);
    situation.street = situation.board.size() == 3   ? PokerEngine::Street::flop
                       : situation.board.size() == 4 ? PokerEngine::Street::turn
                                                     : PokerEngine::Street::river;
    situation.view.street = situation.street;
    situation.pot = pot;
    situation.toCall = toCall;
    situation.view.currentBet = toCall;
    situation.legal = PokerEngine::LegalActions{};
    situation.legal.canFold = true;
    situation.legal.canCheck = toCall == 0;
    if (toCall > 0) {
        situation.legal.callAmount = toCall;
    }
    situation.legal.minRaiseTo = toCall > 0 ? 2 * toCall : situation.bigBlind;
    situation.legal.maxRaiseTo = situation.stack;
    situation.legal.opensBetting = toCall == 0;
    situation.legal.canAllIn = true;
    situation.opponents.clear();
    for (std::size_t i = 0; i < opponents; ++i) {
        situation.opponents.push_back(static_cast<std::int64_t>(i == 0 ? 4 : 4 + i));
    }
    situation.raisesThisStreet = toCall > 0 ? 1 : 0;
    return situation;
}

} // namespace BotKitTesting
