#pragma once

#include "PokerEngine/Action.h"
#include "PokerEngine/GameState.h"
#include "PokerEngine/LegalActions.h"
#include "PokerEngine/RiggedDeal.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace PokerEngine {

// The engine's in-place operations on one working copy of a state. The public operations in
// Engine.h copy the caller's state, run these on the copy and hand it back only on success, so a
// refusal never changes what the caller holds. Not for use outside the engine.
class HandFlow {
  public:
    explicit HandFlow(GameState& state)
        : state_(state) {}

    static GameState makeTable(const TableConfig& config, const std::vector<PlayerID>& players,
                               std::uint64_t seed);

    void seatPlayer(const PlayerID& player, std::int64_t index, std::int64_t stack);
    void startHand(const std::optional<RiggedDeal>& rigged);
    void apply(const Action& action, const PlayerID& player);
    // What the seat to act may do; reads the state only.
    static LegalActions legalActions(const GameState& state);

    static Deck riggedDeck(const RiggedDeal& rigged, const std::vector<std::int64_t>& dealOrder);

  private:
    // Betting.
    std::int64_t commit(std::int64_t seat, std::int64_t upTo, bool countsTowardBet);
    void call(std::int64_t seat, std::int64_t amount);
    void aggress(std::int64_t seat, std::int64_t to, const LegalActions& legal);
    bool needsToAct(std::int64_t seat) const;
    void advance(std::int64_t startingAt);
    void dealNextStreet();

    // Settlement.
    void endBettingRound();
    void returnUncalledBet();
    std::vector<Pot> derivedPots() const;
    void awardUncontested(std::int64_t winner);
    void showdown();
    void finishHand();

    Seat& seatAt(std::int64_t index);
    const Seat& seatAt(std::int64_t index) const;
    std::int64_t seatCount() const;
    // Every seat once, starting at `start` and wrapping round the table.
    std::vector<std::int64_t> orderFrom(std::int64_t start) const;
    std::optional<std::int64_t> firstNeedingToAct(std::int64_t start) const;
    void log(HandEvent event);

    GameState& state_;
};

} // namespace PokerEngine
