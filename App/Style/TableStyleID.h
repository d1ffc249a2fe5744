#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <optional>
#include <string_view>

// The three ways a table can be drawn. Only satin is offered to players; the others stay complete
// so that a stored choice of either still draws, as satin.
enum class TableStyleID { satin, paper, pixel };

inline constexpr std::array<TableStyleID, 3> allTableStyleIDs{TableStyleID::satin, TableStyleID::paper,
                                                              TableStyleID::pixel};

std::string_view toString(TableStyleID style);
std::optional<TableStyleID> tableStyleIDFromString(std::string_view text);
// The name the style pickers show.
std::string_view displayName(TableStyleID style);
// The one line a picker speaks as the style's hint.
std::string_view summary(TableStyleID style);

inline bool isOffered(TableStyleID style) {
    return style == TableStyleID::satin;
}

// The style a stored choice is drawn with.
inline TableStyleID offeredOrSatin(TableStyleID style) {
    return isOffered(style) ? style : TableStyleID::satin;
}

void to_json(nlohmann::json& json, TableStyleID style);
void from_json(const nlohmann::json& json, TableStyleID& style);
