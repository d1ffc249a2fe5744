#include "Style/TableStyleID.h"

#include "PokerEngine/DecodingError.h"

#include <nlohmann/json.hpp>

std::string_view toString(TableStyleID style) {
    switch (style) {
    case TableStyleID::satin:
        return "satin";
    case TableStyleID::paper:
        return "paper";
    case TableStyleID::pixel:
        return "pixel";
    }
    return "satin";
}

std::string_view displayName(TableStyleID style) {
    switch (style) {
    case TableStyleID::satin:
        return "Satin";
    case TableStyleID::paper:
        return "Paper";
    case TableStyleID::pixel:
        return "Pixel Parlor";
    }
    return "Satin";
}

std::string_view summary(TableStyleID style) {
    switch (style) {
    case TableStyleID::satin:
        return "Lit satin felt, crisp cards, system glass controls";
    case TableStyleID::paper:
        return "Mid-century cut paper with cardstock depth";
    case TableStyleID::pixel:
        return "16-bit pixel art with bitmap fonts";
    }
    return "Lit satin felt, crisp cards, system glass controls";
}

std::optional<TableStyleID> tableStyleIDFromString(std::string_view text) {
    for (auto style : allTableStyleIDs) {
        if (toString(style) == text) {
            return style;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, TableStyleID style) {
    json = toString(style);
}

void from_json(const nlohmann::json& json, TableStyleID& style) {
    if (!json.is_string()) {
        throw PokerEngine::DecodingError::typeMismatch(
            "Expected to decode String but found another type instead.");
    }
    const auto text = json.get<std::string>();
    const auto parsed = tableStyleIDFromString(text);
    if (!parsed) {
        throw PokerEngine::DecodingError::dataCorrupted(
            "Cannot initialize TableStyleID from invalid String value " + text);
    }
    style = *parsed;
}
