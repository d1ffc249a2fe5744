#include "PokerEngine/Action.h"

#include "PokerEngine/Hashing.h"
#include "PokerEngine/JsonRead.h"
#include "PokerEngine/Overloaded.h"

#include <nlohmann/json.hpp>

namespace PokerEngine {

namespace {

std::int64_t readTo(const nlohmann::json& caseObject) {
    return readInt(caseObject, "to");
}

} // namespace

void to_json(nlohmann::json& json, const Action& action) {
    const auto empty = nlohmann::json::object();
    json = std::visit(Overloaded{
                          [&](const Action::Fold&) {
                              return nlohmann::json{{"fold", empty}};
                          },
                          [&](const Action::Check&) {
                              return nlohmann::json{{"check", empty}};
                          },
                          [&](const Action::Call&) {
                              return nlohmann::json{{"call", empty}};
                          },
                          [](const Action::Bet& bet) {
                              return nlohmann::json{{"bet", {{"to", bet.to}}}};
                          },
                          [](const Action::Raise& raise) {
                              return nlohmann::json{{"raise", {{"to", raise.to}}}};
                          },
                          [&](const Action::AllIn&) {
                              return nlohmann::json{{"allIn", empty}};
                          },
                      },
                      action.payload());
}

Action actionFromJson(const nlohmann::json& json) {
    switch (singleCaseIndex(json, {"fold", "check", "call", "bet", "raise", "allIn"})) {
    case 0:
        expectObject(json.at("fold"));
        return Action::fold();
    case 1:
        expectObject(json.at("check"));
        return Action::check();
    case 2:
        expectObject(json.at("call"));
        return Action::call();
    case 3:
        return Action::bet(readTo(json.at("bet")));
    case 4:
        return Action::raise(readTo(json.at("raise")));
    default:
        expectObject(json.at("allIn"));
        return Action::allIn();
    }
}

} // namespace PokerEngine

std::size_t std::hash<PokerEngine::Action>::operator()(const PokerEngine::Action& action) const noexcept {
    std::size_t seed = action.payload().index();
    if (const auto* bet = action.as<PokerEngine::Action::Bet>()) {
        PokerEngine::hashCombine(seed, bet->to);
    } else if (const auto* raise = action.as<PokerEngine::Action::Raise>()) {
        PokerEngine::hashCombine(seed, raise->to);
    }
    return seed;
}
