#include "Game/GameModeRules.h"
#include "Persistence/Instant.h"
#include "Persistence/SavedGame.h"
#include "PokerEngine/GameStateCheck.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <string>

using namespace PokerEngine;

namespace {

DecodingError inconsistent(const std::string& description) {
    return DecodingError::dataCorrupted("Saved game doesn't hang together: " + description);
}

// "1", "+1", "01": a decimal integer, as the generators' seat keys are written.
std::int64_t seatKey(const std::string& key) {
    std::string_view digits = key;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    std::int64_t seat = 0;
    const auto end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, seat);
    if (digits.empty() || digits.front() == '+' || error != std::errc() || stop != end) {
        throw DecodingError::dataCorrupted("Expected an integer seat index but found \"" + key + "\".");
    }
    return seat;
}

Instant readInstant(const nlohmann::json& value) {
    const auto text = readString(value);
    const auto instant = instantFromIso8601(text);
    if (!instant) {
        throw DecodingError::dataCorrupted("Expected date string to be ISO8601-formatted.");
    }
    return *instant;
}

std::size_t seatsFor(const GameSetup& setup) {
    switch (setup.mode()) {
    case GameMode::quickHand:
        return 2;
    case GameMode::cashTable:
        return std::get<CashTableSetup>(setup.value()).opponents.size() + 1;
    case GameMode::sitAndGo:
        return GameModeRules::sitAndGoSeats;
    case GameMode::practice:
        break;
    }
    return 0;
}

void checkConsistency(const SavedGame& game) {
    if (game.setup.mode() == GameMode::practice) {
        throw inconsistent("a practice hand is never saved");
    }
    if (game.replacementsSeated < 0) {
        throw inconsistent("replacementsSeated is negative");
    }
    const auto& seats = game.state.seats();
    if (seats.size() != seatsFor(game.setup)) {
        throw inconsistent("the table has " + std::to_string(seats.size()) + " seats, the setup needs " +
                           std::to_string(seatsFor(game.setup)));
    }
    if (game.seatKinds.size() != seats.size()) {
        throw inconsistent("seatKinds has " + std::to_string(game.seatKinds.size()) + " entries for " +
                           std::to_string(seats.size()) + " seats");
    }
    if (!game.state.seatIndex(game.hero)) {
        throw inconsistent("the hero has no seat");
    }
    // A replacement bot sits down with the setup's buy-in; the engine seats only a stack of 1 or
    // more, and nothing beyond what a table can hold.
    const auto buyIn = GameModeRules::startingStack(game.setup);
    if (buyIn < 1 || buyIn > maxTableChips) {
        throw inconsistent("the setup's buy-in is out of range");
    }
    std::vector<BotKit::BotProfile> profiles = GameModeRules::botsOf(game.setup);
    for (const auto& kind : game.seatKinds) {
        if (kind && kind->botProfile()) {
            profiles.push_back(*kind->botProfile());
        }
    }
    for (const auto& profile : profiles) {
        if (!profile.hasStyleInRange()) {
            throw inconsistent("the style of bot " + profile.name + " is out of range");
        }
    }
    for (std::size_t index = 0; index < seats.size(); ++index) {
        if (!seats[index].player) {
            continue;
        }
        const auto& kind = game.seatKinds[index];
        const auto seat = std::to_string(index);
        if (*seats[index].player == game.hero) {
            if (!kind || !kind->isHuman()) {
                throw inconsistent("the hero's seat " + seat + " is not human");
            }
        } else if (!kind || !kind->isBot()) {
            throw inconsistent("seat " + seat + " holds a player but no bot");
        } else if (!game.botRNGs.count(static_cast<std::int64_t>(index))) {
            throw inconsistent("the bot in seat " + seat + " has no generator");
        }
    }
}

} // namespace

void to_json(nlohmann::json& json, const SavedGame& game) {
    nlohmann::json kinds = nlohmann::json::array();
    for (const auto& kind : game.seatKinds) {
        kinds.push_back(kind ? nlohmann::json(*kind) : nlohmann::json(nullptr));
    }
    nlohmann::json generators = nlohmann::json::object();
    for (const auto& [seat, rng] : game.botRNGs) {
        generators[std::to_string(seat)] = rng;
    }
    json = {{"schemaVersion", game.schemaVersion},
            {"savedAt", iso8601(game.savedAt)},
            {"setup", game.setup},
            {"hero", game.hero},
            {"seatKinds", std::move(kinds)},
            {"botRNGs", std::move(generators)},
            {"replacementsSeated", game.replacementsSeated},
            {"state", game.state},
            {"resultHeld", game.resultHeld}};
}

SavedGame savedGameFromJson(const nlohmann::json& json) {
    std::vector<std::optional<BotKit::PlayerKind>> kinds;
    for (const auto& entry : expectArray(jsonField(json, "seatKinds"))) {
        kinds.push_back(entry.is_null() ? std::nullopt : std::optional(entry.get<BotKit::PlayerKind>()));
    }
    std::map<std::int64_t, SeededRNG> generators;
    for (const auto& [key, value] : expectObject(jsonField(json, "botRNGs")).items()) {
        if (!generators.emplace(seatKey(key), value.get<SeededRNG>()).second) {
            throw DecodingError::dataCorrupted("Seat " + key + " has two generators.");
        }
    }
    SavedGame game{readInt(json, "schemaVersion"),
                   readInstant(jsonField(json, "savedAt")),
                   jsonField(json, "setup").get<GameSetup>(),
                   jsonField(json, "hero").get<PlayerID>(),
                   std::move(kinds),
                   std::move(generators),
                   readInt(json, "replacementsSeated"),
                   jsonField(json, "state").get<GameState>(),
                   readBool(json, "resultHeld")};
    checkConsistency(game);
    return game;
}
