#include "HandSettlement.h"

#include "Game/GameModeRules.h"
#include "Json/StoredJson.h"

#include "PokerEngine/CheckedMath.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>

using PokerEngine::GameState;
using PokerEngine::Street;

namespace {

// FNV-1a over the stored text: stable across runs and builds, unlike std::hash.
std::string digestOf(const nlohmann::json& value) {
    std::uint64_t digest = 0xcbf29ce484222325u;
    for (const char character : storedJsonText(value)) {
        digest = (digest ^ static_cast<unsigned char>(character)) * 0x100000001b3u;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

std::optional<TableOver> sitAndGoOver(const GameState& completed, const PokerEngine::PlayerID& hero,
                                      std::int64_t heroSeat, std::int64_t heroStack) {
    const auto& out = completed.eliminated();
    const auto bustedAt = std::find(out.begin(), out.end(), hero);
    const bool othersBusted =
        std::all_of(completed.seats().begin(), completed.seats().end(),
                    [&](const auto& seat) { return seat.index == heroSeat || seat.stack == 0; });
    int finished = 0;
    if (heroStack == 0 && bustedAt != out.end()) {
        finished = static_cast<int>(GameModeRules::sitAndGoSeats - (bustedAt - out.begin()));
    } else if (othersBusted) {
        finished = 1;
    } else {
        return std::nullopt;
    }
    return TableOver::finished(finished, GameModeRules::sitAndGoPrize(finished));
}

} // namespace

std::optional<HandSettlement> settleHand(const GameSetup& setup, const PokerEngine::PlayerID& hero,
                                         const GameState& completed) {
    const GameMode mode = setup.mode();
    if (mode == GameMode::practice || completed.street() != Street::handComplete) {
        return std::nullopt;
    }
    const auto heroSeat = completed.seatIndex(hero);
    if (!heroSeat || completed.log().empty()) {
        return std::nullopt;
    }
    const auto* started = completed.log().front().as<PokerEngine::HandEvent::HandStarted>();
    if (!started) {
        return std::nullopt;
    }
    const auto startEntry = std::find_if(started->stacks.begin(), started->stacks.end(),
                                         [&](const auto& entry) { return entry.seat == *heroSeat; });
    if (startEntry == started->stacks.end()) {
        return std::nullopt;
    }
    const std::int64_t heroStack = completed.seats()[static_cast<std::size_t>(*heroSeat)].stack;
    HandSettlement settlement{
        {SessionEvent::handFinished(mode, PokerEngine::checkedSub(heroStack, startEntry->amount))},
        std::nullopt,
        {handMark(completed), tableMark(setup, hero), completed.handNumber(), false}};

    switch (mode) {
    case GameMode::sitAndGo:
        if ((settlement.over = sitAndGoOver(completed, hero, *heroSeat, heroStack))) {
            const auto& finished = std::get<TableOver::Finished>(settlement.over->value);
            settlement.entries.push_back(SessionEvent::tableFinished(
                mode, finished.prize - GameModeRules::sitAndGoBuyIn, finished.place));
        }
        break;
    case GameMode::quickHand: {
        const auto& quick = std::get<QuickHandSetup>(setup.value());
        // A stored hand count of 0 or less still ends after the first hand.
        const bool seriesDone = completed.handNumber() >= quick.hands;
        const bool someoneBusted =
            std::any_of(completed.seats().begin(), completed.seats().end(),
                        [](const auto& seat) { return seat.player && seat.stack == 0; });
        if (seriesDone || someoneBusted) {
            settlement.over =
                TableOver::handPlayed(heroStack - GameModeRules::quickHandStack, completed.handNumber());
            settlement.entries.push_back(SessionEvent::tableFinished(mode, 0, std::nullopt));
        }
        break;
    }
    case GameMode::cashTable:
        if (heroStack == 0) {
            settlement.over = TableOver::heroBusted();
            settlement.entries.push_back(SessionEvent::tableFinished(mode, 0, std::nullopt));
        }
        break;
    case GameMode::practice:
        break;
    }
    settlement.mark.endedTable = settlement.over.has_value();
    return settlement;
}

std::string handMark(const GameState& completed) {
    return digestOf(nlohmann::json(completed));
}

std::string tableMark(const GameSetup& setup, const PokerEngine::PlayerID& hero) {
    return digestOf(nlohmann::json{{"hero", hero}, {"setup", setup}});
}
