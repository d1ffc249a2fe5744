#include "PokerEngine/BlindSchedule.h"

#include "PokerEngine/CheckedMath.h"
#include "PokerEngine/JsonRead.h"
#include "PokerEngine/Precondition.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <utility>

namespace PokerEngine {

namespace {

// One level past the end of the table: one and a half times the big blind, rounded to the
// nearest 50, 100 or 1000 (halves up). Small big blinds would round down to nothing and stall
// the tournament at 0/0, so the big blind always rises by at least one chip. Absent when the
// big blind would pass the range of a 64-bit integer.
std::optional<std::int64_t> extendedBigBlind(std::int64_t bigBlind) {
    std::int64_t tripled = 0;
    if (__builtin_mul_overflow(std::int64_t{3}, bigBlind, &tripled)) {
        return std::nullopt;
    }
    const std::int64_t step = tripled > 19999 ? 1000 : (tripled > 1999 ? 100 : 50);
    const auto rounded = checkedMul((tripled / 2 + step / 2) / step, step);
    if (rounded > bigBlind) {
        return rounded;
    }
    return std::max(checkedAdd(bigBlind, 1), checkedAdd(tripled, 1) / 2);
}

} // namespace

BlindSchedule::BlindSchedule(std::vector<BlindLevel> levels, std::optional<std::int64_t> handsPerLevel)
    : levels(std::move(levels))
    , handsPerLevel(handsPerLevel) {
    CW_PRECONDITION(!this->levels.empty());
}

BlindSchedule BlindSchedule::fixed(std::int64_t smallBlind, std::int64_t bigBlind, std::int64_t ante) {
    return BlindSchedule({BlindLevel{smallBlind, bigBlind, ante}}, std::nullopt);
}

const BlindSchedule& BlindSchedule::sitAndGoTurbo() {
    static const BlindSchedule schedule({{10, 20, 0},
                                         {15, 30, 0},
                                         {25, 50, 0},
                                         {50, 100, 0},
                                         {75, 150, 0},
                                         {100, 200, 25},
                                         {150, 300, 25},
                                         {200, 400, 50},
                                         {300, 600, 75}},
                                        8);
    return schedule;
}

BlindLevel BlindSchedule::level(std::int64_t hand) const {
    const auto found = levelInRange(hand);
    CW_PRECONDITION(found.has_value());
    return *found;
}

std::optional<BlindLevel> BlindSchedule::levelInRange(std::int64_t hand) const {
    CW_PRECONDITION(!levels.empty());
    if (!handsPerLevel) {
        return levels.front();
    }
    CW_PRECONDITION(*handsPerLevel >= 1);
    const auto index = std::max<std::int64_t>(hand - 1, 0) / *handsPerLevel;
    const auto count = static_cast<std::int64_t>(levels.size());
    if (index < count) {
        return levels[static_cast<std::size_t>(index)];
    }
    // Every step grows the big blind by half, so a far-off hand runs out of range within a
    // hundred or so steps instead of looping through all of them.
    std::optional<std::int64_t> bigBlind = levels.back().bigBlind;
    for (std::int64_t step = 0; step < index - count + 1 && bigBlind; ++step) {
        bigBlind = extendedBigBlind(*bigBlind);
    }
    if (!bigBlind) {
        return std::nullopt;
    }
    return BlindLevel{*bigBlind / 2, *bigBlind, *bigBlind / 200 * 25};
}

void to_json(nlohmann::json& json, const BlindLevel& level) {
    json =
        nlohmann::json{{"smallBlind", level.smallBlind}, {"bigBlind", level.bigBlind}, {"ante", level.ante}};
}

void from_json(const nlohmann::json& json, BlindLevel& level) {
    level = BlindLevel{readInt(json, "smallBlind"), readInt(json, "bigBlind"), readInt(json, "ante")};
}

void to_json(nlohmann::json& json, const BlindSchedule& schedule) {
    json = nlohmann::json{{"levels", schedule.levels}};
    if (schedule.handsPerLevel) {
        json["handsPerLevel"] = *schedule.handsPerLevel;
    }
}

BlindSchedule blindScheduleFromJson(const nlohmann::json& json) {
    auto levels = expectArray(jsonField(json, "levels")).get<std::vector<BlindLevel>>();
    std::optional<std::int64_t> handsPerLevel;
    if (const auto* hands = jsonOptionalField(json, "handsPerLevel")) {
        handsPerLevel = readInt(*hands);
    }
    if (levels.empty()) {
        throw DecodingError::dataCorrupted("A blind schedule needs at least one level");
    }
    if (handsPerLevel && *handsPerLevel < 1) {
        throw DecodingError::dataCorrupted("A blind level lasts at least one hand");
    }
    return BlindSchedule(std::move(levels), handsPerLevel);
}

} // namespace PokerEngine
