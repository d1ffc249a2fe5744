#pragma once

#include <cstdint>
#include <optional>

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// What the player typed in the raise amount field, read before anything is sent: a whole, non-negative
// number of chips in the locale's format, or the reason it is not one, in words the player is told.
// Only a readable amount reaches the Bet/Raise button; text that is not one sends nothing.
struct AmountEntry {
    std::optional<std::int64_t> amount;
    // Empty exactly when `amount` is present.
    QString problem;

    static AmountEntry read(const QString& text);
    // Where the words on what is wrong, `size` big, stand beside the field whose face is `field`: level
    // with it on its leading side, over the slider, so that they cover neither the presets above it nor
    // the Bet/Raise button under it, which must show what it would send.
    static QPointF problemCorner(const QRectF& field, const QSizeF& size);
    bool operator==(const AmountEntry&) const = default;
};
