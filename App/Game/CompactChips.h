#pragma once

#include <QString>

#include <cstdint>

// The short chip count beside the menu-bar icon: "950", "1.5k", "12.3k", "2.5M". Values are
// truncated, never rounded up, so the title never promises chips the player does not have.
QString compactChips(std::int64_t amount);
