#include "Style/TextRole.h"

namespace {
struct RoleMetrics {
    double window;
    double popover;
    FontWeight system;
    double paper;
    bool monospacedDigits;
};

const RoleMetrics& metrics(TextRole role) {
    using enum FontWeight;
    static constexpr std::array<RoleMetrics, textRoleCount> table{{
        {14, 12, semibold, 800, false}, // seatName
        {13, 11, medium, 600, true},    // seatStack
        {10, 9, bold, 800, false},      // tag
        {13, 11, semibold, 600, true},  // bet
        {18, 14, semibold, 800, true},  // pot
        {12, 11, medium, 700, true},    // sidePot
        {13, 11, regular, 700, false},  // lastAction
        {13, 12, medium, 500, false},   // topBar
        {14, 13, semibold, 800, false}, // button
        {12, 11, medium, 700, false},   // preset
        {12, 12, regular, 500, false},  // log
        {22, 17, bold, 800, false},     // showdownHand
        {15, 13, semibold, 600, true},  // showdownAward
        {34, 28, bold, 800, true},      // display
        {20, 17, semibold, 800, false}, // title
        {13, 13, regular, 500, false},  // body
        {11, 11, regular, 600, false},  // caption
    }};
    return table[static_cast<std::size_t>(role)];
}
} // namespace

const std::array<TextRole, textRoleCount>& allTextRoles() {
    static const auto roles = [] {
        std::array<TextRole, textRoleCount> all{};
        for (std::size_t index = 0; index < textRoleCount; ++index)
            all[index] = static_cast<TextRole>(index);
        return all;
    }();
    return roles;
}

double textSize(TextRole role, TableSurface surface) {
    return surface == TableSurface::window ? metrics(role).window : metrics(role).popover;
}

FontWeight systemWeight(TextRole role) {
    return metrics(role).system;
}
double paperWeight(TextRole role) {
    return metrics(role).paper;
}
bool usesMonospacedDigits(TextRole role) {
    return metrics(role).monospacedDigits;
}
