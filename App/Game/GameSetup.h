#pragma once

#include "BotKit/BotProfile.h"
#include "Game/CashStakes.h"
#include "Game/GameMode.h"
#include "Game/TableDifficulty.h"

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

// Heads-up against one bot at 10/20 for a series of hands.
struct QuickHandSetup {
    BotKit::BotProfile opponent;
    std::uint64_t seed = 0;
    // How many hands the series lasts.
    std::int64_t hands = 1;

    bool operator==(const QuickHandSetup&) const = default;
};

// The player and one to five bots at fixed stakes; busted bots are replaced.
struct CashTableSetup {
    CashStakes stakes = CashStakes::low;
    // The buy-in in big blinds: the starting stack is this times the big blind.
    std::int64_t buyInBB = 100;
    // What the opponents were drawn for; replacements are drawn for it too.
    TableDifficulty difficulty = TableDifficulty::mixed;
    // One per seat after the player's, in seat order.
    std::vector<BotKit::BotProfile> opponents;
    std::uint64_t seed = 0;

    bool operator==(const CashTableSetup&) const = default;
};

// A six-player tournament: the player and exactly five bots.
struct SitAndGoSetup {
    // The prize pool's share for first and second place, in percent.
    static constexpr std::array<std::int64_t, 2> payoutPercents{65, 35};

    std::vector<BotKit::BotProfile> opponents;
    std::uint64_t seed = 0;

    bool operator==(const SitAndGoSetup&) const = default;
};

// One free narrated hand; the application always plays it with these defaults.
struct PracticeSetup {
    static constexpr std::uint64_t defaultSeed = 4358;

    BotKit::BotProfile opponent = BotKit::BotProfile::standard(BotKit::BotTier::easy);
    std::uint64_t seed = defaultSeed;

    bool operator==(const PracticeSetup&) const = default;
};

// Which game a table plays and how it was set up.
class GameSetup {
  public:
    using Value = std::variant<QuickHandSetup, CashTableSetup, SitAndGoSetup, PracticeSetup>;

    static GameSetup quickHand(QuickHandSetup setup) { return GameSetup(std::move(setup)); }
    static GameSetup cashTable(CashTableSetup setup) { return GameSetup(std::move(setup)); }
    static GameSetup sitAndGo(SitAndGoSetup setup) { return GameSetup(std::move(setup)); }
    static GameSetup practice(PracticeSetup setup) { return GameSetup(std::move(setup)); }

    // The mode of the same name as the case.
    GameMode mode() const { return static_cast<GameMode>(value_.index()); }
    std::uint64_t seed() const;
    const Value& value() const { return value_; }

    bool operator==(const GameSetup&) const = default;

  private:
    explicit GameSetup(Value value)
        : value_(std::move(value)) {}

    Value value_;
};

void to_json(nlohmann::json& json, const QuickHandSetup& setup);
// "opponent" and "seed" are required; "hands" reads as 1 unless it is an integer.
void from_json(const nlohmann::json& json, QuickHandSetup& setup);
void to_json(nlohmann::json& json, const CashTableSetup& setup);
void from_json(const nlohmann::json& json, CashTableSetup& setup);
void to_json(nlohmann::json& json, const SitAndGoSetup& setup);
void from_json(const nlohmann::json& json, SitAndGoSetup& setup);
void to_json(nlohmann::json& json, const PracticeSetup& setup);
void from_json(const nlohmann::json& json, PracticeSetup& setup);

// {"caseName": {"_0": setup}}; exactly one key must name a case, others are ignored.
void to_json(nlohmann::json& json, const GameSetup& setup);
GameSetup gameSetupFromJson(const nlohmann::json& json);

template <> struct std::hash<QuickHandSetup> {
    std::size_t operator()(const QuickHandSetup& setup) const noexcept;
};
template <> struct std::hash<CashTableSetup> {
    std::size_t operator()(const CashTableSetup& setup) const noexcept;
};
template <> struct std::hash<SitAndGoSetup> {
    std::size_t operator()(const SitAndGoSetup& setup) const noexcept;
};
template <> struct std::hash<PracticeSetup> {
    std::size_t operator()(const PracticeSetup& setup) const noexcept;
};
// By case, then by the case's record.
template <> struct std::hash<GameSetup> { std::size_t operator()(const GameSetup& setup) const noexcept; };

// A setup has no default value, so reading builds one directly.
template <> struct nlohmann::adl_serializer<GameSetup> {
    static void to_json(nlohmann::json& json, const GameSetup& setup) { ::to_json(json, setup); }
    static GameSetup from_json(const nlohmann::json& json) { return gameSetupFromJson(json); }
};
