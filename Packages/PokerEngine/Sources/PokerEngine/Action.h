#pragma once

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <functional>
#include <type_traits>
#include <variant>

namespace PokerEngine {

// What a player does on its turn. Bet and raise amounts are street totals, never increments:
// the big blind with 20 in that raises to 60 sends Raise{60} and adds 40 chips.
class Action {
  public:
    struct Fold {
        bool operator==(const Fold&) const = default;
    };
    struct Check {
        bool operator==(const Check&) const = default;
    };
    // Matches the current bet, or puts in the whole stack when it is shorter.
    struct Call {
        bool operator==(const Call&) const = default;
    };
    // The first bet of a street.
    struct Bet {
        std::int64_t to = 0;
        bool operator==(const Bet&) const = default;
    };
    // A raise over an existing bet.
    struct Raise {
        std::int64_t to = 0;
        bool operator==(const Raise&) const = default;
    };
    struct AllIn {
        bool operator==(const AllIn&) const = default;
    };
    using Payload = std::variant<Fold, Check, Call, Bet, Raise, AllIn>;

    template <class Case>
    requires std::is_constructible_v<Payload, Case> Action(Case payload)
        : payload_(payload) {}

    static Action fold() { return Fold{}; }
    static Action check() { return Check{}; }
    static Action call() { return Call{}; }
    static Action bet(std::int64_t to) { return Bet{to}; }
    static Action raise(std::int64_t to) { return Raise{to}; }
    static Action allIn() { return AllIn{}; }

    const Payload& payload() const { return payload_; }
    template <class Case> bool is() const { return std::holds_alternative<Case>(payload_); }
    template <class Case> const Case* as() const { return std::get_if<Case>(&payload_); }

    bool operator==(const Action&) const = default;

  private:
    Payload payload_;
};

// {"raise": {"to": 300}}, {"check": {}}; reading needs exactly one key naming a case.
void to_json(nlohmann::json& json, const Action& action);
Action actionFromJson(const nlohmann::json& json);

} // namespace PokerEngine

template <> struct nlohmann::adl_serializer<PokerEngine::Action> {
    static void to_json(nlohmann::json& json, const PokerEngine::Action& action) {
        PokerEngine::to_json(json, action);
    }
    static PokerEngine::Action from_json(const nlohmann::json& json) {
        return PokerEngine::actionFromJson(json);
    }
};

template <> struct std::hash<PokerEngine::Action> {
    std::size_t operator()(const PokerEngine::Action& action) const noexcept;
};
