#include "PokerEngine/Action.h"
#include "PokerEngine/ActionKind.h"
#include "PokerEngine/DecodingError.h"
#include "PokerEngine/EngineError.h"
#include "PokerEngine/LegalActions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace PokerEngine;

namespace {

void expectKeyCountError(const nlohmann::json& json) {
    try {
        (void)json.get<Action>();
        ADD_FAILURE() << json.dump() << " read";
    } catch (const DecodingError& error) {
        EXPECT_EQ(error.kind(), DecodingError::Kind::typeMismatch);
        EXPECT_EQ(error.description(), "Invalid number of keys found, expected one.");
    }
}

} // namespace

TEST(ActionValues, CompareByCaseAndAmount) {
    EXPECT_NE(Action::bet(100), Action::raise(100));
    EXPECT_NE(Action::bet(100), Action::bet(120));
    EXPECT_EQ(Action::fold(), Action::fold());
    EXPECT_EQ(Action::call(), Action::call());
    EXPECT_EQ(std::hash<Action>{}(Action::raise(40)), std::hash<Action>{}(Action::raise(40)));
    EXPECT_EQ(Action::raise(40).as<Action::Raise>()->to, 40);
    EXPECT_TRUE(Action::allIn().is<Action::AllIn>());
}

TEST(ActionJson, WritesOneKeyWithThePayload) {
    EXPECT_EQ(nlohmann::json(Action::check()), nlohmann::json::parse(R"({"check": {}})"));
    EXPECT_EQ(nlohmann::json(Action::raise(300)), nlohmann::json::parse(R"({"raise": {"to": 300}})"));
    for (const auto& action : {Action::fold(), Action::check(), Action::call(), Action::bet(80),
                               Action::raise(160), Action::allIn()}) {
        EXPECT_EQ(nlohmann::json(action).get<Action>(), action);
    }
}

TEST(ActionJson, NeedsExactlyOneCaseKey) {
    expectKeyCountError(nlohmann::json::parse(R"({"fold": {}, "call": {}})"));
    expectKeyCountError(nlohmann::json::object());
    expectKeyCountError(nlohmann::json::parse(R"({"shove": {}})"));
    EXPECT_EQ(nlohmann::json::parse(R"({"fold": {}, "shove": {}})").get<Action>(), Action::fold());
}

TEST(ActionJson, ChecksTheCasePayload) {
    EXPECT_THROW((void)nlohmann::json::parse(R"({"bet": {}})").get<Action>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json::parse(R"({"bet": {"to": "ten"}})").get<Action>(), DecodingError);
    EXPECT_THROW((void)nlohmann::json::parse(R"({"call": 3})").get<Action>(), DecodingError);
    EXPECT_EQ(nlohmann::json::parse(R"({"fold": {"why": 1}})").get<Action>(), Action::fold());
    EXPECT_EQ(nlohmann::json::parse(R"({"bet": {"to": -5, "x": 1}})").get<Action>(), Action::bet(-5));
}

TEST(ActionKindText, ExactNamesOnly) {
    EXPECT_EQ(actionKindFromString("bet"), ActionKind::bet);
    EXPECT_FALSE(actionKindFromString("allIn"));
    EXPECT_FALSE(actionKindFromString("Bet"));
    EXPECT_EQ(nlohmann::json(ActionKind::raise), "raise");
    EXPECT_THROW((void)nlohmann::json("Raise").get<ActionKind>(), DecodingError);
}

TEST(LegalActionsValues, NoneAllowsNothing) {
    const LegalActions built{false, false, std::nullopt, std::nullopt, 0, false, false};
    EXPECT_EQ(LegalActions::none(), built);
    EXPECT_EQ(std::hash<LegalActions>{}(LegalActions::none()), std::hash<LegalActions>{}(built));
}

TEST(LegalActionsValues, AggressiveActionFollowsOpensBettingOnly) {
    LegalActions opening{true, true, std::nullopt, 20, 500, true, true};
    EXPECT_EQ(opening.aggressiveAction(80), Action::bet(80));
    LegalActions facing{true, false, 40, std::nullopt, 30, false, true};
    EXPECT_EQ(facing.aggressiveAction(80), Action::raise(80));
    EXPECT_EQ(LegalActions::none().aggressiveAction(80), Action::raise(80));
}

TEST(LegalActionsJson, LeavesOutAbsentAmounts) {
    const LegalActions callOnly{true, false, 40, std::nullopt, 30, false, true};
    const nlohmann::json json = callOnly;
    EXPECT_FALSE(json.contains("minRaiseTo"));
    EXPECT_EQ(json["callAmount"], 40);
    EXPECT_EQ(json.get<LegalActions>(), callOnly);

    auto withNull = json;
    withNull["minRaiseTo"] = nullptr;
    EXPECT_EQ(withNull.get<LegalActions>(), callOnly);
    auto missing = json;
    missing.erase("canAllIn");
    EXPECT_THROW((void)missing.get<LegalActions>(), DecodingError);
}

TEST(EngineErrors, CompareByCaseAndMinimum) {
    EXPECT_EQ(EngineError::amountBelowMinimum(40), EngineError::amountBelowMinimum(40));
    EXPECT_NE(EngineError::amountBelowMinimum(40), EngineError::amountBelowMinimum(60));
    EXPECT_NE(EngineError::notYourTurn(), EngineError::illegalAction());
    EXPECT_EQ(EngineError::amountBelowMinimum(40).min(), 40);
    EXPECT_FALSE(EngineError::seatOccupied().min().has_value());
    EXPECT_EQ(std::string(EngineError::handInProgress().what()), "handInProgress");
}
