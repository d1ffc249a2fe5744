#pragma once

#include "BotKit/PlayerKind.h"
#include "Game/GameSetup.h"
#include "Persistence/Instant.h"
#include "PokerEngine/GameState.h"
#include "PokerEngine/PlayerID.h"
#include "PokerEngine/SeededRNG.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// A table in progress, down to every random generator, so a restored table plays on exactly as it
// would have. An immutable value, built with all nine fields.
struct SavedGame {
    static constexpr std::int64_t currentSchemaVersion = 1;

    std::int64_t schemaVersion = currentSchemaVersion;
    // When the snapshot was taken.
    Instant savedAt;
    GameSetup setup;
    // The human player at this table.
    PokerEngine::PlayerID hero;
    // Who sits in each seat, by seat index; absent where nothing is recorded.
    std::vector<std::optional<BotKit::PlayerKind>> seatKinds;
    // Each bot seat's own generator, as far as its decisions have advanced it.
    std::map<std::int64_t, PokerEngine::SeededRNG> botRNGs;
    // Replacement bots seated so far; never negative, since their random streams derive from it.
    std::int64_t replacementsSeated = 0;
    PokerEngine::GameState state;
    // The player keeps the finished hand's result on screen; the next hand waits.
    bool resultHeld = false;

    // The part of the bankroll that sits at this table: a Sit & Go's buy-in, otherwise the hero's
    // stack plus what the hero has put into the current hand (0 without a seat).
    std::int64_t chipsAtTable() const;

    // The chips lost by leaving the table now: a Sit & Go's 500 buy-in; for a quick hand or a cash
    // table in the middle of a hand, what the hero has put into it; otherwise nothing.
    static std::int64_t forfeit(const GameSetup& setup, const PokerEngine::GameState& state,
                                const PokerEngine::PlayerID& hero);

    bool operator==(const SavedGame&) const = default;
};

void to_json(nlohmann::json& json, const SavedGame& game);
// Strict: all nine keys are required and every value must read. A record that doesn't hang together
// (the hero not seated, a seat's kind not matching its player, a bot without its generator, a negative
// replacement count, a setup that doesn't fit the table, a buy-in or a bot's style out of range) fails
// too, so it is set aside rather than resumed.
SavedGame savedGameFromJson(const nlohmann::json& json);

template <> struct nlohmann::adl_serializer<SavedGame> {
    static void to_json(nlohmann::json& json, const SavedGame& game) { ::to_json(json, game); }
    static SavedGame from_json(const nlohmann::json& json) { return savedGameFromJson(json); }
};
