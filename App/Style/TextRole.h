#pragma once

#include <array>
#include <cstddef>

#include "Style/TableSurface.h"

// What a piece of text is for; the role picks its size, weight and digit spacing in every style.
enum class TextRole {
    seatName,
    seatStack,
    tag,
    bet,
    pot,
    sidePot,
    lastAction,
    topBar,
    button,
    preset,
    log,
    showdownHand,
    showdownAward,
    display,
    title,
    body,
    caption,
};

inline constexpr std::size_t textRoleCount = 17;
const std::array<TextRole, textRoleCount>& allTextRoles();

// The weights the system font is asked for.
enum class FontWeight { regular, medium, semibold, bold, heavy };

// Point size of the role on a surface (points are drawn as pixels here).
double textSize(TextRole role, TableSurface surface);
// Weight of the system font for the role in the satin and pixel styles.
FontWeight systemWeight(TextRole role);
// Weight-axis value of the paper typeface for the role.
double paperWeight(TextRole role);
// Roles that show amounts keep their digits at one width, so numbers do not jiggle as they change.
bool usesMonospacedDigits(TextRole role);
