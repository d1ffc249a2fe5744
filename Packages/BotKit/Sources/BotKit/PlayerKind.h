#pragma once

#include "BotKit/BotProfile.h"

#include <nlohmann/json_fwd.hpp>

#include <variant>

namespace BotKit {

// Who sits in a seat: the human player, or a bot with its profile.
class PlayerKind {
  public:
    struct Human {
        bool operator==(const Human&) const = default;
    };
    struct Bot {
        BotProfile profile;
        bool operator==(const Bot&) const = default;
    };

    static PlayerKind human() { return PlayerKind(Human{}); }
    static PlayerKind bot(BotProfile profile) { return PlayerKind(Bot{std::move(profile)}); }

    bool isHuman() const { return std::holds_alternative<Human>(value_); }
    bool isBot() const { return std::holds_alternative<Bot>(value_); }
    // The bot's profile, or null for the human.
    const BotProfile* botProfile() const;

    const std::variant<Human, Bot>& value() const { return value_; }

    bool operator==(const PlayerKind&) const = default;

  private:
    explicit PlayerKind(std::variant<Human, Bot> value)
        : value_(std::move(value)) {}

    std::variant<Human, Bot> value_;
};

void to_json(nlohmann::json& json, const PlayerKind& kind);
// Needs exactly one of the keys "human" and "bot"; PlayerKind has no default, so it reads by value.
PlayerKind playerKindFromJson(const nlohmann::json& json);

} // namespace BotKit

namespace nlohmann {
template <> struct adl_serializer<BotKit::PlayerKind> {
    static BotKit::PlayerKind from_json(const json& json) { return BotKit::playerKindFromJson(json); }
    static void to_json(json& json, const BotKit::PlayerKind& kind) { BotKit::to_json(json, kind); }
};
} // namespace nlohmann
