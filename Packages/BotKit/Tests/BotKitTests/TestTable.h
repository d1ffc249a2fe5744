#pragma once

#include "TestCards.h"

#include "PokerEngine/Engine.h"
#include "PokerEngine/Precondition.h"
#include "PokerEngine/RiggedDeal.h"

#include <cstdint>
#include <vector>

namespace BotKitTesting {

// A real engine table for building bot views: players in seats 0..n-1, the button where the test
// wants it, and the hole cards and board it names.
class TestTable {
  public:
    TestTable(std::int64_t seats, std::int64_t stack, std::int64_t smallBlind, std::int64_t bigBlind,
              std::int64_t button, const PokerEngine::RiggedDeal& deal = {})
        : state_(make(seats, stack, smallBlind, bigBlind, button, deal)) {}

    // The seat to act acts.
    void act(const PokerEngine::Action& action) {
        state_ = PokerEngine::apply(action, player(actor()), state_);
    }

    std::int64_t actor() const {
        CW_PRECONDITION(state_.actingIndex().has_value());
        return *state_.actingIndex();
    }

    PokerEngine::PlayerView actorView() const { return PokerEngine::view(state_, player(actor())); }
    const PokerEngine::GameState& state() const { return state_; }

    static PokerEngine::PlayerID player(std::int64_t seat) {
        PokerEngine::Uuid uuid;
        uuid.bytes[15] = static_cast<std::uint8_t>(seat + 1);
        return PokerEngine::PlayerID{uuid};
    }

  private:
    static PokerEngine::GameState make(std::int64_t seats, std::int64_t stack, std::int64_t smallBlind,
                                       std::int64_t bigBlind, std::int64_t button,
                                       const PokerEngine::RiggedDeal& deal) {
        std::vector<PokerEngine::PlayerID> players;
        for (std::int64_t seat = 0; seat < seats; ++seat) {
            players.push_back(player(seat));
        }
        const PokerEngine::TableConfig config{
            seats, PokerEngine::BlindSchedule::fixed(smallBlind, bigBlind, 0), stack};
        // The first button is drawn from the seed: look for a seed that puts it where wanted.
        for (std::uint64_t seed = 0; seed < 1000; ++seed) {
            auto started = PokerEngine::startHand(PokerEngine::newTable(config, players, seed), deal);
            if (started.buttonIndex() == button) {
                return started;
            }
        }
        CW_PRECONDITION(false);
        return PokerEngine::startHand(PokerEngine::newTable(config, players, 0), deal);
    }

    PokerEngine::GameState state_;
};

inline PokerEngine::RiggedDeal rigged(const std::vector<std::pair<std::int64_t, std::string>>& hole,
                                      const std::string& board = "") {
    PokerEngine::RiggedDeal deal;
    for (const auto& [seat, codes] : hole) {
        deal.holeCards[seat] = cards(codes);
    }
    deal.board = cards(board);
    return deal;
}

} // namespace BotKitTesting
