#include "Game/GameSetup.h"

#include "PokerEngine/Hashing.h"
#include "PokerEngine/JsonRead.h"
#include "Json/JsonRead.h"

#include <nlohmann/json.hpp>

using namespace PokerEngine;

static_assert(std::variant_size_v<GameSetup::Value> == allGameModes.size());
static_assert(std::is_same_v<std::variant_alternative_t<std::size_t(GameMode::cashTable), GameSetup::Value>,
                             CashTableSetup>);
static_assert(std::is_same_v<std::variant_alternative_t<std::size_t(GameMode::practice), GameSetup::Value>,
                             PracticeSetup>);

namespace {

std::vector<BotKit::BotProfile> readOpponents(const nlohmann::json& object) {
    const auto& list = expectArray(jsonField(object, "opponents"));
    std::vector<BotKit::BotProfile> opponents;
    opponents.reserve(list.size());
    for (const auto& entry : list) {
        opponents.push_back(entry.get<BotKit::BotProfile>());
    }
    return opponents;
}

std::size_t hashOf(std::initializer_list<std::size_t> parts,
                   const std::vector<BotKit::BotProfile>& profiles = {}) {
    std::size_t seed = 0;
    for (auto part : parts) {
        hashCombine(seed, part);
    }
    for (const auto& profile : profiles) {
        hashCombine(seed, profile);
    }
    return seed;
}

} // namespace

std::size_t std::hash<QuickHandSetup>::operator()(const QuickHandSetup& setup) const noexcept {
    return hashOf({std::hash<BotKit::BotProfile>{}(setup.opponent), std::hash<std::uint64_t>{}(setup.seed),
                   std::hash<std::int64_t>{}(setup.hands)});
}

std::size_t std::hash<CashTableSetup>::operator()(const CashTableSetup& setup) const noexcept {
    return hashOf({std::hash<CashStakes>{}(setup.stakes), std::hash<std::int64_t>{}(setup.buyInBB),
                   std::hash<TableDifficulty>{}(setup.difficulty), std::hash<std::uint64_t>{}(setup.seed)},
                  setup.opponents);
}

std::size_t std::hash<SitAndGoSetup>::operator()(const SitAndGoSetup& setup) const noexcept {
    return hashOf({std::hash<std::uint64_t>{}(setup.seed)}, setup.opponents);
}

std::size_t std::hash<PracticeSetup>::operator()(const PracticeSetup& setup) const noexcept {
    return hashOf({std::hash<BotKit::BotProfile>{}(setup.opponent), std::hash<std::uint64_t>{}(setup.seed)});
}

std::size_t std::hash<GameSetup>::operator()(const GameSetup& setup) const noexcept {
    return std::visit(
        [&](const auto& record) {
            using Record = std::decay_t<decltype(record)>;
            return hashOf({setup.value().index(), std::hash<Record>{}(record)});
        },
        setup.value());
}

std::uint64_t GameSetup::seed() const {
    return std::visit([](const auto& setup) { return setup.seed; }, value_);
}

void to_json(nlohmann::json& json, const QuickHandSetup& setup) {
    json = {{"opponent", setup.opponent}, {"seed", setup.seed}, {"hands", setup.hands}};
}

void from_json(const nlohmann::json& json, QuickHandSetup& setup) {
    QuickHandSetup read;
    read.opponent = jsonField(json, "opponent").get<BotKit::BotProfile>();
    read.seed = readUnsigned(jsonField(json, "seed"));
    const auto* hands = jsonOptionalField(json, "hands");
    read.hands = hands ? JsonRead::asInt64(*hands).value_or(1) : 1;
    setup = read;
}

void to_json(nlohmann::json& json, const CashTableSetup& setup) {
    json = {{"stakes", setup.stakes},
            {"buyInBB", setup.buyInBB},
            {"difficulty", setup.difficulty},
            {"opponents", setup.opponents},
            {"seed", setup.seed}};
}

void from_json(const nlohmann::json& json, CashTableSetup& setup) {
    CashTableSetup read;
    read.stakes = jsonField(json, "stakes").get<CashStakes>();
    read.buyInBB = readInt(json, "buyInBB");
    read.difficulty = jsonField(json, "difficulty").get<TableDifficulty>();
    read.opponents = readOpponents(json);
    read.seed = readUnsigned(jsonField(json, "seed"));
    setup = read;
}

void to_json(nlohmann::json& json, const SitAndGoSetup& setup) {
    json = {{"opponents", setup.opponents}, {"seed", setup.seed}};
}

void from_json(const nlohmann::json& json, SitAndGoSetup& setup) {
    SitAndGoSetup read;
    read.opponents = readOpponents(json);
    read.seed = readUnsigned(jsonField(json, "seed"));
    setup = read;
}

void to_json(nlohmann::json& json, const PracticeSetup& setup) {
    json = {{"opponent", setup.opponent}, {"seed", setup.seed}};
}

void from_json(const nlohmann::json& json, PracticeSetup& setup) {
    PracticeSetup read;
    read.opponent = jsonField(json, "opponent").get<BotKit::BotProfile>();
    read.seed = readUnsigned(jsonField(json, "seed"));
    setup = read;
}

void to_json(nlohmann::json& json, const GameSetup& setup) {
    json = nlohmann::json::object();
    std::visit(
        [&](const auto& record) {
            json[std::string(toString(setup.mode()))] = {{"_0", record}};
        },
        setup.value());
}

GameSetup gameSetupFromJson(const nlohmann::json& json) {
    const auto index = singleCaseIndex(json, {"quickHand", "cashTable", "sitAndGo", "practice"});
    const auto mode = allGameModes[index];
    const auto& payload = jsonField(expectObject(json.at(std::string(toString(mode)))), "_0");
    switch (mode) {
    case GameMode::quickHand:
        return GameSetup::quickHand(payload.get<QuickHandSetup>());
    case GameMode::cashTable:
        return GameSetup::cashTable(payload.get<CashTableSetup>());
    case GameMode::sitAndGo:
        return GameSetup::sitAndGo(payload.get<SitAndGoSetup>());
    case GameMode::practice:
        break;
    }
    return GameSetup::practice(payload.get<PracticeSetup>());
}
