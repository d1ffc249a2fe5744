#include "PokerEngine/HandValue.h"

#include "PokerEngine/DecodingError.h"
#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/JsonRead.h"
#include "PokerEngine/Precondition.h"

#include <nlohmann/json.hpp>

#include <limits>
#include <string>

namespace PokerEngine {

namespace {

const HandClass& classOf(HandValue value) {
    CW_PRECONDITION(HandValue::strengthRange.contains(value.strength));
    return EvaluatorTables::shared().classes()[value.strength];
}

} // namespace

std::optional<HandValue> HandValue::fromStrength(std::int64_t strength) {
    if (!strengthRange.contains(strength)) {
        return std::nullopt;
    }
    return HandValue{static_cast<std::uint16_t>(strength)};
}

HandCategory HandValue::category() const {
    return classOf(*this).category;
}

const std::vector<Rank>& HandValue::ranks() const {
    return classOf(*this).ranks;
}

std::string HandValue::name() const {
    const HandClass& handClass = classOf(*this);
    const auto single = [&](std::size_t i) { return std::string(PokerEngine::name(handClass.ranks[i])); };
    const auto plural = [&](std::size_t i) { return pluralName(handClass.ranks[i]); };
    switch (handClass.category) {
    case HandCategory::highCard:
        return single(0) + " High";
    case HandCategory::pair:
        return "Pair of " + plural(0);
    case HandCategory::twoPair:
        return "Two Pair, " + plural(0) + " and " + plural(1);
    case HandCategory::threeOfAKind:
        return "Three of a Kind, " + plural(0);
    case HandCategory::straight:
        return "Straight, " + single(0) + " High";
    case HandCategory::flush:
        return "Flush, " + single(0) + " High";
    case HandCategory::fullHouse:
        return "Full House, " + plural(0) + " over " + plural(1);
    case HandCategory::fourOfAKind:
        return "Four of a Kind, " + plural(0);
    case HandCategory::straightFlush:
        if (handClass.ranks[0] == Rank::ace) {
            return "Royal Flush";
        }
        return "Straight Flush, " + single(0) + " High";
    }
    CW_PRECONDITION(false && "every category has a name");
    return {};
}

void to_json(nlohmann::json& json, const HandValue& value) {
    json = value.strength;
}

void from_json(const nlohmann::json& json, HandValue& value) {
    const std::int64_t number = readInt(json);
    if (number < 0 || number > std::numeric_limits<std::uint16_t>::max()) {
        throw DecodingError::dataCorrupted("Number " + std::to_string(number) + " does not fit in UInt16.");
    }
    const auto parsed = HandValue::fromStrength(number);
    if (!parsed) {
        throw DecodingError::dataCorrupted("Hand strength " + std::to_string(number) + " out of range");
    }
    value = *parsed;
}

} // namespace PokerEngine
