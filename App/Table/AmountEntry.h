#pragma once

#include <cstdint>
#include <optional>

#include <QString>

// What the player typed in the raise amount field, read before anything is sent: a whole, non-negative
// number of chips in the locale's format, or the reason it is not one, in words the player is told.
// Only a readable amount reaches the Bet/Raise button; text that is not one sends nothing.
struct AmountEntry {
    std::optional<std::int64_t> amount;
    // Empty exactly when `amount` is present.
    QString problem;

    static AmountEntry read(const QString& text);
    bool operator==(const AmountEntry&) const = default;
};
